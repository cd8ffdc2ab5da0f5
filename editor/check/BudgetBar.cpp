#include "BudgetBar.h"

#include <QPainter>
#include <array>

#include "editor/QtText.h"
#include "model/TextFormat.h"
#include "translation/ShownText.h"

namespace tavelo {

namespace {

constexpr std::array<QRgb, 5> kAreaColours = {0x4E79A7, 0xF28E2B, 0x59A14F, 0xE15759, 0x9C9C9C};
constexpr int kBarHeight = 18;

}  // namespace

CBudgetBar::CBudgetBar(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(kBarHeight);
}

void CBudgetBar::SetAreas(std::vector<CBudgetArea> areas, std::size_t capacity) {
    m_areas = std::move(areas);
    m_nCapacity = std::max<std::size_t>(capacity, 1);
    QString tip;
    for (const CBudgetArea& area : m_areas)
        tip += ShownText(area.m_strName) + ToQString(FormatMessage(u": %d\n", area.m_nBytes));
    setToolTip(tip.trimmed());
    update();
}

QSize CBudgetBar::sizeHint() const {
    return {200, kBarHeight};
}

void CBudgetBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(frame, palette().base());
    double x = frame.left();
    for (std::size_t i = 0; i < m_areas.size(); ++i) {
        const double width = static_cast<double>(frame.width()) *
                             static_cast<double>(m_areas[i].m_nBytes) /
                             static_cast<double>(m_nCapacity);
        const QRectF segment(x, frame.top(), std::min(width, frame.right() - x), frame.height());
        painter.fillRect(segment, QColor(kAreaColours[i % kAreaColours.size()]));
        if (segment.width() > 30)
            painter.drawText(segment, Qt::AlignCenter, ShownText(m_areas[i].m_strName));
        x += width;
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
}

}  // namespace tavelo
