#pragma once
// The panel's keypad as buttons laid out like the panel's: the function row (ESC, SET, ENT, ALM,
// CLR), the digits with +/- and the arrows; each button names its F number, and its tooltip the
// PC keys that press it. A button goes down and up as the key does, so momentary keys work.

#include <QWidget>
#include <map>

#include "emulator/PanelKey.h"

class QToolButton;

namespace tavelo {

class CPanelKeypad : public QWidget {
    Q_OBJECT
public:
    explicit CPanelKeypad(QWidget* parent = nullptr);

    QToolButton* GetButton(EPanelKey key) const { return m_buttons.at(key); }

signals:
    void KeyPressed(EPanelKey key);
    void KeyReleased(EPanelKey key);

private:
    std::map<EPanelKey, QToolButton*> m_buttons;
};

}  // namespace tavelo
