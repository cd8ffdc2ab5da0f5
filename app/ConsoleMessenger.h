#pragma once
// The messenger of the screenshot mode, which runs without anyone to answer: messages go to
// standard error and questions are answered 否, so nothing is saved and nothing waits.

#include "editor/Messenger.h"

namespace tavelo {

class CConsoleMessenger : public CMessenger {
public:
    void Show(QWidget* parent, const QString& caption, const QString& text, EIcon icon) override;
    EAnswer AskYesNoCancel(QWidget* parent, const QString& caption, const QString& text,
                           EIcon icon) override;
};

}  // namespace tavelo
