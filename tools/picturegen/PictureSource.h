#pragma once
// Reads the readable source of the editor's preview pictures (data/PreviewPictures.txt, whose
// header describes the format) into pictures with their numbers, refusing malformed blocks.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

struct CSourcePicture {
    std::int32_t m_nNumber = 0;
    std::string m_strDescription;
    std::int32_t m_nWidth = 0;
    std::vector<std::string> m_rows;  // '#' dot, '.' paper
};

class CPictureSource {
public:
    // The largest picture side; the editor's pictures are 36 x 36.
    static constexpr std::size_t kLargestSide = 256;

    // Both throw CSourceError ("file:line: message") at the first fault; Load throws
    // CFileError when the file cannot be read. Pictures come back in ascending number.
    static std::vector<CSourcePicture> Parse(std::string_view text, const std::string& fileName);
    static std::vector<CSourcePicture> Load(const std::filesystem::path& file);

private:
    explicit CPictureSource(std::string fileName) : m_strFileName(std::move(fileName)) {}

    void ReadLine(std::string_view line);
    void StartPicture(std::string_view header);
    void AddRow(std::string_view row);
    void ClosePicture();
    [[noreturn]] void Fail(const std::string& message) const;

    std::string m_strFileName;
    int m_nLine = 0;
    std::vector<CSourcePicture> m_pictures;
    bool m_bInPicture = false;
};

}  // namespace tavelo
