#include "ProgramOptions.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "MainFrame.h"
#include "TaveloApp.h"
#include "editor/ProgramIcon.h"
#include "editor/TaveloView.h"
#include "model/TaveloDoc.h"
#include "plc/ProgramDirectory.h"
#include "translation/LanguageChoice.h"

namespace tavelo {
namespace {

// Without a display the screenshot is made on the offscreen platform, and help and version
// are printed there, as they need no window.
bool ShowsNoWindow(const QByteArray& argument) {
    return argument.startsWith("--screenshot") || argument.startsWith("--help") ||
           argument == "-h" || argument == "--version" || argument == "-v";
}

void ChoosePlatformForScreenshot(int argc, char* argv[]) {
    bool windowless = false;
    for (int i = 1; i < argc; ++i)
        if (ShowsNoWindow(argv[i])) windowless = true;
    if (windowless && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// For screenshots of a property panel.
void SelectElement(CTaveloView& view, int position) {
    CViewState& state = view.GetViewState();
    for (const auto& element : state.GetDoc().GetElements()) {
        if (element->m_nScreenNo != state.GetCurrentScreenNo() || --position > 0) continue;
        state.Select(element.get(), false);
        return;
    }
}

}  // namespace

int RunTavelo(int argc, char* argv[]) {
    ChoosePlatformForScreenshot(argc, argv);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tavelo"));
    QApplication::setApplicationName(QStringLiteral("Tavelo"));
    QApplication::setApplicationVersion(QStringLiteral(TAVELO_VERSION));
    QApplication::setWindowIcon(ProgramIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tavelo: screens for ZOR operator panels"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Write the main window to FILE.png after loading, then exit."),
        QStringLiteral("FILE.png"));
    parser.addOption(screenshot);
    const QCommandLineOption screen(QStringLiteral("screen"),
                                    QStringLiteral("Show screen N of the project first."),
                                    QStringLiteral("N"));
    parser.addOption(screen);
    const QCommandLineOption select(
        QStringLiteral("select"),
        QStringLiteral("Select element N of the shown screen (from 1, in drawing order)."),
        QStringLiteral("N"));
    parser.addOption(select);
    const QCommandLineOption comPrefix(
        QStringLiteral("com-prefix"),
        QStringLiteral("The devices COM1..COM4 stand for: PREFIX0..PREFIX3 (default /dev/ttyS)."),
        QStringLiteral("PREFIX"));
    parser.addOption(comPrefix);
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("The interface language: zh (Chinese) or en (English). By default "
                       "English when the locale's language is English, else Chinese."),
        QStringLiteral("LANG"));
    parser.addOption(lang);
    parser.addPositionalArgument(QStringLiteral("PROJECT"),
                                 QStringLiteral("A project file (.ZORX or .ZOR) to open."));
    // The language is set before help or a usage error is printed in it.
    parser.parse(QCoreApplication::arguments());
    const std::optional<ELanguage> language =
        parser.isSet(lang) ? ParseLanguage(parser.value(lang)) : LocaleLanguage();
    if (!language) {
        std::fprintf(stderr, "tavelo: --lang takes zh or en, not %s\n",
                     qPrintable(parser.value(lang)));
        return 2;
    }
    InstallLanguage(application, *language, GetProgramDirectory());
    parser.process(application);
    if (parser.positionalArguments().size() > 1) {
        std::fputs("tavelo: only one PROJECT may be given (see tavelo --help)\n", stderr);
        return 2;
    }

    CTaveloApp tavelo(GetProgramDirectory(), parser.isSet(screenshot));
    tavelo.Start(parser.positionalArguments().value(0));
    CTaveloView& view = tavelo.GetMainFrame().GetView();
    if (parser.isSet(comPrefix))
        view.m_downloadOptions.m_strComPrefix = parser.value(comPrefix).toStdString();
    if (parser.isSet(screen)) view.ChooseScreen(parser.value(screen).toInt());
    if (parser.isSet(select)) SelectElement(view, parser.value(select).toInt());
    if (!parser.isSet(screenshot)) return application.exec();

    const QString file = parser.value(screenshot);
    QApplication::processEvents();
    if (!tavelo.GetMainFrame().grab().save(file)) {
        std::fprintf(stderr, "tavelo: cannot write %s\n", qPrintable(file));
        return 1;
    }
    // The window is closed without the save question: nothing was edited.
    return 0;
}

}  // namespace tavelo
