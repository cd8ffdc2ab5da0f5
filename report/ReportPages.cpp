#include "ReportPages.h"

#include <QFontMetricsF>

#include "emulator/LcdFrame.h"
#include "emulator/LcdPng.h"

namespace tavelo {

namespace {

constexpr double kTextPoints = 9;
constexpr double kHeadingPoints = 14;
constexpr double kFootPoints = 8;
// Dots of the printed LCD: each panel dot takes this many printer dots, less the gap.
constexpr double kLcdDot = 8;
constexpr double kLcdGap = 1;
constexpr double kCellPadding = 12;

QColor Rgb(const std::uint8_t (&rgb)[3]) {
    return QColor(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

CReportPages::CReportPages(QPdfWriter& writer, QString title)
    : m_writer(writer), m_strTitle(std::move(title)), m_painter(&writer) {}

QFont CReportPages::Font(double pointSize, bool bold) {
    QFont font;
    font.setFamilies({QString::fromUtf8(kLatinFontFamily), QString::fromUtf8(kFontFamily)});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void CReportPages::Foot() {
    m_painter.setFont(Font(kFootPoints));
    m_painter.setPen(Qt::darkGray);
    m_painter.drawText(QRectF(0, 0, m_writer.width(), m_writer.height()),
                       Qt::AlignHCenter | Qt::AlignBottom,
                       QStringLiteral("%1    %2").arg(m_strTitle).arg(m_nPages));
    m_painter.setPen(Qt::black);
}

void CReportPages::NewPage() {
    Foot();
    m_writer.newPage();
    ++m_nPages;
    m_dY = 0;
}

// The foot takes two lines at the bottom of every page.
bool CReportPages::Fits(double height) const {
    const double foot = 2 * QFontMetricsF(Font(kFootPoints), &m_writer).height();
    return m_dY == 0 || m_dY + height <= m_writer.height() - foot;
}

void CReportPages::Room(double height) {
    if (!Fits(height)) NewPage();
}

double CReportPages::RowHeight() const {
    return QFontMetricsF(Font(kTextPoints), &m_writer).height() * 1.4;
}

void CReportPages::Heading(const QString& text, bool newPage) {
    if (newPage && m_dY > 0) NewPage();
    const QFont font = Font(kHeadingPoints, true);
    const double height = QFontMetricsF(font, &m_writer).height() * 1.6;
    Room(height * 2);
    m_painter.setFont(font);
    m_painter.drawText(QRectF(0, m_dY, m_writer.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                       text);
    m_dY += height;
}

void CReportPages::Line(const QString& text) {
    const QFont font = Font(kTextPoints);
    const double height = QFontMetricsF(font, &m_writer).height() * 1.3;
    Room(height);
    m_painter.setFont(font);
    m_painter.drawText(QRectF(0, m_dY, m_writer.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                       text);
    m_dY += height;
}

void CReportPages::Row(const QStringList& cells, const std::vector<double>& widths, bool bold) {
    const QFont font = Font(kTextPoints, bold);
    const QFontMetricsF metrics(font, &m_writer);
    const double height = RowHeight();
    Room(height);
    m_painter.setFont(font);
    double x = 0;
    for (qsizetype i = 0; i < cells.size() && i < static_cast<qsizetype>(widths.size()); ++i) {
        const double width = widths[static_cast<std::size_t>(i)] * m_writer.width();
        const QRectF cell(x, m_dY, width, height);
        m_painter.drawRect(cell);
        m_painter.drawText(cell.adjusted(kCellPadding, 0, -kCellPadding, 0),
                           Qt::AlignLeft | Qt::AlignVCenter,
                           metrics.elidedText(cells[i], Qt::ElideRight, width - 2 * kCellPadding));
        x += width;
    }
    m_dY += height;
}

void CReportPages::Table(const QStringList& header, const std::vector<QStringList>& rows,
                         const std::vector<double>& widths) {
    Row(header, widths, true);
    for (const QStringList& row : rows) {
        // A row that opens a page repeats the header above it.
        if (!Fits(RowHeight())) {
            NewPage();
            Row(header, widths, true);
        }
        Row(row, widths, false);
    }
    m_dY += QFontMetricsF(Font(kTextPoints), &m_writer).height();
}

void CReportPages::Lcd(const CLcdFrame& frame) {
    const double width = CLcdFrame::kWidth * kLcdDot;
    const double height = CLcdFrame::kHeight * kLcdDot;
    Room(height + kLcdDot * 4);
    const QPointF origin(0, m_dY + kLcdDot);
    m_painter.fillRect(QRectF(origin.x() - kLcdDot, origin.y() - kLcdDot, width + 2 * kLcdDot,
                              height + 2 * kLcdDot),
                       Rgb(CLcdPng::kBackground));
    for (std::int32_t y = 0; y < CLcdFrame::kHeight; ++y)
        for (std::int32_t x = 0; x < CLcdFrame::kWidth; ++x)
            if (frame.Get(x, y))
                m_painter.fillRect(QRectF(origin.x() + x * kLcdDot, origin.y() + y * kLcdDot,
                                          kLcdDot - kLcdGap, kLcdDot - kLcdGap),
                                   Rgb(CLcdPng::kDot));
    m_dY += height + kLcdDot * 4;
}

void CReportPages::Finish() {
    Foot();
    m_painter.end();
}

}  // namespace tavelo
