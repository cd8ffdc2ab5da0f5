#pragma once
// Reads the readable sources of our monochrome drawings (preview pictures, function-key
// graphics): blocks that start with "KEYWORD NUMBER description" followed by rows of '#' (a
// dot) and '.' (none); a blank line ends a block and comment lines are skipped.

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

struct CSourceDrawing {
    std::int32_t m_nNumber = 0;
    std::string m_strDescription;
    std::int32_t m_nWidth = 0;
    std::vector<std::string> m_rows;  // '#' dot, '.' paper
};

// What tells one kind of source from another.
struct CDrawingSyntax {
    std::string_view m_strKeyword;  // "picture"
    std::string_view m_strComment;  // "//"
    std::int32_t m_nLargestNumber = 0;
    // 0 lets each drawing choose its own size, up to the largest side.
    std::int32_t m_nFixedWidth = 0;
    std::int32_t m_nFixedHeight = 0;
};

class CDrawingSource {
public:
    static constexpr std::size_t kLargestSide = 256;

    // Both throw CSourceError ("file:line: message") at the first fault; Load throws
    // CFileError when the file cannot be read. Drawings come back in the order of the source.
    static std::vector<CSourceDrawing> Parse(std::string_view text, const std::string& fileName,
                                             const CDrawingSyntax& syntax);
    static std::vector<CSourceDrawing> Load(const std::filesystem::path& file,
                                            const CDrawingSyntax& syntax);

private:
    CDrawingSource(std::string fileName, const CDrawingSyntax& syntax)
        : m_strFileName(std::move(fileName)), m_syntax(syntax) {}

    void ReadLine(std::string_view line);
    void StartDrawing(std::string_view header);
    void AddRow(std::string_view row);
    void CloseDrawing();
    [[noreturn]] void Fail(const std::string& message) const;

    std::string m_strFileName;
    CDrawingSyntax m_syntax;
    int m_nLine = 0;
    bool m_bInDrawing = false;
    std::set<std::int32_t> m_numbers;
    std::vector<CSourceDrawing> m_drawings;
};

}  // namespace tavelo
