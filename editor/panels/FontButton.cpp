#include "FontButton.h"

#include <QPushButton>

#include "PanelTexts.h"
#include "editor/QtText.h"

namespace tavelo {

QPushButton* MakeFontButton(QWidget& panel, std::function<CFontDialogForm()> open,
                            CFontDialog::Closed closed) {
    auto* button = new QPushButton(ShownText(panel_text::kFontButton), &panel);
    button->setObjectName(QStringLiteral("font"));
    // A panel has no default button: Enter must do nothing.
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &panel,
                     [&panel, open = std::move(open), closed = std::move(closed)] {
                         CFontDialog::Open(open(), &panel, closed);
                     });
    return button;
}

}  // namespace tavelo
