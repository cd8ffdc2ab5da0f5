#include "BitmapCommand.h"

#include <memory>
#include <ostream>

#include "elements/BitmapImport.h"
#include "model/TextCodec.h"
#include "tools/common/CliProgram.h"
#include "tools/common/JsonOutput.h"
#include "translation/ShownText.h"

namespace tavelo::cli {

namespace {

struct CBitmapOptions {
    std::string m_strFile;
    bool m_bJson = false;
};

void WriteText(const CPanelBitmap& bitmap, const std::string& file, std::ostream& out) {
    out << file << ": " << bitmap.m_nPixelWidth << " x " << bitmap.m_nPixelHeight
        << " pixels, stored as " << bitmap.m_nWidth << " x " << bitmap.m_nHeight << " dots in "
        << bitmap.GetByteCount() << " bytes\n";
    out << "bits: " << ToUtf8(bitmap.GetBitsText()) << "\n";
    out << "panelBits: " << ToUtf8(bitmap.GetPanelBitsText()) << "\n";
}

// The keys are the member names under which a static bitmap stores these values.
void WriteJson(const CPanelBitmap& bitmap, const std::string& file, std::ostream& out) {
    tools::PrintJson(out, {{"file", file},
                           {"pixelWidth", bitmap.m_nPixelWidth},
                           {"pixelHeight", bitmap.m_nPixelHeight},
                           {"width", bitmap.m_nWidth},
                           {"height", bitmap.m_nHeight},
                           {"byteCount", bitmap.GetByteCount()},
                           {"panelBits", tools::JsonText(bitmap.GetPanelBitsText())},
                           {"bits", tools::JsonText(bitmap.GetBitsText())}});
}

int ShowImport(const CBitmapOptions& options, std::ostream& out, std::ostream& err) {
    const CBitmapImport import = CBitmapImport::FromFile(options.m_strFile);
    if (!import.m_bitmap) {
        err << "tavelo-cli bitmap: " << options.m_strFile << ": " << ShownUtf8(import.m_strMessage)
            << "\n";
        return tools::kExitFailed;
    }
    if (options.m_bJson)
        WriteJson(*import.m_bitmap, options.m_strFile, out);
    else
        WriteText(*import.m_bitmap, options.m_strFile, out);
    return 0;
}

}  // namespace

void AddBitmapCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CBitmapOptions>();
    CLI::App* command = app.add_subcommand(
        "bitmap", "show what placing FILE.bmp as a static bitmap would store, or why it cannot");
    command->add_option("FILE", options->m_strFile, "a BMP file")->required();
    command->add_flag("--json", options->m_bJson, "print JSON");
    command->callback(
        [options, &run] { run.m_nExitCode = ShowImport(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
