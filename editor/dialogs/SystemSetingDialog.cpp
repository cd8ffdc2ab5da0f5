#include "SystemSetingDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "DialogTexts.h"
#include "SpinButtonEdit.h"
#include "editor/QtText.h"
#include "model/SettingsMessages.h"

namespace tavelo {

namespace {

namespace dt = dialog_text;

QLabel* MakeLabel(const char16_t* text, QWidget* parent) {
    return new QLabel(ShownText(text), parent);
}

// Controls that come and go keep their place, so the dialog does not jump while typing.
void KeepPlaceWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

}  // namespace

// Widgets are made in the order they are laid out, which is also the focus order.
CSystemSetingDialog::CSystemSetingDialog(CSystemSettingsForm& form, CMessenger& messenger,
                                         QWidget* parent)
    : QDialog(parent), m_form(form), m_messenger(messenger) {
    setWindowTitle(ShownText(settings_text::kSystemSettingsCaption));
    const std::optional<std::u16string> message = form.Open();
    BuildLayout();
    Refresh();
    ShowNoticeIfAny(m_messenger, parent, message);
}

void CSystemSetingDialog::BuildLayout() {
    auto* top = new QGridLayout;
    top->addWidget(MakeLabel(dt::kInitialScreen, this), 0, 0);
    top->addWidget(AddNumberField(Field::kInitialScreen), 0, 1);
    top->addWidget(MakeLabel(dt::kPassword, this), 0, 2);
    m_pPassword = new QLineEdit(this);
    m_pPassword->setMaxLength(static_cast<int>(CSystemSettings::kPasswordLength));
    connect(m_pPassword, &QLineEdit::textEdited, this, [this](const QString& text) {
        Handle(m_form.SetFieldText(Field::kPassword, ToU16(text)));
    });
    top->addWidget(m_pPassword, 0, 3);

    top->addWidget(MakeLabel(dt::kSaverTime, this), 1, 0);
    m_pSaverTimes = new QComboBox(this);
    connect(m_pSaverTimes, &QComboBox::activated, this,
            [this](int position) { Handle(m_form.SelectSaverTime(position)); });
    top->addWidget(m_pSaverTimes, 1, 1);
    m_pSaverShowScreen = new QRadioButton(ShownText(dt::kSaverShowScreen), this);
    connect(m_pSaverShowScreen, &QRadioButton::clicked, this,
            [this] { Handle(m_form.ClickSaverAction(CSystemSettings::kSaverShowScreen)); });
    top->addWidget(m_pSaverShowScreen, 2, 0);
    CSpinButtonEdit* saverScreen = AddNumberField(Field::kSaverScreen);
    KeepPlaceWhenHidden(*saverScreen);
    top->addWidget(saverScreen, 2, 1);
    m_pSaverBacklightOff = new QRadioButton(ShownText(dt::kSaverBacklightOff), this);
    connect(m_pSaverBacklightOff, &QRadioButton::clicked, this,
            [this] { Handle(m_form.ClickSaverAction(CSystemSettings::kSaverBacklightOff)); });
    top->addWidget(m_pSaverBacklightOff, 2, 2, 1, 2);

    top->addWidget(MakeLabel(dt::kPlcStation, this), 3, 0);
    top->addWidget(AddNumberField(Field::kStation), 3, 1);
    top->addWidget(MakeLabel(dt::kControlRegister, this), 4, 0);
    m_pUnits = new QComboBox(this);
    connect(m_pUnits, &QComboBox::activated, this,
            [this](int position) { Handle(m_form.SelectUnit(position)); });
    top->addWidget(m_pUnits, 4, 1);
    top->addWidget(AddNumberField(Field::kControlRegister), 4, 2, 1, 2);

    auto* functions = new QGridLayout;
    const std::array<const char16_t*, CSystemSettings::kFunctionCount> captions = {
        dt::kAutoChange, dt::kReportScreen, dt::kClock};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const auto function = static_cast<Function>(i);
        m_functions[i] = MakeFunctionRow(function, captions[i]);
        const int row = static_cast<int>(i);
        functions->addWidget(m_functions[i].m_pCheck, row, 0);
        functions->addWidget(m_functions[i].m_pDirection, row, 1);
        functions->addWidget(m_functions[i].m_pRegisterLabel, row, 2);
        functions->addWidget(m_functions[i].m_pRegisterText, row, 3);
    }
    m_pAnalog = new QCheckBox(ShownText(dt::kAnalog), this);
    functions->addWidget(m_pAnalog, static_cast<int>(captions.size()), 0);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(functions);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CSpinButtonEdit* CSystemSetingDialog::AddNumberField(Field field) {
    auto* edit = new CSpinButtonEdit(this);
    m_numberFields[Index(field)] = edit;
    connect(edit, &CSpinButtonEdit::TextEdited, this, [this, field](const QString& text) {
        Handle(m_form.SetFieldText(field, ToU16(text)));
    });
    return edit;
}

CSystemSetingDialog::SFunctionRow CSystemSetingDialog::MakeFunctionRow(Function function,
                                                                       const char16_t* caption) {
    SFunctionRow row;
    row.m_pCheck = new QCheckBox(ShownText(caption), this);
    connect(row.m_pCheck, &QCheckBox::clicked, this,
            [this, function] { Handle(m_form.ClickFunction(function)); });
    row.m_pDirection = new QLabel(this);
    row.m_pRegisterLabel = MakeLabel(dt::kRegisterFor, this);
    row.m_pRegisterText = new QLineEdit(this);
    row.m_pRegisterText->setReadOnly(true);
    KeepPlaceWhenHidden(*row.m_pRegisterLabel);
    KeepPlaceWhenHidden(*row.m_pRegisterText);
    return row;
}

QWidget& CSystemSetingDialog::GetField(Field field) const {
    if (field == Field::kPassword) return *m_pPassword;
    return *m_numberFields[Index(field)];
}

QString CSystemSetingDialog::GetFieldText(Field field) const {
    if (field == Field::kPassword) return m_pPassword->text();
    return m_numberFields[Index(field)]->text();
}

QCheckBox& CSystemSetingDialog::GetFunctionCheck(Function function) const {
    return *m_functions[function].m_pCheck;
}

QLineEdit& CSystemSetingDialog::GetRegisterText(Function function) const {
    return *m_functions[function].m_pRegisterText;
}

QLabel& CSystemSetingDialog::GetRegisterLabel(Function function) const {
    return *m_functions[function].m_pRegisterLabel;
}

QLabel& CSystemSetingDialog::GetDirectionLabel(Function function) const {
    return *m_functions[function].m_pDirection;
}

QRadioButton& CSystemSetingDialog::GetSaverActionRadio(std::int32_t action) const {
    return action == CSystemSettings::kSaverShowScreen ? *m_pSaverShowScreen
                                                       : *m_pSaverBacklightOff;
}

void CSystemSetingDialog::reject() {
    m_form.Cancel();
    QDialog::reject();
}

// The widgets show the state first, so a message box appears over up-to-date fields.
void CSystemSetingDialog::Handle(const std::optional<std::u16string>& message) {
    Refresh();
    ShowNoticeIfAny(m_messenger, this, message);
}

void CSystemSetingDialog::Refresh() {
    for (std::size_t i = 0; i < m_numberFields.size(); ++i) {
        CSpinButtonEdit* edit = m_numberFields[i];
        if (!edit) continue;
        const auto field = static_cast<Field>(i);
        edit->SetText(ToQString(m_form.GetFieldText(field)));
        edit->SetRange(m_form.GetSpinRange(field));
    }
    if (m_pPassword->text() != ToQString(m_form.GetFieldText(Field::kPassword)))
        m_pPassword->setText(ToQString(m_form.GetFieldText(Field::kPassword)));
    m_numberFields[Index(Field::kSaverScreen)]->setVisible(m_form.IsSaverScreenVisible());
    m_numberFields[Index(Field::kControlRegister)]->setEnabled(m_form.IsControlRegisterEnabled());
    m_numberFields[Index(Field::kStation)]->setEnabled(m_form.IsStationEnabled());
    m_pUnits->setEnabled(m_form.IsUnitListEnabled());
    ShowChoices(*m_pUnits, m_form.GetUnitList(), m_form.GetUnitSelection());
    ShowChoices(*m_pSaverTimes, m_form.GetSaverList(), m_form.GetSaverSelection());
    GetSaverActionRadio(m_form.GetSaverAction()).setChecked(true);
    for (std::size_t i = 0; i < m_functions.size(); ++i) ShowFunction(static_cast<Function>(i));
    m_pAnalog->setChecked(m_form.IsAnalogChecked());
    m_pAnalog->setEnabled(m_form.IsAnalogEnabled());
}

void CSystemSetingDialog::ShowFunction(Function function) {
    const SFunctionRow& row = m_functions[function];
    row.m_pCheck->setChecked(m_form.IsFunctionChecked(function));
    row.m_pDirection->setText(ShownText(m_form.GetDirectionLabel()));
    row.m_pDirection->setEnabled(m_form.IsDirectionLabelEnabled(function));
    row.m_pRegisterLabel->setVisible(m_form.IsRegisterLabelVisible(function));
    row.m_pRegisterText->setText(ToQString(m_form.GetRegisterText(function)));
    row.m_pRegisterText->setVisible(m_form.IsRegisterTextVisible(function));
    row.m_pRegisterText->setEnabled(m_form.IsRegisterTextEnabled(function));
}

}  // namespace tavelo
