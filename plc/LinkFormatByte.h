#pragma once
// The one byte in which the download hands the panel its PLC serial settings.

#include <cstdint>

namespace tavelo {

class CLinkSettings;

// The PLC types at these list positions run with one stop bit whatever the project holds.
inline constexpr std::uint8_t kPlcIndexOneStopBitFirst = 4;
inline constexpr std::uint8_t kPlcIndexOneStopBitLast = 5;

// Bits 0-3 the baud code, bits 4-5 the parity choice, bit 6 the data-bits choice, bit 7 the
// stop-bits choice (1 = one bit); each value is cut to its bits so one never spills into the
// next. plcListIndex is the process-wide PLC list index.
std::uint8_t LinkFormatByte(const CLinkSettings& settings, std::uint8_t plcListIndex);

}  // namespace tavelo
