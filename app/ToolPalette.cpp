#include "ToolPalette.h"

#include <QGridLayout>
#include <QToolButton>

namespace tavelo {

CToolPalette::CToolPalette(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
}

void CToolPalette::AddButton(QAction* action) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    static_cast<QGridLayout*>(layout())->addWidget(button, m_nButtons / kColumns,
                                                   m_nButtons % kColumns);
    ++m_nButtons;
    adjustSize();
}

}  // namespace tavelo
