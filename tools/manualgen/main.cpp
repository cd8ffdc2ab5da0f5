// tavelo-manualgen SOURCE DIRECTORY: prints the user manuals QLMA.pdf (ZORA) and QLMB.pdf
// (ZORB) into DIRECTORY from their one Markdown source. Needs a GUI application for fonts and
// the PDF painter; the build runs it on Qt's offscreen platform.
#include <QFontDatabase>
#include <QGuiApplication>
#include <iostream>

#include "ManualDocument.h"
#include "ManualPrinter.h"
#include "ManualSource.h"
#include "tools/common/CliProgram.h"

namespace {

// Without the face every Chinese character would print as an empty box, silently.
bool HasManualFont() {
    return QFontDatabase::hasFamily(QString::fromUtf8(tavelo::CManualDocument::kFontFamily));
}

void PrintManuals(const std::string& source, const std::filesystem::path& directory) {
    const auto manual = tavelo::CManualSource::Load(source);
    for (const tavelo::CManualModel& model : tavelo::kManualModels) {
        tavelo::CManualDocument document(manual.ForModel(model));
        const QString title = QStringLiteral("Tavelo 用户手册 %1").arg(model.m_pszName);
        tavelo::CManualPrinter::Write(document, title, directory / model.m_pszFileName);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication qtApp(argc, argv);
    CLI::App app("Prints the user manuals QLMA.pdf and QLMB.pdf from their Markdown source.",
                 "tavelo-manualgen");
    tavelo::tools::SetUpApp(app, TAVELO_VERSION);
    std::string source, directory;
    app.add_option("SOURCE", source, "the manuals' Markdown source")->required();
    app.add_option("DIRECTORY", directory, "where to write the PDF files")->required();
    int exitCode = 0;
    app.callback([&] {
        try {
            if (!HasManualFont())
                throw std::runtime_error(std::string("the Chinese face ") +
                                         tavelo::CManualDocument::kFontFamily +
                                         " is missing: install Debian's fonts-arphic-uming "
                                         "(scripts/setup)");
            PrintManuals(source, directory);
        } catch (const std::exception& error) {
            std::cerr << error.what() << "\n";
            exitCode = tavelo::tools::kExitFailed;
        }
    });
    return tavelo::tools::RunApp(app, {argv + 1, argv + argc}, std::cout, std::cerr, exitCode);
}
