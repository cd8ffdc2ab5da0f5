#include "ScreenCsv.h"

#include "CsvText.h"
#include "TaveloDoc.h"
#include "TextFormat.h"

namespace tavelo {

std::string ExportScreenCsv(const CTaveloDoc& doc) {
    std::vector<CsvRow> rows{{u"画面号", u"画面描述", u"按向上键至画面", u"按向下键至画面"}};
    for (const auto& screen : doc.GetScreens())
        rows.push_back({FormatMessage(u"%d", screen->GetNumber()), screen->GetDescription(),
                        FormatMessage(u"%d", screen->GetUpScreen()),
                        FormatMessage(u"%d", screen->GetDownScreen())});
    return FormatCsv(rows);
}

}  // namespace tavelo
