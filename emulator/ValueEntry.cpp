#include "ValueEntry.h"

#include <string>

#include "ValuesError.h"

namespace tavelo {

namespace {

constexpr std::array<std::int64_t, 3> kAddressFieldMax = {
    CVirtualPlc::kMaxStation, CVirtualPlc::kMaxUnitCode, CVirtualPlc::kMaxAddress};

}  // namespace

void CValueEntry::AddTo(CVirtualPlc& plc) const {
    for (std::size_t field = 0; field < kAddressFieldMax.size(); ++field) {
        if (m_fields[field] < 0 || m_fields[field] > kAddressFieldMax[field])
            throw CValuesError(std::string(kFieldNames[field]) + " " +
                               std::to_string(m_fields[field]) + " is outside 0 to " +
                               std::to_string(kAddressFieldMax[field]));
    }
    const CPollAddress address{m_fields[0], m_fields[1], m_fields[2]};
    if (plc.Holds(address))
        throw CValuesError("station " + std::to_string(address.m_nStation) + ", unit " +
                           std::to_string(address.m_nUnitCode) + ", address " +
                           std::to_string(address.m_nAddress) + " is given twice");
    plc.Write(address, m_fields[3]);
}

std::array<std::int64_t, CValueEntry::kFieldCount> CValueEntry::FieldsOf(
    const CPollAddress& address, std::int64_t value) {
    return {address.m_nStation, address.m_nUnitCode, address.m_nAddress, value};
}

}  // namespace tavelo
