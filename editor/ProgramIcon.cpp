#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The picture is linked in from a static library, which registers it only when asked; the
// macro cannot stand inside a namespace.
static void RegisterProgramIcon() {
    Q_INIT_RESOURCE(ProgramIcon);
}

namespace tavelo {

QIcon ProgramIcon() {
    RegisterProgramIcon();
    QSvgRenderer picture(QStringLiteral(":/tavelo/tavelo.svg"));
    QIcon icon;
    if (!picture.isValid()) return icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        picture.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace tavelo
