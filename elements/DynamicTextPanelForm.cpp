#include "DynamicTextPanelForm.h"

#include <algorithm>
#include <limits>

#include "TextColumns.h"
#include "model/FieldText.h"

namespace tavelo {

namespace {

// A value cell read as a decimal integer: blanks, an optional sign and the digits that follow,
// anything else ending the number; no digits read as 0. Saturates at the int32 limits.
std::int64_t ReadValue(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        magnitude = std::min(magnitude * 10 + (c - u'0'), kLimit);
    }
    return negative ? -magnitude : std::min(magnitude, kLimit - 1);
}

// The search for the largest value starts here.
constexpr std::int64_t kLowestValue = -32768;

}  // namespace

CDynamicTextPanelForm::CDynamicTextPanelForm(const CAppState& state)
    : CElementPanelForm(state), m_address(state, CAddressFieldRules{}) {}

void CDynamicTextPanelForm::SetPositionText(Axis axis, std::u16string_view text) {
    m_position.SetText(axis, text);
    Apply();
}

void CDynamicTextPanelForm::SetAddressText(AddressField field, std::u16string_view text) {
    m_address.SetText(field, text);
    Apply();
}

void CDynamicTextPanelForm::SelectUnit(int position) {
    m_address.SelectUnit(position);
    Apply();
}

void CDynamicTextPanelForm::SetDoubleSize(bool checked) {
    if (!IsDoubleSizeShown()) return;
    m_bDoubleSize = checked;
    Apply();
}

void CDynamicTextPanelForm::SetInverse(bool checked) {
    m_bInverse = checked;
    Apply();
}

void CDynamicTextPanelForm::SetDecimal(bool decimal) {
    m_bDecimal = decimal;
    Apply();
}

std::size_t CDynamicTextPanelForm::FirstBlankRow() const {
    const auto blank = std::find_if(m_rows.begin(), m_rows.end(),
                                    [](const CRow& row) { return row.m_strValue.empty(); });
    return static_cast<std::size_t>(blank - m_rows.begin());
}

std::int64_t CDynamicTextPanelForm::NextFreeValue() const {
    std::int64_t largest = kLowestValue;
    for (const std::u16string& value : m_pElement->GetValueList())
        largest = std::max(largest, ReadValue(value));
    return largest + 1;
}

bool CDynamicTextPanelForm::BeginEdit(std::size_t row, Column column) {
    if (!m_pElement || column == Column::kNumber || row >= m_rows.size() || row > FirstBlankRow())
        return false;
    if (column == Column::kText && m_rows[row].m_strValue.empty())
        m_rows[row].m_strValue = FieldNumberText(NextFreeValue());
    m_bEditing = true;
    m_nEditRow = row;
    m_editColumn = column;
    return true;
}

std::u16string& CDynamicTextPanelForm::EditedCell() {
    CRow& row = m_rows[m_nEditRow];
    return m_editColumn == Column::kValue ? row.m_strValue : row.m_strText;
}

void CDynamicTextPanelForm::TypeInCell(std::u16string_view text) {
    if (!m_bEditing) return;
    const bool isText = m_editColumn == Column::kText;
    EditedCell() = isText ? CutToColumns(text, GetColumnLimit()) : std::u16string(text);
    Apply();
    if (!isText && text.empty()) {
        FillTable();
        EndEdit();
    }
}

std::int64_t CDynamicTextPanelForm::GetColumnLimit() const {
    return DotMatrixColumnLimit(m_bDoubleSize);
}

void CDynamicTextPanelForm::LoadFields() {
    m_position.Load(m_pElement->GetPosition());
    m_address.Load(m_pElement->GetAddress());
    m_bDoubleSize = m_pElement->GetDoubleSize() != 0;
    m_bInverse = m_pElement->GetInverse() != 0;
    m_bDecimal = m_pElement->IsDecimal();
    FillTable();
    EndEdit();
}

void CDynamicTextPanelForm::FillTable() {
    const std::vector<std::u16string>& values = m_pElement->GetValueList();
    const std::vector<std::u16string>& texts = m_pElement->GetTextList();
    const std::size_t paired = std::min(values.size(), texts.size());
    m_rows.clear();
    for (std::size_t i = 0; i < paired && m_rows.size() < CDynamicText::kTableRows; ++i)
        if (!values[i].empty())
            m_rows.push_back(
                {FieldNumberText(static_cast<std::int64_t>(m_rows.size())), values[i], texts[i]});
    m_rows.resize(CDynamicText::kTableRows);
}

bool CDynamicTextPanelForm::WriteElement() {
    const std::optional<CPoint> topLeft = m_position.GetCanvasTopLeft();
    if (!topLeft) return false;
    CRegisterUnit& address = m_pElement->GetAddress();
    const std::int32_t linearAddress = m_address.ApplyTo(address);
    std::vector<std::u16string>& values = m_pElement->GetValueList();
    std::vector<std::u16string>& texts = m_pElement->GetTextList();
    values.clear();
    texts.clear();
    for (const CRow& row : m_rows) {
        values.push_back(row.m_strValue);
        texts.push_back(CutToColumns(row.m_strText, GetColumnLimit()));
    }
    m_pElement->SetLinearAddress(linearAddress);
    m_pElement->SetPoint(CRectObj::ECorner::TopLeft, topLeft->x, topLeft->y);
    m_pElement->SetDoubleSize(m_bDoubleSize);
    m_pElement->SetInverse(m_bInverse);
    m_pElement->SetDecimal(m_bDecimal);
    m_pElement->SetSigned(m_bDecimal && m_pElement->IsSigned());
    WriteKindFields(*m_pElement);
    m_pElement->FindWidestText();
    return true;
}

}  // namespace tavelo
