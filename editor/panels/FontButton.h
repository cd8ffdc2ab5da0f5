#pragma once
// The "字体" button of the vector text panels: it opens the font dialog on the panel's font
// and hands the closed dialog back to the panel.

#include <functional>

#include "FontDialog.h"

class QPushButton;
class QWidget;

namespace tavelo {

QPushButton* MakeFontButton(QWidget& panel, std::function<CFontDialogForm()> open,
                            CFontDialog::Closed closed);

}  // namespace tavelo
