#pragma once
// The user manuals' one Markdown source (docs/manual/manual.md), cut into the Markdown of one
// panel model's manual.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>

namespace tavelo {

// One delivered manual: the panel model it describes and its file in the program directory,
// where the user-manual command looks for it.
struct CManualModel {
    const char* m_pszName;
    const char* m_pszFileName;
};

inline constexpr CManualModel kManualModels[] = {{"ZORA", "QLMA.pdf"}, {"ZORB", "QLMB.pdf"}};

// Stand-ins that the source's markers leave in the Markdown for the layout to act on: a
// heading or paragraph that starts with kPageBreakMark begins a new page, and a paragraph that
// is just kContentsMark is where the table of contents goes. Private-use characters, so no
// real text can contain them.
inline constexpr char16_t kPageBreakMark = u'\uE000';
inline constexpr char16_t kContentsMark = u'\uE001';

class CManualSource {
public:
    // Marker lines of the source, each alone on its line. A page break applies to the next
    // heading, paragraph or table of contents. Text between "<!-- ZORA -->" and
    // "<!-- /ZORA -->" (likewise ZORB) belongs to that model's manual only; any other comment
    // is left out of both.
    static constexpr const char* kPageBreakMarker = "<!-- 分页 -->";
    static constexpr const char* kContentsMarker = "<!-- 目录 -->";
    // Replaced everywhere by the model name and by the manual's file name.
    static constexpr const char* kModelPlaceholder = "{{型号}}";
    static constexpr const char* kFilePlaceholder = "{{手册}}";

    CManualSource(const QString& text, std::string fileName);
    // Throws CFileError when the file cannot be read.
    static CManualSource Load(const std::filesystem::path& file);

    // Throws CSourceError ("file:line: message") at a misplaced or unknown marker.
    QString ForModel(const CManualModel& model) const;

private:
    QStringList m_lines;
    std::string m_strFileName;
};

}  // namespace tavelo
