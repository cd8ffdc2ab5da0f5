#pragma once
// The dialog "选择通信口": the PC serial port the download uses.

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
    CPortForm& m_form;
    QComboBox* m_pPorts;
};

}  // namespace tavelo
