#include "FontDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

#include "PanelTexts.h"
#include "editor/QtText.h"
#include "editor/dialogs/DialogParts.h"
#include "elements/ElementTexts.h"

namespace tavelo {

CFontDialog::CFontDialog(const CFontDialogForm& form, QWidget* parent)
    : QDialog(parent), m_form(form), m_pFace(new QComboBox(this)), m_pSize(new QComboBox(this)) {
    setWindowTitle(ShownText(element_text::kFontDialogCaption));
    m_pFace->setObjectName(QStringLiteral("face"));
    m_pSize->setObjectName(QStringLiteral("size"));
    auto* layout = new QFormLayout(this);
    layout->addRow(ShownText(panel_text::kFace), m_pFace);
    layout->addRow(ShownText(panel_text::kSize), m_pSize);
    layout->addRow(MakeOkCancelButtons(*this));
    connect(m_pFace, &QComboBox::activated, this, [this](int position) {
        m_form.SelectFace(position);
        ShowValues();
    });
    connect(m_pSize, &QComboBox::activated, this, [this](int position) {
        m_form.SelectSize(position);
        ShowValues();
    });
    ShowValues();
}

CFontDialog* CFontDialog::Open(const CFontDialogForm& form, QWidget* parent, Closed closed) {
    auto* dialog = new CFontDialog(form, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(dialog, &QDialog::finished, dialog, [dialog, closed = std::move(closed)](int result) {
        closed(dialog->GetForm(), result == QDialog::Accepted);
    });
    dialog->show();
    return dialog;
}

void CFontDialog::ShowValues() {
    ShowChoices(*m_pFace, CFontDialogForm::GetFaceList(), m_form.GetFaceSelection());
    ShowChoices(*m_pSize, CFontDialogForm::GetSizeList(), m_form.GetSizeSelection());
}

}  // namespace tavelo
