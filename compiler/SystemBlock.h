#pragma once
// The image's system block: the panel-wide values of a project (screen count, alarm watch,
// initial screen, password, PLC link format, control registers, screen saver) in 29 bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ImageCursor.h"

namespace tavelo {

class CAppState;
class CTaveloDoc;

// PLC list positions the system block treats apart.
inline constexpr std::uint8_t kPlcIndexWithoutAlarms = 13;
// These PLC types report alarm status in 16-bit words.
inline constexpr std::uint8_t kPlcIndexesWithWordStatus[] = {4, 7, 8};
inline constexpr std::int32_t kAlarmMarker = 0x10;

// Alarms whose text is not empty.
std::size_t CountAlarms(const std::vector<std::u16string>& texts);
// The alarm count the panel is told: none at PLC index 13, at most 56 at index 15.
std::size_t ReportedAlarmCount(std::size_t alarms, std::uint8_t plcListIndex);
// Status bytes the alarm bits span from startBit.
std::int32_t AlarmStatusBytes(std::int32_t startBit, std::int32_t count, std::uint8_t plcListIndex);
// The four password digits, right-aligned; characters other than digits count as 0.
std::vector<std::int32_t> PasswordDigits(const std::u16string& password);

// Writes the 29 bytes; returns the count written.
std::size_t WriteSystemBlock(const CTaveloDoc& doc, const CAppState& state, CImageCursor& out);

}  // namespace tavelo
