#pragma once
// Lays report content out on A4 pages from top to bottom: headings, lines of text, tables whose
// rows start a new page when they do not fit, and LCD pictures; every page gets a foot with the
// title and its number.

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>
#include <vector>

namespace tavelo {

class CLcdFrame;

class CReportPages {
public:
    // Debian's fonts-arphic-uming covers GB2312, as the manuals' face does; DejaVu gives the
    // Latin letters when it is there.
    static constexpr const char* kFontFamily = "AR PL UMing CN";
    static constexpr const char* kLatinFontFamily = "DejaVu Sans";
    static constexpr int kDotsPerInch = 300;

    CReportPages(QPdfWriter& writer, QString title);

    void Heading(const QString& text, bool newPage = false);
    void Line(const QString& text);
    // Column widths are shares of the page width; cells too long for their column are cut
    // with an ellipsis.
    void Table(const QStringList& header, const std::vector<QStringList>& rows,
               const std::vector<double>& widths);
    // The frame dot for dot, each dot a square with a small gap, as the LCD shows it.
    void Lcd(const CLcdFrame& frame);
    // Writes the last page's foot; the painter ends.
    void Finish();

    int GetPageCount() const { return m_nPages; }

private:
    static QFont Font(double pointSize, bool bold = false);
    bool Fits(double height) const;
    void Room(double height);
    double RowHeight() const;
    void NewPage();
    void Foot();
    void Row(const QStringList& cells, const std::vector<double>& widths, bool bold);

    QPdfWriter& m_writer;
    QString m_strTitle;
    QPainter m_painter;
    double m_dY = 0;
    int m_nPages = 1;
};

}  // namespace tavelo
