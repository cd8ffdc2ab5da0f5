#pragma once
// How the editor shows its messages and asks its questions, so tests can read and answer them
// instead of facing a modal box.

#include <QString>

class QWidget;

namespace tavelo {

class CMessenger {
public:
    enum class EIcon { kInformation, kWarning, kStop };
    enum class EAnswer { kYes, kNo, kCancel };

    virtual ~CMessenger() = default;

    // A message with the button "确定".
    virtual void Show(QWidget* parent, const QString& caption, const QString& text, EIcon icon) = 0;
    // A question with the buttons 是, 否 and 取消; closing the box answers 取消.
    virtual EAnswer AskYesNoCancel(QWidget* parent, const QString& caption, const QString& text,
                                   EIcon icon) = 0;
};

}  // namespace tavelo
