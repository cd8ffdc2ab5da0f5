#include "ScreenNumberDialog.h"

#include <QVBoxLayout>

#include "DialogParts.h"
#include "SpinButtonEdit.h"
#include "editor/QtText.h"

namespace tavelo {

CScreenNumberDialog::CScreenNumberDialog(const CTaveloDoc& doc, CMessenger& messenger,
                                         const char16_t* caption, std::int32_t proposal,
                                         QWidget* parent)
    : QDialog(parent),
      m_doc(doc),
      m_messenger(messenger),
      m_pNumber(MakeScreenNumberField(proposal, this)) {
    setWindowTitle(ShownText(caption));
}

void CScreenNumberDialog::SetContents(QLayout* contents) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(contents);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CScreenNumberDialog::accept() {
    const std::optional<std::int32_t> number = TakeFreeScreenNumber(m_doc, m_messenger, *m_pNumber);
    if (!number) return;
    m_nNumber = *number;
    QDialog::accept();
}

}  // namespace tavelo
