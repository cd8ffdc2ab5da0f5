#include "AddressTable.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "CheckMessages.h"
#include "ElementNames.h"
#include "model/GraphObj.h"
#include "model/RegUnitConfig.h"
#include "model/TextCodec.h"
#include "model/TextFormat.h"

namespace tavelo {

namespace {

using Key = std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t>;

std::u16string Number(std::int64_t value) {
    return FormatMessage(u"%d", value);
}

}  // namespace

std::vector<CAddressRow> BuildAddressTable(const std::vector<CAddressUse>& uses,
                                           const CAppState& state) {
    std::map<Key, CAddressRow> rows;
    for (const CAddressUse& use : uses) {
        CAddressRow& row = rows[Key{use.m_nStation, use.m_nUnitType, use.m_nAddress, use.m_nBit}];
        if (row.m_users.empty()) {
            row.m_nStation = use.m_nStation;
            row.m_nUnitType = use.m_nUnitType;
            const CRegUnitConfig* unit = FindUnitByType(state, use.m_nUnitType);
            row.m_strUnit = unit ? unit->m_strName : Number(use.m_nUnitType);
            row.m_nAddress = use.m_nAddress;
            row.m_nBit = use.m_nBit;
            row.m_eAccess = use.m_eAccess;
        }
        row.m_nByteCount = std::max(row.m_nByteCount, use.m_nByteCount);
        row.m_eAccess =
            static_cast<EAccess>(static_cast<int>(row.m_eAccess) | static_cast<int>(use.m_eAccess));
        row.m_users.push_back(use.m_pElement ? DescribeElement(*use.m_pElement).Joined()
                                             : use.m_strWhere);
        if (use.m_pElement) {
            const std::int32_t screen = use.m_pElement->m_nScreenNo;
            const auto place = std::lower_bound(row.m_screens.begin(), row.m_screens.end(), screen);
            if (place == row.m_screens.end() || *place != screen)
                row.m_screens.insert(place, screen);
        }
    }
    std::vector<CAddressRow> table;
    for (auto& [key, row] : rows) table.push_back(std::move(row));
    return table;
}

std::vector<std::u16string> AddressTableHeader() {
    return {std::begin(check_messages::kAddressColumns), std::end(check_messages::kAddressColumns)};
}

std::vector<std::u16string> AddressTableCells(const CAddressRow& row) {
    std::u16string screens, users;
    for (std::int32_t screen : row.m_screens)
        screens += (screens.empty() ? u"" : u" ") + Number(screen);
    for (const std::u16string& user : row.m_users) users += (users.empty() ? u"" : u"；") + user;
    return {Number(row.m_nStation),
            row.m_strUnit,
            Number(row.m_nAddress),
            Number(row.m_nBit),
            Number(row.m_nByteCount),
            AccessName(row.m_eAccess),
            screens,
            users};
}

}  // namespace tavelo
