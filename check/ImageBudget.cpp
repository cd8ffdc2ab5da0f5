#include "ImageBudget.h"

#include <initializer_list>

#include "CheckMessages.h"
#include "FindingCodes.h"
#include "FindingList.h"
#include "model/TextFormat.h"

namespace tavelo {

namespace cm = check_messages;

namespace {

std::size_t Sum(const CImageLayout& layout, std::initializer_list<EImageArea> areas) {
    std::size_t bytes = 0;
    for (EImageArea area : areas) bytes += layout[area].m_nSize;
    return bytes;
}

}  // namespace

std::vector<CBudgetArea> BudgetAreas(const CImageLayout& layout) {
    using A = EImageArea;
    return {
        {cm::kAreaGlyphs, Sum(layout, {A::WideGlyphs, A::NarrowGlyphs})},
        {cm::kAreaBitmaps, Sum(layout, {A::StaticBitmaps, A::DynamicBitmaps})},
        {cm::kAreaScreens, Sum(layout, {A::ScreenTable, A::ElementIndex, A::ElementRecords,
                                        A::KeyTables, A::PollTables})},
        {cm::kAreaAlarms, Sum(layout, {A::AlarmIndex, A::AlarmTexts})},
        {cm::kAreaOther, Sum(layout, {A::Header, A::SystemBlock})},
    };
}

void CheckImageBudget(const CImageLayout& layout, CFindingList& findings) {
    const std::size_t length = layout.GetLength();
    if (length <= kMaxImageSize) return;
    CComposedMessage message(FormatMessage(cm::kImageBudget, length, kMaxImageSize));
    const std::size_t first = message.GetPieces().size();
    for (const CBudgetArea& area : BudgetAreas(layout)) {
        if (message.GetPieces().size() > first) message.Add(u"，");
        message.Add(area.m_strName).Add(FormatMessage(u" %d", area.m_nBytes));
    }
    findings.AddProjectWide(ESeverity::Error, finding_code::kImageBudget, std::move(message));
}

}  // namespace tavelo
