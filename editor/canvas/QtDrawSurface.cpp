#include "QtDrawSurface.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "editor/QtText.h"
#include "render/FaceFamilies.h"

namespace tavelo {
namespace {

QColor ToQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Right and bottom edges excluded, as the rectangles of the element previews are meant.
QRect ToQRect(const CRect& rect) {
    const CRect r = rect.Normalized();
    return QRect(r.left, r.top, r.Width(), r.Height());
}

}  // namespace

void CQtDrawSurface::DrawFocusRect(const CRect& rect) {
    const QRect r = ToQRect(rect);
    if (r.width() < 1 || r.height() < 1) return;
    m_painter.save();
    // Dotted and inverting, so it shows on black and on white.
    m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    m_painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(r.adjusted(0, 0, -1, -1));
    m_painter.restore();
}

void CQtDrawSurface::DrawLine(CPoint from, CPoint to, const std::optional<CPenDesc>& pen) {
    if (!pen) return;
    m_painter.setPen(QPen(ToQColor(pen->m_nColour), std::max(1, pen->m_nWidthX)));
    m_painter.drawLine(from.x, from.y, to.x, to.y);
}

void CQtDrawSurface::DrawRectangle(const CRect& rect, const std::optional<CPenDesc>& pen,
                                   const std::optional<CBrushDesc>& brush) {
    const QRect r = ToQRect(rect);
    if (brush) m_painter.fillRect(r, ToQColor(brush->m_nColour));
    if (!pen) return;
    // The outline lies inside the frame: one one-pixel ring per unit of pen width.
    m_painter.setPen(QPen(ToQColor(pen->m_nColour), 1));
    m_painter.setBrush(Qt::NoBrush);
    const int width =
        std::clamp(pen->m_nWidthX, 1, std::max(1, std::min(r.width(), r.height()) / 2));
    for (int ring = 0; ring < width; ++ring)
        m_painter.drawRect(r.adjusted(ring, ring, -1 - ring, -1 - ring));
}

void CQtDrawSurface::FillRectangle(const CRect& rect, Colour colour) {
    m_painter.fillRect(ToQRect(rect), ToQColor(colour));
}

const QFont& CQtDrawSurface::FontFor(const CFontDesc& font) {
    const QString key =
        ToQString(font.m_strFaceName) + QLatin1Char('/') + QString::number(font.m_nHeight);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) {
        QFont qfont(ToQString(GetInstalledFamily(font.m_strFaceName)));
        const int height = std::max(1, font.m_nHeight);
        qfont.setPixelSize(height);
        qfont.setStyleStrategy(QFont::NoAntialias);
        // The height is the whole character cell, as the project means it, not the em size.
        const int cell = QFontMetrics(qfont).height();
        if (cell > height) qfont.setPixelSize(std::max(1, height * height / cell));
        it = m_fonts.insert(key, qfont);
    }
    return *it;
}

CSize CQtDrawSurface::MeasureText(const CFontDesc& font, const std::u16string& text) {
    const QFontMetrics metrics(FontFor(font));
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void CQtDrawSurface::DrawText(CPoint topLeft, const std::u16string& text, const CFontDesc& font,
                              Colour textColour, Colour backgroundColour) {
    const QFont& qfont = FontFor(font);
    const QFontMetrics metrics(qfont);
    const QString qtext = ToQString(text);
    m_painter.fillRect(topLeft.x, topLeft.y, metrics.horizontalAdvance(qtext), metrics.height(),
                       ToQColor(backgroundColour));
    m_painter.setPen(ToQColor(textColour));
    const QTransform transform = m_painter.worldTransform();
    if (transform.type() != QTransform::TxScale) {
        m_painter.setFont(qfont);
        m_painter.drawText(topLeft.x, topLeft.y + metrics.ascent(), qtext);
        return;
    }
    // Glyphs drawn through a scaling transform are filled as paths, many times slower than
    // the cached glyphs of a font of the scaled size drawn untransformed.
    QFont scaled = qfont;
    scaled.setPixelSize(std::max(1, qRound(qfont.pixelSize() * transform.m22())));
    const QPointF origin = transform.map(QPointF(topLeft.x, topLeft.y));
    m_painter.save();
    m_painter.resetTransform();
    m_painter.setFont(scaled);
    m_painter.drawText(QPointF(origin.x(), origin.y() + QFontMetrics(scaled).ascent()), qtext);
    m_painter.restore();
}

void CQtDrawSurface::DrawPicture(const CRect& rect, const CMonoPicture& picture, Colour ink,
                                 Colour paper) {
    if (picture.m_nWidth <= 0 || picture.m_nHeight <= 0) return;
    QImage image(picture.m_nWidth, picture.m_nHeight, QImage::Format_RGB32);
    const QRgb inkRgb = ToQColor(ink).rgb();
    const QRgb paperRgb = ToQColor(paper).rgb();
    for (int y = 0; y < picture.m_nHeight; ++y)
        for (int x = 0; x < picture.m_nWidth; ++x)
            image.setPixel(x, y, picture.IsDot(x, y) ? inkRgb : paperRgb);
    // Unsmoothed, so every dot stays a sharp block.
    m_painter.drawImage(ToQRect(rect), image);
}

}  // namespace tavelo
