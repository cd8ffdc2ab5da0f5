// The English interface: every Chinese text of the code has its English one in tavelo_en.ts
// (or is listed in translation/untranslated.txt), composed messages are found through their
// pattern, and tavelo-cli's messages follow --lang and the locale.

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <map>
#include <set>

#include "support/BmpFiles.h"
#include "support/TempDir.h"
#include "translation/LanguageChoice.h"
#include "translation/ShownText.h"

using namespace tavelo;
using namespace tavelo::test;

namespace {

QString FromEnvironment(const char* variable, const char* name) {
    return qEnvironmentVariable(variable) + QLatin1Char('/') + QLatin1String(name);
}

QStringList ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

// Every string literal with a character beyond ASCII in the program's sources, outside
// comments, with where it first stands.
std::map<QString, QString> ChineseLiterals() {
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    static const QRegularExpression comment(
        QStringLiteral("^(?:[^\"]|\"(?:[^\"\\\\]|\\\\.)*\")*?//"));
    std::map<QString, QString> found;
    const QString root = qEnvironmentVariable("TAVELO_SOURCE_DIR") + QLatin1Char('/');
    // Every library's folder, new ones included; the programs in tools/ write English already.
    const QStringList notInterface = {QStringLiteral("tests"),    QStringLiteral("tools"),
                                      QStringLiteral("bench"),    QStringLiteral("fuzz"),
                                      QStringLiteral("examples"), QStringLiteral("data")};
    for (const QString& folder : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (notInterface.contains(folder) ||
            !QFile::exists(root + folder + QStringLiteral("/CMakeLists.txt")))
            continue;
        QDirIterator files(root + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next().mid(root.size());
            const QStringList lines = ReadLines(root + file);
            for (qsizetype n = 0; n < lines.size(); ++n) {
                const QRegularExpressionMatch open = comment.match(lines[n]);
                const QString code =
                    open.hasMatch() ? lines[n].left(open.capturedEnd() - 2) : lines[n];
                for (const auto& match : literal.globalMatch(code)) {
                    const QString text = match.captured(1);
                    if (std::any_of(text.begin(), text.end(),
                                    [](QChar c) { return c.unicode() > 127; }))
                        found.emplace(text, file + QLatin1Char(':') + QString::number(n + 1));
                }
            }
        }
    }
    return found;
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), ELanguage::kEnglish,
                                qEnvironmentVariable("TAVELO_BIN_DIR").toStdString()));
    }

    void everyInterfaceTextHasItsEnglishText() {
        std::set<QString> untranslated;
        for (const QString& line :
             ReadLines(FromEnvironment("TAVELO_SOURCE_DIR", "translation/untranslated.txt")))
            if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) untranslated.insert(line);
        const std::map<QString, QString> texts = ChineseLiterals();
        QVERIFY(texts.size() > 250);
        QString missing;
        for (const auto& [text, where] : texts) {
            if (untranslated.count(text)) continue;
            const QString english = QCoreApplication::translate(kTranslationContext, text.toUtf8());
            if (english == text ||
                english.count(QLatin1String("%d")) != text.count(QLatin1String("%d")))
                missing += QStringLiteral(
                               "%1: add to translation/tavelo_en.ts, same %d places in order:\n"
                               "    <message>\n        <source>%2</source>\n"
                               "        <translation>ENGLISH</translation>\n    </message>\n")
                               .arg(where, text.toHtmlEscaped());
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QLatin1Char('\n') + missing));
    }

    void composedMessagesAreTranslatedThroughTheirPattern_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("english");
        QTest::newRow("number") << u"画面号 5 已经存在！"_qs
                                << u"Screen number 5 already exists!"_qs;
        QTest::newRow("negative") << u"画面号 -3 超出范围(-1至999)！"_qs
                                  << u"Screen number -3 is out of range (-1 to 999)!"_qs;
        QTest::newRow("figures in the text itself")
            << u"单色位图超出192*64范围"_qs << u"The monochrome bitmap is larger than 192*64"_qs;
        QTest::newRow("too long for a number") << u"画面号 -99999999999999999999 已经存在！"_qs
                                               << u"画面号 -99999999999999999999 已经存在！"_qs;
        QTest::newRow("a user's text") << u"温度 25"_qs << u"温度 25"_qs;
        QTest::newRow("a PLC type name") << u"西门子S7-200"_qs << u"西门子S7-200"_qs;
    }

    void composedMessagesAreTranslatedThroughTheirPattern() {
        QFETCH(QString, shown);
        QFETCH(QString, english);
        QCOMPARE(ShownText(shown.toStdU16String()), english);
    }

    void theCommandLinesMessagesFollowTheChosenLanguage_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        const QString english = QStringLiteral("The monochrome bitmap is larger than 192*64");
        QTest::newRow("default") << QStringList{} << QString() << u"单色位图超出192*64范围"_qs;
        QTest::newRow("locale") << QStringList{} << QStringLiteral("en_US.UTF-8") << english;
        QTest::newRow("option") << QStringList{QStringLiteral("--lang"), QStringLiteral("en")}
                                << QString() << english;
        QTest::newRow("option over locale")
            << QStringList{QStringLiteral("--lang"), QStringLiteral("zh")}
            << QStringLiteral("en_GB.UTF-8") << u"单色位图超出192*64范围"_qs;
    }

    void theCommandLinesMessagesFollowTheChosenLanguage() {
        QFETCH(QStringList, options);
        QFETCH(QString, language);
        QFETCH(QString, message);
        CTempDir dir;
        BmpLayout wide;
        wide.width = 300;
        const Bytes bmp = MakeBmp(wide);
        std::ofstream(dir / "wide.bmp", std::ios::binary)
            .write(reinterpret_cast<const char*>(bmp.data()),
                   static_cast<std::streamsize>(bmp.size()));
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "TAVELO_DATA_DIR"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("LANG"),
                           language.isEmpty() ? QStringLiteral("C") : language);
        cli.setProcessEnvironment(environment);
        cli.start(FromEnvironment("TAVELO_BIN_DIR", "tavelo-cli"),
                  options + QStringList{QStringLiteral("bitmap"),
                                        QString::fromStdString((dir / "wide.bmp").string())});
        QVERIFY(cli.waitForFinished(30000));
        const QString errors = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(errors.contains(message), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(TranslationTest)
#include "TranslationTest.moc"
