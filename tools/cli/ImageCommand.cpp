#include "ImageCommand.h"

#include <memory>
#include <ostream>

#include "ProjectImage.h"
#include "compiler/GlyphCatalogue.h"
#include "compiler/ImageReader.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "model/TextCodec.h"
#include "plc/ProgramDirectory.h"
#include "tools/common/CliProgram.h"
#include "tools/common/JsonOutput.h"

namespace tavelo::cli {

namespace {

using tools::Json;

struct CImageOptions {
    std::string m_strFile;
    bool m_bJson = false;
};

void WriteRecord(const CImageRecord& record, const std::string& indent, std::ostream& out) {
    out << indent << record.m_strKind << " at " << record.m_nOffset << " (" << record.m_nSize
        << " bytes):";
    for (const CImageField& field : record.m_fields) {
        out << " " << field.m_strName << "=";
        if (field.m_strText)
            out << "\"" << ToUtf8(*field.m_strText) << "\"";
        else
            out << field.m_nValue;
    }
    out << "\n";
}

void WriteText(const CImageContents& contents, std::ostream& out) {
    out << contents.m_nSize << " bytes read, " << contents.m_nLength << " before the padding\n";
    WriteRecord(contents.m_header, "", out);
    WriteRecord(contents.m_systemBlock, "", out);
    out << "glyphs: " << contents.m_wideGlyphs.size() << " wide, " << contents.m_narrowGlyphs.size()
        << " narrow\n";
    for (const CImageScreen& screen : contents.m_screens) {
        WriteRecord(screen.m_entry, "", out);
        for (const auto* list : {&screen.m_elements, &screen.m_keyEntries, &screen.m_pollEntries})
            for (const CImageRecord& record : *list) WriteRecord(record, "  ", out);
    }
    for (const CImageRecord& alarm : contents.m_alarms) WriteRecord(alarm, "", out);
    if (!contents.m_strError.empty())
        out << "cannot be read further: " << contents.m_strError << "\n";
    out << contents.m_violations.size() << " violations\n";
    for (const CImageViolation& violation : contents.m_violations)
        out << "  at " << violation.m_nOffset << ": " << violation.m_strText << "\n";
}

Json RecordJson(const CImageRecord& record) {
    Json fields = Json::object();
    for (const CImageField& field : record.m_fields)
        fields[field.m_strName] =
            field.m_strText ? Json{{"bytes", field.m_nValue}, {"text", ToUtf8(*field.m_strText)}}
                            : Json(field.m_nValue);
    return {{"kind", record.m_strKind},
            {"offset", record.m_nOffset},
            {"size", record.m_nSize},
            {"fields", std::move(fields)}};
}

Json RecordsJson(const std::vector<CImageRecord>& records) {
    Json list = Json::array();
    for (const CImageRecord& record : records) list.push_back(RecordJson(record));
    return list;
}

void WriteJson(const CImageContents& contents, std::ostream& out) {
    Json screens = Json::array();
    for (const CImageScreen& screen : contents.m_screens)
        screens.push_back({{"entry", RecordJson(screen.m_entry)},
                           {"elements", RecordsJson(screen.m_elements)},
                           {"keyEntries", RecordsJson(screen.m_keyEntries)},
                           {"pollEntries", RecordsJson(screen.m_pollEntries)}});
    Json violations = Json::array();
    for (const CImageViolation& violation : contents.m_violations)
        violations.push_back({{"offset", violation.m_nOffset}, {"text", violation.m_strText}});
    tools::PrintJson(out, {{"size", contents.m_nSize},
                           {"length", contents.m_nLength},
                           {"header", RecordJson(contents.m_header)},
                           {"systemBlock", RecordJson(contents.m_systemBlock)},
                           {"wideGlyphCount", contents.m_wideGlyphs.size()},
                           {"narrowGlyphCount", contents.m_narrowGlyphs.size()},
                           {"screens", std::move(screens)},
                           {"alarms", RecordsJson(contents.m_alarms)},
                           {"error", contents.m_strError},
                           {"violations", std::move(violations)}});
}

int ShowImage(const CImageOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(options.m_strFile, kLargestImageFile);
    } catch (const CFileError& error) {
        err << "tavelo-cli image: " << error.what() << "\n";
        return tools::kExitFailed;
    }
    const CGlyphCatalogue glyphs = CGlyphCatalogue::Load(GetProgramDirectory());
    const CImageContents contents = CImageReader::Read(bytes, &glyphs);
    if (options.m_bJson)
        WriteJson(contents, out);
    else
        WriteText(contents, out);
    if (contents.IsConsistent()) return 0;
    err << "tavelo-cli image: " << options.m_strFile << ": " << contents.m_violations.size()
        << " violations" << (contents.m_strError.empty() ? "" : ", " + contents.m_strError) << "\n";
    return tools::kExitFailed;
}

}  // namespace

void AddImageCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CImageOptions>();
    CLI::App* command = app.add_subcommand(
        "image", "decode a download image and check it against its own structure");
    command->add_option("IMAGE", options->m_strFile, "a download image")->required();
    command->add_flag("--json", options->m_bJson, "print JSON");
    command->callback(
        [options, &run] { run.m_nExitCode = ShowImage(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
