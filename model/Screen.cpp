#include "Screen.h"

#include <limits>

#include "Archive.h"
#include "TextFormat.h"

namespace tavelo {

namespace {

// The number after n, without overflow whatever number a caller brings.
std::int32_t Next(std::int32_t n) {
    return n < std::numeric_limits<std::int32_t>::max() ? n + 1 : n;
}

}  // namespace

void CScreen::Serialize(CArchive& ar) {
    ar.Int32(m_nNumber);
    ar.Int32(m_nUpScreen);
    ar.Int32(m_nDownScreen);
    ar.String(m_strDescription);
}

void CScreen::SetNumber(std::int32_t number) {
    m_nNumber = number;
    m_nUpScreen = number > kMinScreenNumber ? number - 1 : 0;
    m_nDownScreen = Next(number);
}

std::unique_ptr<CScreen> MakeNewScreen(std::int32_t number, std::u16string description) {
    auto screen = std::make_unique<CScreen>();
    screen->SetNumber(number);
    screen->SetUpScreen(number > kMinScreenNumber ? number - 1 : kMinScreenNumber);
    screen->SetDownScreen(number < kMaxScreenNumber ? number + 1 : kMaxScreenNumber);
    screen->SetDescription(std::move(description));
    return screen;
}

std::u16string NumberedScreenDescription(std::int32_t number) {
    return FormatMessage(screen_messages::kNumberedDescription, number);
}

}  // namespace tavelo
