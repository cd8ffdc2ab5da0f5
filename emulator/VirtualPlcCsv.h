#pragma once
// The CSV form of a virtual PLC's values: a header line "station,unit,address,value", then
// one value per line in decimal, as spreadsheets read and write it.

#include <string>
#include <string_view>

#include "VirtualPlc.h"

namespace tavelo {

class CVirtualPlcCsv {
public:
    // Throws CValuesError naming the line (and the field) at fault. Blank lines, CR LF line
    // ends, a UTF-8 byte order mark and spaces around fields are accepted.
    static CVirtualPlc Parse(std::string_view text);
    static std::string Format(const CVirtualPlc& plc);
};

}  // namespace tavelo
