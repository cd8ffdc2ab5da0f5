#include "DynamicTextTable.h"

#include <QHeaderView>
#include <QLineEdit>

#include "editor/QtText.h"
#include "elements/DynamicText.h"
#include "elements/ElementTexts.h"

namespace tavelo {
namespace {

constexpr int kNumberWidth = 40;
constexpr int kValueWidth = 72;
constexpr int kTextWidth = 184;
constexpr int kRowHeight = 20;

}  // namespace

CDynamicTextTable::CDynamicTextTable(QWidget* parent)
    : QTableWidget(static_cast<int>(CDynamicText::kTableRows), 3, parent),
      m_pEditBox(new QLineEdit(viewport())) {
    setObjectName(QStringLiteral("table"));
    m_pEditBox->setObjectName(QStringLiteral("cellEdit"));
    m_pEditBox->hide();
    setHorizontalHeaderLabels({ShownText(element_text::kColumnNumber),
                               ShownText(element_text::kColumnValue),
                               ShownText(element_text::kColumnText)});
    setColumnWidth(0, kNumberWidth);
    setColumnWidth(1, kValueWidth);
    setColumnWidth(2, kTextWidth);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setShowGrid(true);
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            setItem(row, column, new QTableWidgetItem);
    connect(this, &QTableWidget::cellClicked, this, &CDynamicTextTable::CellChosen);
    connect(m_pEditBox, &QLineEdit::textEdited, this, &CDynamicTextTable::EditBoxEdited);
    connect(m_pEditBox, &QLineEdit::returnPressed, this, &CDynamicTextTable::EditBoxClosed);
}

void CDynamicTextTable::ShowRows(const std::vector<CDynamicTextPanelForm::CRow>& rows) {
    for (int row = 0; row < rowCount(); ++row) {
        const auto index = static_cast<std::size_t>(row);
        const CDynamicTextPanelForm::CRow shown =
            index < rows.size() ? rows[index] : CDynamicTextPanelForm::CRow{};
        item(row, 0)->setText(ToQString(shown.m_strNumber));
        item(row, 1)->setText(ToQString(shown.m_strValue));
        item(row, 2)->setText(ToQString(shown.m_strText));
    }
}

void CDynamicTextTable::ShowEditBox(bool editing, int row, int column, const QString& text) {
    if (!editing) {
        m_pEditBox->hide();
        m_nEditRow = m_nEditColumn = -1;
        return;
    }
    const bool opens = m_pEditBox->isHidden() || row != m_nEditRow || column != m_nEditColumn;
    m_nEditRow = row;
    m_nEditColumn = column;
    if (m_pEditBox->text() != text) m_pEditBox->setText(text);
    if (!opens) return;
    PlaceEditBox();
    m_pEditBox->show();
    m_pEditBox->setFocus();
    m_pEditBox->end(false);
}

void CDynamicTextTable::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    if (!m_pEditBox->isHidden()) PlaceEditBox();
}

void CDynamicTextTable::PlaceEditBox() {
    m_pEditBox->setGeometry(visualRect(model()->index(m_nEditRow, m_nEditColumn)));
}

}  // namespace tavelo
