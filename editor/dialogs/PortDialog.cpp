#include "PortDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSerialPortInfo>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "editor/QtText.h"
#include "editor/ViewSettings.h"
#include "plc/LinkMessages.h"
#include "plc/PortForm.h"

namespace tavelo {

CPortDialog::CPortDialog(CPortForm& form, QWidget* parent) : QDialog(parent), m_form(form) {
    setWindowTitle(ShownText(kPortDialogTitle));
    auto* prompt = new QLabel(ShownText(kPortPrompt), this);
    m_pPorts = new QComboBox(this);
    ShowChoices(*m_pPorts, CPortForm::GetPortTexts(), form.GetSelection());
    m_nComCount = m_pPorts->count();
    AddMachinePorts();
    connect(m_pPorts, &QComboBox::activated, this, &CPortDialog::Choose);

    auto* fields = new QFormLayout;
    fields->addRow(ShownText(kPortLabel), m_pPorts);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(fields);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CPortDialog::AddMachinePorts() {
    m_strDevice = CViewSettings::LoadPortDevice();
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        const QString text =
            port.description().isEmpty()
                ? port.portName()
                : QStringLiteral("%1 (%2)").arg(port.portName(), port.description());
        m_pPorts->addItem(text, port.systemLocation());
    }
    const int remembered = m_strDevice.isEmpty() ? -1 : m_pPorts->findData(m_strDevice);
    if (remembered >= 0)
        m_pPorts->setCurrentIndex(remembered);
    else
        m_strDevice.clear();
}

void CPortDialog::Choose(int position) {
    if (position < m_nComCount) {
        m_form.SelectPort(position);
        m_strDevice.clear();
    } else {
        m_strDevice = m_pPorts->itemData(position).toString();
    }
}

void CPortDialog::accept() {
    m_form.Ok();
    CViewSettings::StorePortDevice(m_strDevice);
    QDialog::accept();
}

}  // namespace tavelo
