#include "ManualPrinter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <span>

#include "model/FileBytes.h"

namespace tavelo {

namespace {

const QMarginsF kMarginsMm(20, 18, 20, 10);
constexpr double kFootHeightMm = 10;
constexpr double kFootPointSize = 8;

void DrawFoot(QPainter& painter, const QRectF& foot, const QString& text) {
    painter.setFont(CManualDocument::ManualFont(kFootPointSize));
    painter.setPen(Qt::darkGray);
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom, text);
}

}  // namespace

void CManualPrinter::Write(CManualDocument& document, const QString& title,
                           const std::filesystem::path& file) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(kMarginsMm, QPageLayout::Millimeter);
        writer.setResolution(kDotsPerInch);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("tavelo-manualgen"));

        const double footHeight = kFootHeightMm / 25.4 * kDotsPerInch;
        const QSizeF area(writer.width(), writer.height());
        const int pages = document.Paginate(writer, {area.width(), area.height() - footHeight});
        const QRectF foot(0, area.height() - footHeight, area.width(), footHeight);
        QPainter painter(&writer);
        for (int page = 0; page < pages; ++page) {
            if (page > 0) writer.newPage();
            document.DrawPage(painter, page);
            DrawFoot(painter, foot,
                     QStringLiteral("%1    %2 / %3").arg(title).arg(page + 1).arg(pages));
        }
    }
    const QByteArray& bytes = pdf.data();
    WriteFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size())));
}

}  // namespace tavelo
