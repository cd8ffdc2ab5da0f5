#pragma once
// Room for a window's caption: a box narrower than its title bar's caption, window icon and
// buttons shows the caption elided, as short messages and the About box would.

class QWidget;

namespace tavelo {

// The window becomes at least as wide as its caption needs; call once its layout is complete.
void ReserveCaptionRoom(QWidget& window);

}  // namespace tavelo
