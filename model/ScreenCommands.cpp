#include "ScreenCommands.h"

#include <algorithm>
#include <limits>

#include "Screen.h"
#include "ScreenMessages.h"
#include "TaveloDoc.h"
#include "TextFormat.h"

namespace tavelo {

namespace {

bool IsScreenNumberInRange(std::int64_t number) {
    return number >= kMinScreenNumber && number <= kMaxScreenNumber;
}

// A target field's number, or none when it holds anything but digits. Long digit strings stay
// above the range instead of overflowing.
std::optional<std::int64_t> ParseTargetField(const std::u16string& field) {
    constexpr std::int64_t kAboveRange = std::int64_t{kMaxScreenNumber} + 1;
    std::int64_t value = 0;
    for (char16_t c : field) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = std::min(value * 10 + (c - u'0'), kAboveRange);
    }
    return value;
}

}  // namespace

std::u16string CheckScreenNumber(const CTaveloDoc& doc, std::int32_t number) {
    if (!IsScreenNumberInRange(number))
        return FormatMessage(screen_messages::kNumberOutOfRange, number, kMinScreenNumber,
                             kMaxScreenNumber);
    if (!doc.IsScreenNumberFree(number))
        return FormatMessage(screen_messages::kNumberInUse, number);
    return {};
}

std::int32_t ProposeScreenNumber(std::optional<std::int32_t> currentScreen) {
    if (!currentScreen) return kMinScreenNumber;
    // A file may hold numbers past the range; the check then refuses the proposal by name.
    return *currentScreen < std::numeric_limits<std::int32_t>::max() ? *currentScreen + 1
                                                                     : *currentScreen;
}

SNewScreenProposal ProposeNewScreen(std::optional<std::int32_t> currentScreen) {
    const std::int32_t number = ProposeScreenNumber(currentScreen);
    return {number, NumberedScreenDescription(number)};
}

CScreen& DoNewScreen(CTaveloDoc& doc, std::int32_t number, std::u16string description) {
    doc.SetModified();
    return doc.AddScreen(MakeNewScreen(number, std::move(description)));
}

CScreen& DoCopyScreen(CTaveloDoc& doc, std::int32_t source, std::int32_t target) {
    doc.SetModified();
    return doc.CopyScreen(source, target);
}

std::int32_t DoDeleteScreen(CTaveloDoc& doc, std::int32_t currentScreen) {
    doc.SetModified();
    if (const CScreen* screen = doc.FindScreen(currentScreen)) doc.DeleteScreen(screen);
    if (doc.GetScreens().empty())
        doc.AddScreen(MakeNewScreen(kMinScreenNumber, NumberedScreenDescription(kMinScreenNumber)));
    return doc.GetFirstScreenNumber();
}

SScreenPropertiesResult ApplyScreenProperties(CTaveloDoc& doc, CScreen& screen,
                                              const SScreenPropertyFields& fields) {
    if (fields.m_strUpScreen.empty() || fields.m_strDownScreen.empty())
        return {EScreenPropertiesOutcome::Postponed, {}};
    const std::optional<std::int64_t> up = ParseTargetField(fields.m_strUpScreen);
    const std::optional<std::int64_t> down = ParseTargetField(fields.m_strDownScreen);
    if (!up || !down || !IsScreenNumberInRange(*up) || !IsScreenNumberInRange(*down))
        return {EScreenPropertiesOutcome::Refused, screen_messages::kBadTarget};
    screen.SetDescription(fields.m_strDescription);
    screen.SetUpScreen(static_cast<std::int32_t>(*up));
    screen.SetDownScreen(static_cast<std::int32_t>(*down));
    doc.SetModified();
    return {EScreenPropertiesOutcome::Applied, {}};
}

}  // namespace tavelo
