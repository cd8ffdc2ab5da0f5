#pragma once
// The keys of the panel's keypad. Their values are the key numbers the function-key table
// names, so F n is the keypad key of number n (F1 is ESC, F20 is CLR).

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavelo {

enum class EPanelKey : std::uint8_t {
    Esc = 1,
    Left,
    Right,
    Down,
    Up,
    Set,
    Ent,
    Alm,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    PlusMinus,
    Clr
};

inline constexpr int kPanelKeyCount = 20;

// The key of that key number (1 to 20), or none.
std::optional<EPanelKey> PanelKeyFromNumber(int number);
// "ESC", "LEFT", "RIGHT", "DOWN", "UP", "SET", "ENT", "ALM", "0".."9", "+/-", "CLR" or "F1".."F20",
// in any case; none for any other name.
std::optional<EPanelKey> PanelKeyFromName(std::string_view name);
// The digit of a digit key, or none.
std::optional<int> DigitOfKey(EPanelKey key);

}  // namespace tavelo
