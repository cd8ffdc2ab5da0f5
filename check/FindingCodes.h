#pragma once
// The stable codes of the check's findings.

namespace tavelo::finding_code {

inline constexpr const char* kGlyphMissing = "glyph-missing";
inline constexpr const char* kAlarmTextGlyphMissing = "alarm-text-glyph-missing";
inline constexpr const char* kOffDisplay = "off-display";
inline constexpr const char* kOverlap = "overlap";
inline constexpr const char* kJumpTargetMissing = "jump-target-missing";
inline constexpr const char* kUpDownTargetMissing = "updown-target-missing";
inline constexpr const char* kInitialScreenMissing = "initial-screen-missing";
inline constexpr const char* kAddressOutOfRange = "address-out-of-range";
inline constexpr const char* kStationOutOfRange = "station-out-of-range";
inline constexpr const char* kDuplicateFunctionKey = "duplicate-function-key";
inline constexpr const char* kImageBudget = "image-budget";
inline constexpr const char* kTooManyElements = "too-many-elements";
inline constexpr const char* kTextTooLong = "text-too-long";
inline constexpr const char* kTooManyAlarms = "too-many-alarms";
inline constexpr const char* kNotCompiled = "not-compiled";

}  // namespace tavelo::finding_code
