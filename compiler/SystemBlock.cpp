#include "SystemBlock.h"

#include <algorithm>

#include "model/AlarmList.h"
#include "model/AppState.h"
#include "model/SystemSettings.h"
#include "model/TaveloDoc.h"
#include "plc/LinkFormatByte.h"

namespace tavelo {

namespace {

constexpr int kWordBits = 16;
constexpr int kByteBits = 8;

bool HasWordStatus(std::uint8_t plcListIndex) {
    return std::find(std::begin(kPlcIndexesWithWordStatus), std::end(kPlcIndexesWithWordStatus),
                     plcListIndex) != std::end(kPlcIndexesWithWordStatus);
}

void WritePassword(const std::u16string& password, CImageCursor& out) {
    const std::vector<std::int32_t> digits = PasswordDigits(password);
    for (std::int32_t digit : digits) out.Put8(digit);
    out.Put8(std::any_of(digits.begin(), digits.end(), [](std::int32_t d) { return d != 0; }));
}

void WriteScreenSaver(const CSystemSettings::CScreenSaver& saver, CImageCursor& out) {
    const bool showsScreen = saver.m_nAction == CSystemSettings::kSaverShowScreen;
    out.Put8(saver.m_nMinutes);
    out.Put8(showsScreen ? 0 : 1);
    out.Put16(showsScreen ? saver.m_nScreen : 0);
}

}  // namespace

std::size_t CountAlarms(const std::vector<std::u16string>& texts) {
    return static_cast<std::size_t>(
        std::count_if(texts.begin(), texts.end(), [](const auto& text) { return !text.empty(); }));
}

std::size_t ReportedAlarmCount(std::size_t alarms, std::uint8_t plcListIndex) {
    if (plcListIndex == kPlcIndexWithoutAlarms) return 0;
    if (plcListIndex == CAlarmList::kPlcIndexOf56Texts)
        return std::min(alarms, CAlarmList::kMaxTextsAtIndex15);
    return alarms;
}

std::int32_t AlarmStatusBytes(std::int32_t startBit, std::int32_t count,
                              std::uint8_t plcListIndex) {
    // Integer division truncating towards zero, as the panel tool has always counted.
    if (HasWordStatus(plcListIndex))
        return 2 * ((count + startBit - 1) / kWordBits - startBit / kWordBits + 1);
    return ((startBit % kByteBits) + count + kByteBits - 1) / kByteBits;
}

std::vector<std::int32_t> PasswordDigits(const std::u16string& password) {
    const std::u16string_view typed = std::u16string_view(password).substr(
        0, std::min(password.size(), CSystemSettings::kPasswordLength));
    std::vector<std::int32_t> digits(CSystemSettings::kPasswordLength - typed.size(), 0);
    for (char16_t character : typed)
        digits.push_back(character >= u'0' && character <= u'9' ? character - u'0' : 0);
    return digits;
}

std::size_t WriteSystemBlock(const CTaveloDoc& doc, const CAppState& state, CImageCursor& out) {
    const std::size_t start = out.GetCount();
    const CSystemSettings& settings = doc.GetSystemSettings();
    const CAlarmList::CAddress alarm = doc.GetAlarms().GetAddress();
    const std::size_t alarms = CountAlarms(doc.GetAlarms().GetTexts());
    const CSystemSettings::CControl control = settings.GetControl();
    // The start bit as the panel reads it back from its two bytes.
    const std::int32_t startBit = alarm.m_nLinearBit & 0xFFFF;

    out.Put16(static_cast<std::int64_t>(doc.GetScreens().size()));
    out.Put8(static_cast<std::int64_t>(ReportedAlarmCount(alarms, state.m_nPlcListIndex)));
    out.Put8(kAlarmMarker);
    out.Put8(alarm.m_nStation);
    out.Put16(startBit);
    out.Put8(alarm.m_nUnitType);
    out.Put8(AlarmStatusBytes(startBit, static_cast<std::int32_t>(alarms), state.m_nPlcListIndex));
    out.Put16(settings.GetStartup().m_nInitialScreen);
    WritePassword(settings.GetStartup().m_strPassword, out);
    out.Put8(LinkFormatByte(doc.GetLink(), state.m_nPlcListIndex));
    out.Put8(control.m_nStatusControl);
    out.Put8(control.m_nStation);
    out.Put16(control.m_nControlRegister);
    out.Put8(control.m_nUnitType);
    out.PutRepeated(0, 3);
    WriteScreenSaver(settings.GetScreenSaver(), out);
    return out.GetCount() - start;
}

}  // namespace tavelo
