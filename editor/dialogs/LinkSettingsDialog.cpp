#include "LinkSettingsDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "editor/QtText.h"
#include "plc/LinkMessages.h"

namespace tavelo {

namespace {

using SerialField = CLinkSettingsForm::SerialField;

struct SSerialControl {
    SerialField m_field;
    const char16_t* m_pszLabel;
    int m_nRow;
    int m_nColumn;
};
constexpr SSerialControl kSerialControls[] = {
    {SerialField::kBaud, kBaudLabel, 0, 0},
    {SerialField::kDataBits, kDataBitsLabel, 0, 2},
    {SerialField::kStopBits, kStopBitsLabel, 1, 0},
    {SerialField::kParity, kParityLabel, 1, 2},
};

std::size_t Index(SerialField field) {
    return static_cast<std::size_t>(field);
}

}  // namespace

CLinkSettingsDialog::CLinkSettingsDialog(CLinkSettingsForm& form, CMessenger& messenger,
                                         QWidget* parent)
    : QDialog(parent), m_form(form), m_messenger(messenger) {
    setWindowTitle(ShownText(kLinkDialogTitle));
    auto* caption = new QLabel(ShownText(kLinkCaption), this);
    m_pPlcTypes = new QComboBox(this);
    m_pPlcTypes->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* ok = new QPushButton(ShownText(kOkButtonText), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(ShownText(kCancelButtonText), this);
    m_pToggle = new QPushButton(this);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    m_pSerialPanel = MakeSerialPanel();

    connect(m_pPlcTypes, &QComboBox::activated, this, &CLinkSettingsDialog::SelectPlcType);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pToggle, &QPushButton::clicked, this, [this] {
        m_form.Toggle();
        Refresh();
    });

    auto* choice = new QFormLayout;
    choice->addRow(ShownText(kPlcTypeLabel), m_pPlcTypes);
    auto* left = new QVBoxLayout;
    left->addWidget(caption);
    left->addLayout(choice);
    left->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(m_pToggle);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(separator);
    layout->addWidget(m_pSerialPanel);
    // The dialog shrinks to end at the separator while the serial settings are hidden.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Refresh();
    if (!form.GetOpeningMessage().empty())
        ShowNotice(m_messenger, parent, form.GetOpeningMessage());
}

QWidget* CLinkSettingsDialog::MakeSerialPanel() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    for (const SSerialControl& control : kSerialControls) {
        auto* list = new QComboBox(panel);
        m_serialLists[Index(control.m_field)] = list;
        grid->addWidget(new QLabel(ShownText(control.m_pszLabel), panel), control.m_nRow,
                        control.m_nColumn);
        grid->addWidget(list, control.m_nRow, control.m_nColumn + 1);
        connect(list, &QComboBox::activated, this, [this, field = control.m_field](int position) {
            m_form.SelectSerial(field, position);
            Refresh();
        });
    }
    return panel;
}

QComboBox& CLinkSettingsDialog::GetSerialList(SerialField field) const {
    return *m_serialLists[Index(field)];
}

void CLinkSettingsDialog::accept() {
    m_form.Ok();
    QDialog::accept();
}

void CLinkSettingsDialog::reject() {
    m_form.Cancel();
    QDialog::reject();
}

void CLinkSettingsDialog::SelectPlcType(int position) {
    const std::u16string message = m_form.SelectPlcType(position);
    Refresh();
    if (!message.empty()) ShowNotice(m_messenger, this, message);
}

void CLinkSettingsDialog::Refresh() {
    ShowChoices(*m_pPlcTypes, m_form.GetPlcTypeNames(), m_form.GetPlcTypeSelection());
    for (const SSerialControl& control : kSerialControls)
        ShowChoices(GetSerialList(control.m_field),
                    CLinkSettingsForm::GetSerialTexts(control.m_field),
                    m_form.GetSerialSelection(control.m_field));
    m_pToggle->setText(ShownText(m_form.GetToggleText()));
    m_pSerialPanel->setVisible(m_form.IsExpanded());
}

}  // namespace tavelo
