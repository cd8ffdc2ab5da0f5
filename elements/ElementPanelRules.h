#pragma once
// Value rules that several element property panels share: the station spin range, the value
// range of an integer register, the typing filter of signed number fields and the 浮点数
// (float) option of registers and graphs.

#include <cstdint>
#include <string_view>

#include "model/AppState.h"
#include "model/SpinRange.h"

namespace tavelo {

// The station spin range of the current PLC type: 0..247 for "Modbus(RTU)", else 0..255.
CSpinRange StationSpinRange(const CPLC& plc);

// The values an integer of byteWidth bytes holds: 8 and 32 bits for widths 1 and 4, 16 bits for
// any other width.
CSpinRange IntegerValueRange(std::int64_t byteWidth, bool isSigned);

// What signed number fields (limits, scales) accept: an optional leading "-", then digits.
bool IsSignedNumberText(std::u16string_view text);

// The floating-point option exists on the second panel model only.
bool IsFloatOffered(const CAppState& state);

enum class EFloatChange { kOn, kSwitchedOff, kNone };

// 浮点数 at an apply of a register or graph panel. On: the element remembers it was applied
// with float and loses its copy mark. Off after such an apply, on an element that is not a
// fresh screen copy: the memory ends and the caller drops the sign.
EFloatChange ApplyFloatChoice(bool floatOn, bool& floatApplied, bool& copyMark);

}  // namespace tavelo
