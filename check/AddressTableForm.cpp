#include "AddressTableForm.h"

#include <algorithm>
#include <numeric>

namespace tavelo {

namespace {

// The columns that hold one number each: station, address, bit, byte count.
constexpr std::size_t kNumberColumns[] = {0, 2, 3, 4};

std::int64_t NumberIn(const CAddressRow& row, std::size_t column) {
    switch (column) {
        case 0:
            return row.m_nStation;
        case 2:
            return row.m_nAddress;
        case 3:
            return row.m_nBit;
        default:
            return row.m_nByteCount;
    }
}

std::u16string Folded(std::u16string_view text) {
    std::u16string folded(text);
    for (char16_t& c : folded)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return folded;
}

}  // namespace

void CAddressTableForm::Load(const std::vector<CAddressRow>& rows) {
    m_rows = rows;
    m_cells.clear();
    for (const CAddressRow& row : m_rows) m_cells.push_back(AddressTableCells(row));
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
}

void CAddressTableForm::SetFilter(std::u16string text) {
    m_strFilter = Folded(text);
}

void CAddressTableForm::SortBy(std::size_t column, bool ascending) {
    if (column >= m_header.size()) return;
    const bool numeric = std::find(std::begin(kNumberColumns), std::end(kNumberColumns), column) !=
                         std::end(kNumberColumns);
    std::stable_sort(m_order.begin(), m_order.end(), [&](std::size_t a, std::size_t b) {
        if (!ascending) std::swap(a, b);
        return numeric ? NumberIn(m_rows[a], column) < NumberIn(m_rows[b], column)
                       : m_cells[a][column] < m_cells[b][column];
    });
}

bool CAddressTableForm::Matches(const std::vector<std::u16string>& cells) const {
    return m_strFilter.empty() ||
           std::any_of(cells.begin(), cells.end(), [this](const std::u16string& cell) {
               return Folded(cell).find(m_strFilter) != std::u16string::npos;
           });
}

std::vector<std::vector<std::u16string>> CAddressTableForm::GetVisibleRows() const {
    std::vector<std::vector<std::u16string>> visible;
    for (std::size_t index : m_order)
        if (Matches(m_cells[index])) visible.push_back(m_cells[index]);
    return visible;
}

}  // namespace tavelo
