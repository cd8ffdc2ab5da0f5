#pragma once
// The system settings dialog "设置ZOR": initial screen, password, screen saver and the control
// registers of the automatic screen change, the current-screen report and the clock.

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "model/SystemSettingsForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tavelo {

class CMessenger;
class CSpinButtonEdit;

class CSystemSetingDialog : public QDialog {
    Q_OBJECT

public:
    using Field = CSystemSettingsForm::Field;
    using Function = CSystemSettingsForm::Function;

    // Opens the form and shows its message, if any.
    CSystemSetingDialog(CSystemSettingsForm& form, CMessenger& messenger,
                        QWidget* parent = nullptr);

    // The field the user types into, and the text it shows.
    QWidget& GetField(Field field) const;
    QString GetFieldText(Field field) const;
    QCheckBox& GetFunctionCheck(Function function) const;
    QLineEdit& GetRegisterText(Function function) const;
    QLabel& GetRegisterLabel(Function function) const;
    QLabel& GetDirectionLabel(Function function) const;
    QCheckBox& GetAnalogCheck() const { return *m_pAnalog; }
    QRadioButton& GetSaverActionRadio(std::int32_t action) const;
    QComboBox& GetUnitList() const { return *m_pUnits; }
    QComboBox& GetSaverList() const { return *m_pSaverTimes; }

    // "取消" puts the settings back; "确定" has nothing left to do, every edit applied at once.
    void reject() override;

private:
    struct SFunctionRow {
        QCheckBox* m_pCheck = nullptr;
        QLabel* m_pDirection = nullptr;
        QLabel* m_pRegisterLabel = nullptr;
        QLineEdit* m_pRegisterText = nullptr;
    };

    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }

    CSpinButtonEdit* AddNumberField(Field field);
    SFunctionRow MakeFunctionRow(Function function, const char16_t* caption);
    void BuildLayout();
    void Handle(const std::optional<std::u16string>& message);
    void Refresh();
    void ShowFunction(Function function);

    CSystemSettingsForm& m_form;
    CMessenger& m_messenger;
    // Indexed by Field; the password is a plain field without spin buttons.
    std::array<CSpinButtonEdit*, CSystemSettingsForm::kFieldCount> m_numberFields{};
    QLineEdit* m_pPassword = nullptr;
    QComboBox* m_pSaverTimes = nullptr;
    QRadioButton* m_pSaverShowScreen = nullptr;
    QRadioButton* m_pSaverBacklightOff = nullptr;
    QComboBox* m_pUnits = nullptr;
    std::array<SFunctionRow, CSystemSettings::kFunctionCount> m_functions;
    QCheckBox* m_pAnalog = nullptr;
};

}  // namespace tavelo
