#include "CountCheck.h"

#include <map>

#include "ElementNames.h"
#include "FindingCodes.h"
#include "FindingList.h"
#include "compiler/ByteCount.h"
#include "compiler/CompilerMessages.h"
#include "compiler/ElementCast.h"
#include "compiler/SystemBlock.h"
#include "elements/DynamicText.h"
#include "elements/StaticText.h"
#include "model/AppState.h"
#include "model/TaveloDoc.h"
#include "model/TextFormat.h"
#include "render/FontLibrary.h"

namespace tavelo {

namespace cmsg = compiler_messages;

namespace {

// Vector text takes two code bytes per character, dot-matrix text one below 128.
std::size_t CodeBytes(std::u16string_view text, bool vector) {
    return vector ? 2 * text.size() : CFontLibrary::GetByteLength(text);
}

// The count and the limit follow the where numbers in each message.
CComposedMessage Over(const char16_t* message, std::initializer_list<std::int64_t> where,
                      std::size_t count) {
    return CComposedMessage(FormatMessage(FormatNumbers(message, where), count, kLargestByteCount));
}

void CheckStaticText(const CStaticText& text, CFindingList& findings) {
    const std::size_t bytes = CodeBytes(text.GetText(), text.IsVector());
    if (bytes <= kLargestByteCount) return;
    const CPoint at = ElementDots(text);
    findings.AddScreen(ESeverity::Error, finding_code::kTextTooLong, text.m_nScreenNo,
                       Over(cmsg::kStaticTextBytes, {text.m_nScreenNo, at.x, at.y}, bytes));
}

void CheckDynamicText(const CDynamicText& text, CFindingList& findings) {
    const CPoint at = ElementDots(text);
    const auto& texts = text.GetTextList();
    const auto& values = text.GetValueList();
    std::size_t rows = 0;
    for (std::size_t i = 0; i < std::min(texts.size(), values.size()); ++i) {
        if (values[i].empty()) continue;
        ++rows;
        const std::size_t bytes = CodeBytes(texts[i], text.IsVector());
        if (bytes > kLargestByteCount)
            findings.AddScreen(
                ESeverity::Error, finding_code::kTextTooLong, text.m_nScreenNo,
                Over(cmsg::kDynamicTextRowBytes,
                     {text.m_nScreenNo, at.x, at.y, static_cast<std::int64_t>(i + 1)}, bytes));
    }
    if (rows > kLargestByteCount)
        findings.AddScreen(ESeverity::Error, finding_code::kTextTooLong, text.m_nScreenNo,
                           Over(cmsg::kDynamicTextRows, {text.m_nScreenNo, at.x, at.y}, rows));
}

void CheckAlarms(const CTaveloDoc& doc, const CAppState& state, CFindingList& findings) {
    const std::vector<std::u16string>& texts = doc.GetAlarms().GetTexts();
    std::size_t alarms = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty()) continue;
        ++alarms;
        const std::size_t bytes = CodeBytes(texts[i], false);
        if (bytes > kLargestByteCount)
            findings.AddProjectWide(
                ESeverity::Error, finding_code::kTextTooLong,
                Over(cmsg::kAlarmTextBytes, {static_cast<std::int64_t>(i + 1)}, bytes));
    }
    const std::size_t reported = ReportedAlarmCount(alarms, state.m_nPlcListIndex);
    if (reported > kLargestByteCount)
        findings.AddProjectWide(ESeverity::Error, finding_code::kTooManyAlarms,
                                Over(cmsg::kAlarmCount, {}, reported));
}

}  // namespace

void CheckCounts(const CTaveloDoc& doc, const CAppState& state, CFindingList& findings) {
    std::map<std::int32_t, std::size_t> elementsOfScreen;
    for (const auto& element : doc.GetElements()) {
        if (!doc.FindScreen(element->m_nScreenNo)) continue;
        if (KindOfClassName(element->GetClassName())) ++elementsOfScreen[element->m_nScreenNo];
        if (const auto* text = ElementAs<CStaticText>(*element)) CheckStaticText(*text, findings);
        if (const auto* text = ElementAs<CDynamicText>(*element)) CheckDynamicText(*text, findings);
    }
    for (const auto& [screen, count] : elementsOfScreen)
        if (count > kLargestByteCount)
            findings.AddScreen(ESeverity::Error, finding_code::kTooManyElements, screen,
                               Over(cmsg::kScreenElements, {screen}, count));
    CheckAlarms(doc, state, findings);
}

}  // namespace tavelo
