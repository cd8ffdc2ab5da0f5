#include "ScreenDialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "DialogTexts.h"
#include "SpinButtonEdit.h"
#include "editor/QtText.h"

namespace tavelo {

CScreenDialog::CScreenDialog(const CTaveloDoc& doc, CMessenger& messenger,
                             std::int32_t currentScreen, QWidget* parent)
    : CScreenDialog(doc, messenger, ProposeNewScreen(currentScreen), parent) {}

CScreenDialog::CScreenDialog(const CTaveloDoc& doc, CMessenger& messenger,
                             const SNewScreenProposal& proposal, QWidget* parent)
    : CScreenNumberDialog(doc, messenger, dialog_text::kNewScreenCaption, proposal.m_nNumber,
                          parent),
      m_pDescription(new QLineEdit(ToQString(proposal.m_strDescription), this)) {
    auto* fields = new QFormLayout;
    fields->addRow(ShownText(dialog_text::kScreenNumber), &GetNumberField());
    fields->addRow(ShownText(dialog_text::kScreenDescription), m_pDescription);
    SetContents(fields);
}

std::u16string CScreenDialog::GetDescription() const {
    return ToU16(m_pDescription->text());
}

}  // namespace tavelo
