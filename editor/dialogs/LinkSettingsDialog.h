#pragma once
// The dialog "PLC及通讯参数选择": the PLC type and, behind the toggle button, the serial
// settings of the panel-to-PLC link.

#include <QDialog>
#include <array>

#include "plc/LinkSettingsForm.h"

class QComboBox;
class QPushButton;

namespace tavelo {

class CMessenger;

class CLinkSettingsDialog : public QDialog {
    Q_OBJECT

public:
    using SerialField = CLinkSettingsForm::SerialField;

    // Shows the form's opening message, if any, before the dialog appears.
    CLinkSettingsDialog(CLinkSettingsForm& form, CMessenger& messenger, QWidget* parent = nullptr);

    QComboBox& GetPlcTypeList() const { return *m_pPlcTypes; }
    QComboBox& GetSerialList(SerialField field) const;
    QPushButton& GetToggleButton() const { return *m_pToggle; }

    void accept() override;
    void reject() override;

private:
    QWidget* MakeSerialPanel();
    void SelectPlcType(int position);
    void Refresh();

    CLinkSettingsForm& m_form;
    CMessenger& m_messenger;
    QComboBox* m_pPlcTypes;
    QPushButton* m_pToggle;
    QWidget* m_pSerialPanel;
    std::array<QComboBox*, 4> m_serialLists{};
};

}  // namespace tavelo
