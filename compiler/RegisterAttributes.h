#pragma once
// The bits of a register record's attribute byte, and the float bit of its decimals byte: the
// encoder writes them and whatever reads an image (the emulator) takes them from here.

#include <cstdint>

namespace tavelo::register_bits {

inline constexpr std::int32_t kEngineeringBit = 0x04;
inline constexpr std::int32_t kSettableBit = 0x08;
inline constexpr std::int32_t kSignedBit = 0x10;
inline constexpr std::int32_t kDecimalBit = 0x20;
inline constexpr std::int32_t kPasswordBit = 0x40;
inline constexpr std::int32_t kLimitsBit = 0x80;
inline constexpr std::int32_t kFloatBit = 0x80;

}  // namespace tavelo::register_bits
