#include "PictureSource.h"

#include <algorithm>
#include <charconv>

#include "model/FileBytes.h"
#include "tools/plcgen/SourceError.h"

namespace tavelo {

namespace {

constexpr std::uintmax_t kLargestSource = 4u << 20;
constexpr std::string_view kPictureKeyword = "picture ";
constexpr std::string_view kComment = "//";

}  // namespace

std::vector<CSourcePicture> CPictureSource::Parse(std::string_view text,
                                                  const std::string& fileName) {
    CPictureSource source(fileName);
    while (!text.empty()) {
        std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++source.m_nLine;
        source.ReadLine(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    source.ClosePicture();
    std::vector<CSourcePicture>& pictures = source.m_pictures;
    std::sort(pictures.begin(), pictures.end(),
              [](const auto& a, const auto& b) { return a.m_nNumber < b.m_nNumber; });
    for (std::size_t i = 1; i < pictures.size(); ++i)
        if (pictures[i].m_nNumber == pictures[i - 1].m_nNumber)
            throw CSourceError(
                fileName, 0,
                "picture " + std::to_string(pictures[i].m_nNumber) + " is given twice");
    return std::move(pictures);
}

std::vector<CSourcePicture> CPictureSource::Load(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file, kLargestSource);
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                 file.string());
}

void CPictureSource::ReadLine(std::string_view line) {
    if (line.empty()) {
        ClosePicture();
    } else if (line.starts_with(kComment)) {
        return;
    } else if (line.starts_with(kPictureKeyword)) {
        ClosePicture();
        StartPicture(line.substr(kPictureKeyword.size()));
    } else if (m_bInPicture) {
        AddRow(line);
    } else {
        Fail("expected \"picture NUMBER description\", a comment or a blank line");
    }
}

void CPictureSource::StartPicture(std::string_view header) {
    CSourcePicture picture;
    const auto [end, error] =
        std::from_chars(header.data(), header.data() + header.size(), picture.m_nNumber);
    if (error != std::errc() || picture.m_nNumber < 0) Fail("picture number missing or invalid");
    header.remove_prefix(static_cast<std::size_t>(end - header.data()));
    if (!header.empty() && header.front() != ' ') Fail("picture number missing or invalid");
    picture.m_strDescription = std::string(header.substr(std::min<std::size_t>(1, header.size())));
    m_pictures.push_back(std::move(picture));
    m_bInPicture = true;
}

void CPictureSource::AddRow(std::string_view row) {
    CSourcePicture& picture = m_pictures.back();
    if (row.find_first_not_of("#.") != std::string_view::npos)
        Fail("a picture row holds only '#' and '.'");
    if (picture.m_rows.empty()) {
        if (row.size() > kLargestSide) Fail("picture wider than the largest side");
        picture.m_nWidth = static_cast<std::int32_t>(row.size());
    } else if (row.size() != static_cast<std::size_t>(picture.m_nWidth)) {
        Fail("row of " + std::to_string(row.size()) + " dots in a picture " +
             std::to_string(picture.m_nWidth) + " wide");
    }
    if (picture.m_rows.size() == kLargestSide) Fail("picture higher than the largest side");
    picture.m_rows.emplace_back(row);
}

void CPictureSource::ClosePicture() {
    if (!m_bInPicture) return;
    m_bInPicture = false;
    if (m_pictures.back().m_rows.empty()) Fail("picture without rows");
}

void CPictureSource::Fail(const std::string& message) const {
    throw CSourceError(m_strFileName, m_nLine, message);
}

}  // namespace tavelo
