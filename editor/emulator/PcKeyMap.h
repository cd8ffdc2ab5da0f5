#pragma once
// Which PC keys stand for the panel's keys in the simulation window: Esc, the arrows, Enter for
// ENT, S for SET, A for ALM, Backspace or Delete for CLR, the digits, + or - for +/-, and F1 to
// F12 for the keys of those numbers (the panel's F n is its key number n).

#include <QString>
#include <optional>

#include "emulator/PanelKey.h"

namespace tavelo {

// The panel key of a Qt key code, or none.
std::optional<EPanelKey> PanelKeyOfPcKey(int qtKey);
// The panel key's caption on its button ("ESC", "+/-") and its F number.
QString PanelKeyCaption(EPanelKey key);
// The tooltip: the key, its F number and the PC keys for it ("SET (F6) — 键盘: S, F6").
QString PanelKeyTip(EPanelKey key);

}  // namespace tavelo
