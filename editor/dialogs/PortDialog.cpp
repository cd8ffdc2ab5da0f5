#include "PortDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "editor/QtText.h"
#include "plc/LinkMessages.h"
#include "plc/PortForm.h"

namespace tavelo {

CPortDialog::CPortDialog(CPortForm& form, QWidget* parent) : QDialog(parent), m_form(form) {
    setWindowTitle(ShownText(kPortDialogTitle));
    auto* prompt = new QLabel(ShownText(kPortPrompt), this);
    m_pPorts = new QComboBox(this);
    ShowChoices(*m_pPorts, CPortForm::GetPortTexts(), form.GetSelection());
    connect(m_pPorts, &QComboBox::activated, this,
            [&form](int position) { form.SelectPort(position); });

    auto* fields = new QFormLayout;
    fields->addRow(ShownText(kPortLabel), m_pPorts);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(fields);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CPortDialog::accept() {
    m_form.Ok();
    QDialog::accept();
}

}  // namespace tavelo
