#include "AddressCheck.h"

#include "CheckMessages.h"
#include "FindingCodes.h"
#include "FindingList.h"
#include "model/AppState.h"
#include "model/TextFormat.h"

namespace tavelo {

namespace cm = check_messages;

namespace {

class CAddressChecker {
public:
    CAddressChecker(const CAppState& state, CFindingList& findings)
        : m_state(state), m_findings(findings) {
        CPLC plc = state.m_currentPlc;
        plc.QueryStationRange(m_nStationMin, m_nStationMax);
    }

    void Check(const CAddressUse& use) {
        if (use.m_nStation < m_nStationMin || use.m_nStation > m_nStationMax)
            Report(use, finding_code::kStationOutOfRange,
                   CComposedMessage(FormatMessage(cm::kStationOutOfRange, use.m_nStation,
                                                  m_nStationMin, m_nStationMax)));
        const CRegUnitConfig* unit = FindUnitByType(m_state, use.m_nUnitType);
        if (!unit) {
            Report(use, finding_code::kAddressOutOfRange,
                   CComposedMessage(FormatMessage(cm::kUnitMissing, use.m_nUnitType)));
            return;
        }
        if (unit->m_nAddressing != CRegUnitConfig::kBit) CheckAddress(use, *unit);
        if (unit->m_nAddressing != CRegUnitConfig::kByte &&
            (use.m_nBit < unit->m_nBitLow || use.m_nBit > unit->m_nBitHigh))
            Report(use, finding_code::kAddressOutOfRange,
                   CComposedMessage(FormatMessage(cm::kBitOutOfRange, use.m_nBit, unit->m_nBitLow,
                                                  unit->m_nBitHigh))
                       .AddUsersText(unit->m_strName));
    }

private:
    void CheckAddress(const CAddressUse& use, const CRegUnitConfig& unit) {
        if (use.m_nAddress < unit.m_nByteLow || use.m_nAddress > unit.m_nByteHigh) {
            Report(use, finding_code::kAddressOutOfRange,
                   CComposedMessage(FormatMessage(cm::kAddressOutOfRange, use.m_nAddress,
                                                  unit.m_nByteLow, unit.m_nByteHigh))
                       .AddUsersText(unit.m_strName));
            return;
        }
        if (!use.m_bCountedRegisters || unit.m_nAddressing != CRegUnitConfig::kByte) return;
        if (use.m_nCount < 1 || (unit.m_nMaxCount > 0 && use.m_nCount > unit.m_nMaxCount)) {
            Report(use, finding_code::kAddressOutOfRange,
                   CComposedMessage(
                       FormatMessage(cm::kCountOutOfRange, use.m_nCount, unit.m_nMaxCount))
                       .AddUsersText(unit.m_strName));
        } else if (std::int64_t{use.m_nAddress} + use.m_nCount - 1 > unit.m_nByteHigh) {
            Report(use, finding_code::kAddressOutOfRange,
                   CComposedMessage(FormatMessage(cm::kLastAddressOutOfRange, use.m_nAddress,
                                                  use.m_nCount, unit.m_nByteHigh))
                       .AddUsersText(unit.m_strName));
        }
    }

    void Report(const CAddressUse& use, const char* code, const CComposedMessage& message) {
        if (use.m_pElement)
            m_findings.AddElement(ESeverity::Error, code, *use.m_pElement, message);
        else
            m_findings.AddProjectWide(ESeverity::Error, code,
                                      CComposedMessage(use.m_strWhere).Add(message));
    }

    const CAppState& m_state;
    CFindingList& m_findings;
    std::int32_t m_nStationMin = 0;
    std::int32_t m_nStationMax = 0;
};

}  // namespace

void CheckAddresses(const std::vector<CAddressUse>& uses, const CAppState& state,
                    CFindingList& findings) {
    CAddressChecker checker(state, findings);
    for (const CAddressUse& use : uses) checker.Check(use);
}

}  // namespace tavelo
