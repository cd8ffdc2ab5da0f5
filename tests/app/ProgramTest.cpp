// The tavelo program from the outside: the screenshot option with and without a project, a
// damaged project named on the command line, Qt's own texts in Chinese and the language option.

#include <QFile>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QTest>
#include <fstream>

#include "editor/CanvasGeometry.h"
#include "support/TempDir.h"
#include "translation/LanguageChoice.h"

using namespace tavelo;
using namespace tavelo::test;

namespace {

QString Program(const char* name) {
    return qEnvironmentVariable("TAVELO_BIN_DIR") + QLatin1Char('/') + QLatin1String(name);
}

struct Run {
    int exitCode;
    QString errors;
};

Run RunProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) return {-1, QStringLiteral("timed out")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

    CTempDir dir;

    QString Path(const char* name) { return QString::fromStdString((dir / name).string()); }

private slots:
    void theScreenshotShowsTheOpenedProjectsCanvasWithoutADisplay() {
        QCOMPARE(RunProgram(Program("tavelo-demo-project"), {Path("demo.ZORX")}).exitCode, 0);
        const Run run = RunProgram(Program("tavelo"), {QStringLiteral("--screenshot"),
                                                       Path("window.png"), Path("demo.ZORX")});
        QCOMPARE(run.exitCode, 0);
        const QImage window(Path("window.png"));
        QVERIFY(window.width() >= kCanvasFrame.right);
        QVERIFY(window.height() > kCanvasFrame.bottom);
        // The open project's display is white; without one it would be the closed grey.
        int white = 0;
        for (int x = 300; x < 600; ++x)
            if (window.pixel(x, 200) == qRgb(255, 255, 255)) ++white;
        QVERIFY(white > 100);
    }

    void aDamagedProjectIsNamedAndTheProgramGoesOnWithoutOne() {
        std::ofstream(dir / "broken.ZORX") << "garbage";
        const Run run = RunProgram(Program("tavelo"), {QStringLiteral("--screenshot"),
                                                       Path("empty.png"), Path("broken.ZORX")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.errors.contains(QStringLiteral("broken.ZORX")), qPrintable(run.errors));
        QVERIFY(QImage(Path("empty.png")).width() > 0);
    }

    void qtsOwnTextsAreChineseWhereItsTranslationIsInstalled() {
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(folder + QStringLiteral("/qtbase_zh_CN.qm")))
            QSKIP("Qt's Chinese translation is not installed here");
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), ELanguage::kChinese, {}));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"取消"_qs);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), u"打开"_qs);
    }

    // The menus and panels differ between the languages; an unknown one is refused.
    void theLanguageOptionChoosesTheWindowsTexts() {
        const auto shot = [this](const char* language, const char* file) {
            return RunProgram(Program("tavelo"), {QStringLiteral("--lang"), QLatin1String(language),
                                                  QStringLiteral("--screenshot"), Path(file)});
        };
        QCOMPARE(shot("zh", "zh.png").exitCode, 0);
        QCOMPARE(shot("en", "en.png").exitCode, 0);
        QVERIFY(QImage(Path("zh.png")).width() > 0);
        QVERIFY(QImage(Path("zh.png")) != QImage(Path("en.png")));
        QCOMPARE(shot("fr", "fr.png").exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
