#pragma once
// What the editor's address cross-reference dock shows: the table's cells under its titles,
// filtered by a text any cell may contain and sorted by a column, numbers by their value.

#include <cstddef>
#include <string>
#include <vector>

#include "AddressTable.h"

namespace tavelo {

class CAddressTableForm {
public:
    void Load(const std::vector<CAddressRow>& rows);

    // Rows with a cell that contains the text, letters in any case; all rows when it is empty.
    void SetFilter(std::u16string text);
    // A stable sort by the column; a column that is not there keeps the table's order.
    void SortBy(std::size_t column, bool ascending);

    const std::vector<std::u16string>& GetHeader() const { return m_header; }
    // The rows shown, in the order shown.
    std::vector<std::vector<std::u16string>> GetVisibleRows() const;

private:
    bool Matches(const std::vector<std::u16string>& cells) const;

    std::vector<std::u16string> m_header = AddressTableHeader();
    std::vector<CAddressRow> m_rows;
    std::vector<std::vector<std::u16string>> m_cells;
    std::vector<std::size_t> m_order;
    std::u16string m_strFilter;
};

}  // namespace tavelo
