#include "ConsoleMessenger.h"

#include <cstdio>

namespace tavelo {

void CConsoleMessenger::Show(QWidget*, const QString& caption, const QString& text, EIcon) {
    std::fprintf(stderr, "tavelo: %s: %s\n", qPrintable(caption), qPrintable(text));
}

CMessenger::EAnswer CConsoleMessenger::AskYesNoCancel(QWidget* parent, const QString& caption,
                                                      const QString& text, EIcon icon) {
    Show(parent, caption, text, icon);
    return EAnswer::kNo;
}

}  // namespace tavelo
