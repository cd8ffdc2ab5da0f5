#include "AlarmDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "DialogTexts.h"
#include "SpinButtonEdit.h"
#include "editor/QtText.h"
#include "model/SettingsMessages.h"

namespace tavelo {

namespace {

namespace st = settings_text;

constexpr int kListWidth = 360;
constexpr int kListHeight = 260;

void SetCell(QTableWidget& table, int row, int column, const std::u16string& text) {
    QTableWidgetItem* item = table.item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table.setItem(row, column, item);
    }
    item->setText(ToQString(text));
}

}  // namespace

// Widgets are made in the order they are laid out, which is also the focus order.
CAlarmDialog::CAlarmDialog(CAlarmListForm& form, CMessenger& messenger, QWidget* parent)
    : QDialog(parent), m_form(form), m_messenger(messenger) {
    setWindowTitle(ShownText(st::kAlarmCaption));
    form.Open();

    auto* address = new QHBoxLayout;
    address->addWidget(new QLabel(ShownText(dialog_text::kAlarmStation), this));
    address->addWidget(AddField(Field::kStation));
    address->addWidget(new QLabel(ShownText(dialog_text::kAlarmUnit), this));
    m_pUnits = new QComboBox(this);
    connect(m_pUnits, &QComboBox::activated, this, [this](int position) {
        m_form.SelectUnit(position);
        Refresh();
    });
    address->addWidget(m_pUnits);
    address->addWidget(new QLabel(ShownText(dialog_text::kAlarmAddress), this));
    address->addWidget(AddField(Field::kAddress));
    address->addWidget(AddField(Field::kBit));
    address->addStretch();
    MakeRowList();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(address);
    layout->addWidget(m_pRows);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Refresh();
}

CSpinButtonEdit* CAlarmDialog::AddField(Field field) {
    auto* edit = new CSpinButtonEdit(this);
    m_fields[Index(field)] = edit;
    connect(edit, &CSpinButtonEdit::TextEdited, this, [this, field](const QString& text) {
        m_form.SetFieldText(field, ToU16(text));
        Refresh();
    });
    return edit;
}

void CAlarmDialog::MakeRowList() {
    m_pRows = new QTableWidget(0, 2, this);
    m_pRows->setAccessibleName(ShownText(st::kAlarmCaption));
    m_pRows->setHorizontalHeaderLabels(
        {ShownText(st::kAlarmColumnNumber), ShownText(st::kAlarmColumnText)});
    m_pRows->horizontalHeader()->resizeSection(kNumberColumn, st::kAlarmNumberColumnWidth);
    m_pRows->horizontalHeader()->setStretchLastSection(true);
    m_pRows->verticalHeader()->hide();
    m_pRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pRows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pRows->setShowGrid(true);
    m_pRows->setFixedSize(kListWidth, kListHeight);
    connect(m_pRows, &QTableWidget::cellClicked, this, &CAlarmDialog::ClickCell);

    // A line edit takes input-method commits, so Chinese texts can be typed.
    m_pEditBox = new QLineEdit(m_pRows->viewport());
    m_pEditBox->hide();
    connect(m_pEditBox, &QLineEdit::textEdited, this, &CAlarmDialog::TypeText);
    connect(m_pEditBox, &QLineEdit::editingFinished, this, &CAlarmDialog::EndEdit);
    // The box belongs over its cell; scrolling moves the cell away.
    connect(m_pRows->verticalScrollBar(), &QScrollBar::valueChanged, this, &CAlarmDialog::EndEdit);
}

void CAlarmDialog::ClickCell(int row, int column) {
    if (column != kTextColumn) return;
    if (const std::optional<std::u16string> refusal = m_form.BeginEdit(row)) {
        ShowNotice(m_messenger, this, *refusal);
        return;
    }
    m_pEditBox->setGeometry(m_pRows->visualRect(m_pRows->model()->index(row, column)));
    m_pEditBox->setText(ToQString(m_form.GetEditText()));
    m_pEditBox->end(false);
    m_pEditBox->show();
    m_pEditBox->setFocus();
}

void CAlarmDialog::TypeText(const QString& text) {
    const std::optional<std::u16string> message = m_form.TypeText(ToU16(text));
    const int row = m_form.GetEditRow();
    // The box closes when the form ended the edit, and when emptying the text removed the
    // row under it: typing on would otherwise overwrite the text that moved up into its place.
    const auto& rows = m_form.GetRows();
    const bool rowStillThere =
        row >= 0 && static_cast<std::size_t>(row) < rows.size() &&
        rows[static_cast<std::size_t>(row)].m_strText == m_form.GetEditText();
    if (!rowStillThere) {
        EndEdit();
    } else if (m_pEditBox->text() != ToQString(m_form.GetEditText())) {
        m_pEditBox->setText(ToQString(m_form.GetEditText()));
    }
    ShowRows();
    if (message) ShowNotice(m_messenger, this, *message);
}

void CAlarmDialog::EndEdit() {
    m_form.EndEdit();
    m_pEditBox->hide();
}

void CAlarmDialog::accept() {
    EndEdit();
    m_form.Ok();
    QDialog::accept();
}

void CAlarmDialog::reject() {
    EndEdit();
    m_form.Cancel();
    QDialog::reject();
}

void CAlarmDialog::Refresh() {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const auto field = static_cast<Field>(i);
        m_fields[i]->SetText(ToQString(m_form.GetFieldText(field)));
        m_fields[i]->SetRange(m_form.GetSpinRange(field));
    }
    GetField(Field::kAddress).setEnabled(m_form.IsAddressEnabled());
    GetField(Field::kBit).setEnabled(m_form.IsBitEnabled());
    ShowChoices(*m_pUnits, m_form.GetUnitList(), m_form.GetUnitSelection());
    ShowRows();
}

void CAlarmDialog::ShowRows() {
    const std::vector<CAlarmListForm::CRow>& rows = m_form.GetRows();
    m_pRows->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SetCell(*m_pRows, static_cast<int>(i), kNumberColumn, rows[i].m_strLabel);
        SetCell(*m_pRows, static_cast<int>(i), kTextColumn, rows[i].m_strText);
    }
}

}  // namespace tavelo
