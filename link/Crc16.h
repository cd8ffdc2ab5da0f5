#pragma once
// The CRC of Modbus RTU that protects every download frame, and its placement in a frame.

#include <cstdint>
#include <span>
#include <vector>

namespace tavelo {

// CRC-16/MODBUS: reflected polynomial 0xA001, initial value 0xFFFF.
std::uint16_t Crc16Modbus(std::span<const std::uint8_t> bytes);

// Appends the CRC of bytes low byte first, as the line carries it.
void AppendCrc16(std::vector<std::uint8_t>& frame, std::span<const std::uint8_t> bytes);

}  // namespace tavelo
