#pragma once
// The address-unit choices a property page offers: the current PLC type's units that pass an
// addressing filter, in unit-list order, with the unit to preselect.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/PLC.h"

namespace tavelo {

class CUnitChoiceList {
public:
    static constexpr int kNoSelection = -1;

    // Only the low 8 bits of the filter count: 0 byte, 1 bit, 2 byte-and-bit addressing,
    // 3 byte or bit, 4 byte or byte-and-bit, 5 bit or byte-and-bit, anything else none.
    // Preselects the last listed unit with the type number, else the first entry.
    CUnitChoiceList(const CPLC& plc, std::int32_t filter, std::int32_t typeNo);

    static bool PassesFilter(const CRegUnitConfig& unit, std::int32_t filter);

    // The listed names, and for each the position of its unit in the PLC type's unit list.
    const std::vector<std::u16string>& GetNames() const { return m_names; }
    const std::vector<std::size_t>& GetUnitIndices() const { return m_unitIndices; }
    // A position in GetNames(), or kNoSelection when the list is empty.
    int GetSelection() const { return m_nSelection; }

private:
    std::vector<std::u16string> m_names;
    std::vector<std::size_t> m_unitIndices;
    int m_nSelection = kNoSelection;
};

}  // namespace tavelo
