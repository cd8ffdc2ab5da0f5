#pragma once
// The JSON form of a virtual PLC's values:
//   {"values": [{"station": 1, "unit": 1, "address": 100, "value": 42}, ...]}

#include <string>
#include <string_view>

#include "VirtualPlc.h"

namespace tavelo {

class CVirtualPlcJson {
public:
    // Throws CValuesError naming the entry (counted from 1) or the place of a syntax error.
    // Unknown members are refused, so a misspelt field never silently reads 0.
    static CVirtualPlc Parse(std::string_view text);
    // Two-space indentation, one entry per value in address order, a final newline.
    static std::string Format(const CVirtualPlc& plc);
};

}  // namespace tavelo
