#include "ScreenDialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "DialogTexts.h"
#include "SpinButtonEdit.h"
#include "editor/QtText.h"
#include "model/ScreenCommands.h"

namespace tavelo {

CScreenDialog::CScreenDialog(const CTaveloDoc& doc, CMessenger& messenger,
                             std::int32_t currentScreen, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_messenger(messenger) {
    setWindowTitle(ToQString(dialog_text::kNewScreenCaption));
    const SNewScreenProposal proposal = ProposeNewScreen(currentScreen);
    m_pNumber = MakeScreenNumberField(proposal.m_nNumber, this);
    m_pDescription = new QLineEdit(ToQString(proposal.m_strDescription), this);

    auto* fields = new QFormLayout;
    fields->addRow(ToQString(dialog_text::kScreenNumber), m_pNumber);
    fields->addRow(ToQString(dialog_text::kScreenDescription), m_pDescription);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::u16string CScreenDialog::GetDescription() const {
    return ToU16(m_pDescription->text());
}

void CScreenDialog::accept() {
    const std::optional<std::int32_t> number = TakeFreeScreenNumber(m_doc, m_messenger, *m_pNumber);
    if (!number) return;
    m_nNumber = *number;
    QDialog::accept();
}

}  // namespace tavelo
