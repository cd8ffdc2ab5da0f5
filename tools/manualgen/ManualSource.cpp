#include "ManualSource.h"

#include <QRegularExpression>
#include <utility>

#include "model/FileBytes.h"
#include "tools/common/SourceError.h"

namespace tavelo {

namespace {

const QRegularExpression kModelMarker(QStringLiteral("^<!-- (/?)(ZOR\\w*) -->$"));
const QRegularExpression kHeadingStart(QStringLiteral("^( {0,3}#{1,6} +)"));
// Lines that open a list, quote, table, code block or numbered item: a page break mark in
// front of them would not start the block that follows.
const QRegularExpression kBlockStart(QStringLiteral("^( {4}|[|>*+-]|```|~~~|\\d+[.)])"));

// Chinese text and its punctuation (the curly quotes included, as Chinese text uses them);
// not the private-use marks.
bool IsWide(QChar c) {
    const char16_t code = c.unicode();
    if (code >= 0xE000 && code <= 0xF8FF) return false;
    return code >= 0x2E80 || (code >= 0x2018 && code <= 0x201D);
}

bool JoinsNextLine(const QString& line, const QString& next) {
    const QString trimmedNext = next.trimmed();
    return !line.isEmpty() && !trimmedNext.isEmpty() && IsWide(line.back()) &&
           IsWide(trimmedNext.front()) && !kHeadingStart.match(line).hasMatch() &&
           !line.trimmed().startsWith(u'|');
}

// Markdown turns a line break inside a paragraph into a blank, which Chinese text does not
// have between its characters: lines broken between two Chinese characters are joined.
QStringList JoinWideLines(const QStringList& lines) {
    QStringList joined;
    bool inCode = false;
    for (const QString& line : lines) {
        const bool fence = line.trimmed().startsWith(QLatin1String("```"));
        if (!inCode && !fence && !joined.isEmpty() && JoinsNextLine(joined.back(), line))
            joined.back() += line.trimmed();
        else
            joined << line;
        if (fence) inCode = !inCode;
    }
    return joined;
}

bool IsKnownModel(const QString& name) {
    for (const CManualModel& model : kManualModels)
        if (name == QLatin1String(model.m_pszName)) return true;
    return false;
}

}  // namespace

CManualSource::CManualSource(const QString& text, std::string fileName)
    : m_lines(text.split(u'\n')), m_strFileName(std::move(fileName)) {
    for (QString& line : m_lines)
        if (line.endsWith(u'\r')) line.chop(1);
}

CManualSource CManualSource::Load(const std::filesystem::path& file) {
    const auto bytes = ReadFileBytes(file, 4u << 20);
    return CManualSource(QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                                           static_cast<qsizetype>(bytes.size())),
                         file.filename().string());
}

QString CManualSource::ForModel(const CManualModel& model) const {
    const QString modelName = QLatin1String(model.m_pszName);
    QStringList out;
    QString openModel;  // the model whose block the line is in, empty outside any block
    int openLine = 0;
    int commentLine = 0;  // first line of an open comment spanning several lines, else 0
    int breakLine = 0;    // line of a page break waiting for its heading or paragraph, else 0
    for (int index = 0; index < m_lines.size(); ++index) {
        const int lineNo = index + 1;
        const QString trimmed = m_lines[index].trimmed();
        if (commentLine) {
            if (trimmed.endsWith(QLatin1String("-->"))) commentLine = 0;
            continue;
        }
        const bool skipped = !openModel.isEmpty() && openModel != modelName;
        if (trimmed.startsWith(QLatin1String("<!--"))) {
            if (!trimmed.endsWith(QLatin1String("-->"))) {
                commentLine = lineNo;
            } else if (const auto match = kModelMarker.match(trimmed); match.hasMatch()) {
                const QString name = match.captured(2);
                if (!IsKnownModel(name))
                    throw CSourceError(m_strFileName, lineNo,
                                       "unknown panel model " + name.toStdString());
                if (match.captured(1).isEmpty()) {
                    if (!openModel.isEmpty())
                        throw CSourceError(m_strFileName, lineNo,
                                           "model block inside the block opened on line " +
                                               std::to_string(openLine));
                    openModel = name;
                    openLine = lineNo;
                } else if (openModel != name) {
                    throw CSourceError(m_strFileName, lineNo,
                                       "closes a model block that is not open");
                } else {
                    openModel.clear();
                }
            } else if (!skipped && trimmed == QString::fromUtf8(kPageBreakMarker)) {
                breakLine = lineNo;
            } else if (!skipped && trimmed == QString::fromUtf8(kContentsMarker)) {
                const QString breakMark = breakLine ? QString(QChar(kPageBreakMark)) : QString();
                out << QString() << breakMark + QChar(kContentsMark) << QString();
                breakLine = 0;
            }
            continue;
        }
        if (skipped) continue;
        QString line = m_lines[index];
        line.replace(QString::fromUtf8(kModelPlaceholder), modelName);
        line.replace(QString::fromUtf8(kFilePlaceholder), QLatin1String(model.m_pszFileName));
        if (breakLine && !trimmed.isEmpty()) {
            if (const auto heading = kHeadingStart.match(line); heading.hasMatch())
                line.insert(heading.capturedLength(), QChar(kPageBreakMark));
            else if (kBlockStart.match(line).hasMatch())
                throw CSourceError(m_strFileName, breakLine,
                                   "a page break must be followed by a heading or a paragraph");
            else
                line.prepend(QChar(kPageBreakMark));
            breakLine = 0;
        }
        out << line;
    }
    if (commentLine) throw CSourceError(m_strFileName, commentLine, "comment is not closed");
    if (!openModel.isEmpty())
        throw CSourceError(m_strFileName, openLine, "model block is not closed");
    if (breakLine) throw CSourceError(m_strFileName, breakLine, "page break at the end");
    return JoinWideLines(out).join(u'\n');
}

}  // namespace tavelo
