#include "DisplayTypeDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "DialogTexts.h"
#include "editor/QtText.h"
#include "model/DisplayTypeForm.h"

namespace tavelo {

CDisplayTypeDialog::CDisplayTypeDialog(CDisplayTypeForm& form, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ShownText(kDisplayTypeCaption));
    auto* group = new QGroupBox(ShownText(kDisplayTypeGroup), this);
    m_pZorA = new QRadioButton(ShownText(dialog_text::kZorA), group);
    m_pZorB = new QRadioButton(ShownText(dialog_text::kZorB), group);
    GetRadio(form.GetSelection()).setChecked(true);
    connect(m_pZorA, &QRadioButton::clicked, this, [&form] { form.Click(CAppState::kModelZorA); });
    connect(m_pZorB, &QRadioButton::clicked, this, [&form] { form.Click(CAppState::kModelZorB); });

    auto* radios = new QHBoxLayout(group);
    radios->addWidget(m_pZorA);
    radios->addWidget(m_pZorB);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QRadioButton& CDisplayTypeDialog::GetRadio(std::int32_t modelIndex) const {
    return modelIndex == CAppState::kModelZorB ? *m_pZorB : *m_pZorA;
}

}  // namespace tavelo
