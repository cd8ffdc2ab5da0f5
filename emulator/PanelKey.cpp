#include "PanelKey.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string>

namespace tavelo {

namespace {

constexpr std::array<std::string_view, kPanelKeyCount> kKeyNames = {
    "ESC", "LEFT", "RIGHT", "DOWN", "UP", "SET", "ENT", "ALM", "0",   "1",
    "2",   "3",    "4",     "5",    "6",  "7",   "8",   "9",   "+/-", "CLR"};

}  // namespace

std::optional<EPanelKey> PanelKeyFromNumber(int number) {
    if (number < 1 || number > kPanelKeyCount) return std::nullopt;
    return static_cast<EPanelKey>(number);
}

std::optional<EPanelKey> PanelKeyFromName(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (std::size_t i = 0; i < kKeyNames.size(); ++i)
        if (upper == kKeyNames[i]) return PanelKeyFromNumber(static_cast<int>(i) + 1);
    if (upper.size() < 2 || upper.size() > 3 || upper[0] != 'F') return std::nullopt;
    int number = 0;
    const auto [end, error] =
        std::from_chars(upper.data() + 1, upper.data() + upper.size(), number);
    if (error != std::errc() || end != upper.data() + upper.size()) return std::nullopt;
    return PanelKeyFromNumber(number);
}

std::optional<int> DigitOfKey(EPanelKey key) {
    if (key < EPanelKey::Digit0 || key > EPanelKey::Digit9) return std::nullopt;
    return static_cast<int>(key) - static_cast<int>(EPanelKey::Digit0);
}

}  // namespace tavelo
