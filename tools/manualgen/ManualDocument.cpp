#include "ManualDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <cmath>

#include "ManualSource.h"

namespace tavelo {

namespace {

// Chapters and their sections are listed in the contents; deeper headings are not.
constexpr int kContentsDepth = 2;
// Sections stand this far right of their chapters in the contents.
constexpr double kContentsIndentPt = 18;
// Stands for the page number until the layout is known; real numbers are never wider.
const QString kNumberPlaceholder = QStringLiteral("000");

}  // namespace

QFont CManualDocument::ManualFont(double pointSize) {
    QFont font;
    font.setFamilies({QString::fromUtf8(kLatinFontFamily), QString::fromUtf8(kFontFamily)});
    font.setPointSizeF(pointSize);
    return font;
}

CManualDocument::CManualDocument(const QString& markdown) {
    m_document.setDefaultFont(ManualFont(kFontPointSize));
    m_document.setDocumentMargin(0);
    m_document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    ApplyPageBreaks();
    InsertContents();
}

int CManualDocument::Paginate(QPaintDevice& device, const QSizeF& pageSize) {
    const double dotsPerPoint = device.logicalDpiY() / 72.0;
    m_document.documentLayout()->setPaintDevice(&device);
    // Whole pixels, so that the layout's page boundaries fall exactly on multiples of them.
    m_document.setPageSize({std::floor(pageSize.width()), std::floor(pageSize.height())});
    RuleTables(dotsPerPoint);
    SetContentsTabs(dotsPerPoint);
    Relayout();
    NumberContents();
    Relayout();
    return m_document.pageCount();
}

void CManualDocument::DrawPage(QPainter& painter, int page) {
    const QSizeF size = m_document.pageSize();
    painter.save();
    painter.translate(0, -page * size.height());
    m_document.drawContents(&painter, QRectF(QPointF(0, page * size.height()), size));
    painter.restore();
}

void CManualDocument::ApplyPageBreaks() {
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const int mark = block.text().indexOf(QChar(kPageBreakMark));
        if (mark < 0) continue;
        QTextCursor cursor(block);
        QTextBlockFormat format;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.mergeBlockFormat(format);
        cursor.setPosition(block.position() + mark);
        cursor.deleteChar();
    }
}

void CManualDocument::InsertContents() {
    QTextBlock place = m_document.begin();
    while (place.isValid() && place.text() != QString(QChar(kContentsMark))) place = place.next();
    if (!place.isValid()) return;

    std::vector<QTextBlock> headings;
    for (QTextBlock block = place.next(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level >= 1 && level <= kContentsDepth) headings.push_back(block);
    }

    QTextCursor cursor(place);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    QTextCharFormat titleFormat;
    titleFormat.setFontWeight(QFont::Bold);
    titleFormat.setFontPointSize(kFontPointSize * 1.6);
    QTextBlockFormat titleBlock;
    titleBlock.setBottomMargin(kFontPointSize);
    cursor.mergeBlockFormat(titleBlock);
    cursor.insertText(QString::fromUtf8(kContentsTitle), titleFormat);
    for (const QTextBlock& heading : headings) {
        const int level = heading.blockFormat().headingLevel();
        QTextBlockFormat entryBlock;
        entryBlock.setTopMargin(level == 1 ? kFontPointSize / 2 : 0);
        QTextCharFormat entryFormat;
        entryFormat.setFontWeight(level == 1 ? QFont::Bold : QFont::Normal);
        cursor.insertBlock(entryBlock, entryFormat);
        cursor.insertText(heading.text().trimmed() + u'\t' + kNumberPlaceholder);
        m_contents.emplace_back(cursor.block(), heading);
    }
}

void CManualDocument::RuleTables(double dotsPerPoint) {
    for (QTextFrame* frame : m_document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat format = table->format();
        format.setBorder(0.5 * dotsPerPoint);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(Qt::darkGray);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(1.5 * dotsPerPoint);
        format.setTopMargin(3 * dotsPerPoint);
        format.setBottomMargin(6 * dotsPerPoint);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        table->setFormat(format);
    }
}

void CManualDocument::SetContentsTabs(double dotsPerPoint) {
    const double width = m_document.pageSize().width();
    for (const auto& [entry, heading] : m_contents) {
        const double indent = (heading.blockFormat().headingLevel() - 1) * kContentsIndentPt;
        QTextBlockFormat format;
        format.setLeftMargin(indent * dotsPerPoint);
        // Tab stops are given in pixels of a 96 dpi screen, whatever the device. The stop lies
        // a little inside the line, so that the number is not pushed onto a line of its own.
        const double tab = (width - (indent + 1) * dotsPerPoint) / (dotsPerPoint * 72 / 96);
        format.setTabPositions({QTextOption::Tab(tab, QTextOption::RightTab)});
        QTextCursor(entry).mergeBlockFormat(format);
    }
}

void CManualDocument::Relayout() {
    // Edits after a layout leave the lazily laid-out blocks behind; lay out the whole text
    // again before it is measured or drawn.
    m_document.markContentsDirty(0, m_document.characterCount());
    m_document.pageCount();
}

void CManualDocument::NumberContents() {
    const double pageHeight = m_document.pageSize().height();
    QAbstractTextDocumentLayout* layout = m_document.documentLayout();
    for (const auto& [entry, heading] : m_contents) {
        const double top = layout->blockBoundingRect(heading).top();
        // The layout rounds positions to fractions of a pixel; a page starts within one.
        const int number = static_cast<int>(std::floor((top + 1) / pageHeight)) + 1;
        QTextCursor cursor(entry);
        cursor.setPosition(entry.position() + entry.text().lastIndexOf(u'\t') + 1);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(QString::number(number));
    }
}

}  // namespace tavelo
