#pragma once
// One model's manual laid out on pages: its Markdown as rich text in a Chinese face, with
// page breaks, ruled tables and a table of contents whose page numbers follow the layout.

#include <QFont>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <utility>
#include <vector>

namespace tavelo {

class CManualDocument {
public:
    // The face of the whole manual: Debian's fonts-arphic-uming, which covers GB2312.
    static constexpr const char* kFontFamily = "AR PL UMing CN";
    // Latin letters and digits come from this face when it is there (Debian's
    // fonts-dejavu-core); the Chinese face has only fixed-width ones.
    static constexpr const char* kLatinFontFamily = "DejaVu Sans";
    static constexpr double kFontPointSize = 10.5;
    static constexpr const char* kContentsTitle = "目录";

    // The manual's face at the given size.
    static QFont ManualFont(double pointSize);

    // markdown as CManualSource::ForModel gives it.
    explicit CManualDocument(const QString& markdown);

    // Lays the text out for the device on pages of pageSize device pixels and fills in the
    // contents' page numbers. Returns the number of pages.
    int Paginate(QPaintDevice& device, const QSizeF& pageSize);
    // Draws page (from 0) with the painter's origin at the page's top-left corner.
    void DrawPage(QPainter& painter, int page);

private:
    void ApplyPageBreaks();
    void InsertContents();
    void RuleTables(double dotsPerPoint);
    void SetContentsTabs(double dotsPerPoint);
    void Relayout();
    void NumberContents();

    QTextDocument m_document;
    // Each contents entry and the heading it names.
    std::vector<std::pair<QTextBlock, QTextBlock>> m_contents;
};

}  // namespace tavelo
