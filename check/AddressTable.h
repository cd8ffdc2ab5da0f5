#pragma once
// The address cross-reference: one row per PLC address the project reads or writes, with
// everything that uses it, sorted by station, unit and address.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "AddressUses.h"

namespace tavelo {

struct CAddressRow {
    std::int32_t m_nStation = 0;
    std::int32_t m_nUnitType = 0;
    // The unit's name in the current PLC type; the type number when it has none.
    std::u16string m_strUnit;
    std::int32_t m_nAddress = 0;
    std::int32_t m_nBit = 0;
    // The largest byte count among the uses.
    std::int32_t m_nByteCount = 0;
    EAccess m_eAccess = EAccess::Read;
    // "画面 1 位于 (0, 16) 的寄存器", "报警列表", ... in project order.
    std::vector<std::u16string> m_users;
    // The screens among the users, ascending, each once.
    std::vector<std::int32_t> m_screens;
};

std::vector<CAddressRow> BuildAddressTable(const std::vector<CAddressUse>& uses,
                                           const CAppState& state);

// The column titles the tables and the CSV share.
std::vector<std::u16string> AddressTableHeader();
// The cell of the access ("读", "写", "读写"), the one system text among a row's cells.
inline constexpr std::size_t kAddressAccessColumn = 5;
// A row as the cells under those titles; users are joined by "；".
std::vector<std::u16string> AddressTableCells(const CAddressRow& row);

}  // namespace tavelo
