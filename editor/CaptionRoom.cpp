#include "CaptionRoom.h"

#include <QFontMetrics>
#include <QLayout>
#include <QSpacerItem>
#include <QWidget>

namespace tavelo {

namespace {

// The window icon and the minimise, maximise and close buttons beside the caption, with the
// title bar's margins.
constexpr int kTitleBarButtons = 160;

}  // namespace

void ReserveCaptionRoom(QWidget& window) {
    if (!window.layout()) return;
    // Title bars commonly set the caption in bold.
    QFont font = window.font();
    font.setBold(true);
    const int room = QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarButtons;
    window.layout()->addItem(new QSpacerItem(room, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
}

}  // namespace tavelo
