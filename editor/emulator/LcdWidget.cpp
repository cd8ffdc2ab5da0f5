#include "LcdWidget.h"

#include <QPainter>

#include "emulator/LcdPng.h"

namespace tavelo {

namespace {

QColor ColourOf(const std::uint8_t (&rgb)[3]) { return QColor(rgb[0], rgb[1], rgb[2]); }

}  // namespace

CLcdWidget::CLcdWidget(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CLcdWidget::SetFrame(const CLcdFrame& frame) {
    m_frame = frame;
    update();
}

void CLcdWidget::SetScale(int scale) {
    m_nScale = std::clamp(scale, CLcdPng::kMinScale, CLcdPng::kMaxScale);
    updateGeometry();
    adjustSize();
    update();
}

QSize CLcdWidget::sizeHint() const {
    return {CLcdFrame::kWidth * m_nScale, CLcdFrame::kHeight * m_nScale};
}

void CLcdWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColourOf(CLcdPng::kBackground));
    const QColor dot = ColourOf(CLcdPng::kDot);
    for (int y = 0; y < CLcdFrame::kHeight; ++y)
        for (int x = 0; x < CLcdFrame::kWidth; ++x)
            if (m_frame.Get(x, y)) painter.fillRect(x * m_nScale, y * m_nScale, m_nScale, m_nScale, dot);
}

}  // namespace tavelo
