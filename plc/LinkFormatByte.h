#pragma once
// The one byte in which the download hands the panel its PLC serial settings.

#include <cstdint>

namespace tavelo {

class CLinkSettings;

// Bits 0-3 the baud code, bits 4-5 the parity choice, bit 6 the data-bits choice, bit 7 the
// stop-bits choice; each value is cut to its bits so one never spills into the next.
std::uint8_t LinkFormatByte(const CLinkSettings& settings);

}  // namespace tavelo
