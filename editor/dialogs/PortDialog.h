#pragma once
// The dialog "选择通信口": the PC serial port the download uses, COM1 to COM4 as the project
// stores them, then the machine's own serial ports with their descriptions; one of those is
// remembered outside the project.

#include <QDialog>

class QComboBox;

namespace tavelo {

class CPortForm;

class CPortDialog : public QDialog {
    Q_OBJECT

public:
    CPortDialog(CPortForm& form, QWidget* parent = nullptr);

    QComboBox& GetPortList() const { return *m_pPorts; }

    // "确定" stores the chosen port.
    void accept() override;

private:
    void AddMachinePorts();
    void Choose(int position);

    CPortForm& m_form;
    QComboBox* m_pPorts;
    int m_nComCount;
    // The machine's port chosen, or empty for the project's COM port.
    QString m_strDevice;
};

}  // namespace tavelo
