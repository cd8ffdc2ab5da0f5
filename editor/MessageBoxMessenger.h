#pragma once
// The messenger of the running program: modal message boxes.

#include "Messenger.h"

namespace tavelo {

class CMessageBoxMessenger : public CMessenger {
public:
    void Show(QWidget* parent, const QString& caption, const QString& text, EIcon icon) override;
    EAnswer AskYesNoCancel(QWidget* parent, const QString& caption, const QString& text,
                           EIcon icon) override;
};

}  // namespace tavelo
