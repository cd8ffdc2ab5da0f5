#pragma once
// One entry of a values file, in JSON and CSV alike: station, unit code, address and value,
// checked against what the image's records can name before it joins a virtual PLC.

#include <array>
#include <cstdint>

#include "VirtualPlc.h"

namespace tavelo {

struct CValueEntry {
    static constexpr std::size_t kFieldCount = 4;
    // The names of the fields in their order: JSON members and CSV columns.
    static constexpr std::array<const char*, kFieldCount> kFieldNames = {"station", "unit",
                                                                         "address", "value"};

    std::array<std::int64_t, kFieldCount> m_fields{};

    // Throws CValuesError when a field is outside what an image can name or the PLC already
    // holds a value at the address: a second value there is a mistake, never meant to win.
    void AddTo(CVirtualPlc& plc) const;
    // The fields of one value the PLC holds.
    static std::array<std::int64_t, kFieldCount> FieldsOf(const CPollAddress& address,
                                                          std::int64_t value);
};

}  // namespace tavelo
