#include "GlyphsCommand.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>

#include "model/TextCodec.h"
#include "plc/ProgramDirectory.h"
#include "render/GlyphLayout.h"
#include "render/GlyphListing.h"
#include "tools/common/CliProgram.h"
#include "tools/common/JsonOutput.h"

namespace tavelo::cli {

namespace {

struct CGlyphsOptions {
    std::string m_strText;
    std::optional<std::string> m_face;
    int m_nSize = 12;
    bool m_bJson = false;
};

std::string UnicodeName(char16_t character) {
    char name[8];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return name;
}

std::string SpacedHex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) text += (text.empty() ? "" : " ") + tools::Hex({byte});
    return text;
}

void WriteText(const CGlyphListing& listing, std::ostream& out) {
    for (const CGlyphRecord& record : listing.m_records) {
        out << ToUtf8(std::u16string(1, record.m_chCharacter)) << "  "
            << UnicodeName(record.m_chCharacter) << "  code " << SpacedHex(record.m_code)
            << (record.m_bMissing ? "  (missing: the panel fonts lack this character)" : "")
            << "\n    " << SpacedHex(record.m_glyph) << "\n";
        for (const std::string& row : DrawGlyph(record.m_glyph)) out << "    " << row << "\n";
    }
}

void WriteJson(const CGlyphListing& listing, const CGlyphsOptions& options, std::ostream& out) {
    tools::Json glyphs = tools::Json::array();
    for (const CGlyphRecord& record : listing.m_records)
        glyphs.push_back({{"character", ToUtf8(std::u16string(1, record.m_chCharacter))},
                          {"unicode", UnicodeName(record.m_chCharacter)},
                          {"code", tools::Hex(record.m_code)},
                          {"glyph", tools::Hex(record.m_glyph)},
                          {"missing", record.m_bMissing},
                          {"dots", DrawGlyph(record.m_glyph)}});
    tools::PrintJson(out, {{"text", options.m_strText},
                           {"face", options.m_face ? tools::Json(*options.m_face) : nullptr},
                           {"size", options.m_face ? tools::Json(options.m_nSize) : nullptr},
                           {"glyphs", std::move(glyphs)}});
}

int ShowGlyphs(const CGlyphsOptions& options, std::ostream& out, std::ostream& err) {
    std::optional<std::u16string> face;
    if (options.m_face) face = FromUtf8(*options.m_face);
    const CGlyphListing listing =
        ListGlyphs(FromUtf8(options.m_strText), face, options.m_nSize, GetProgramDirectory());
    if (!listing.m_strError.empty()) {
        err << "tavelo-cli glyphs: " << listing.m_strError << "\n";
        return tools::kExitFailed;
    }
    if (options.m_bJson)
        WriteJson(listing, options, out);
    else
        WriteText(listing, out);
    return 0;
}

}  // namespace

void AddGlyphsCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CGlyphsOptions>();
    CLI::App* command = app.add_subcommand(
        "glyphs",
        "show each character's code and glyph as the panel gets them (dot-matrix font, or a "
        "vector face with --face)");
    command->add_option("TEXT", options->m_strText, "the characters to show")->required();
    CLI::Option* face =
        command->add_option("--face", options->m_face, "a vector face, e.g. 宋体 or 楷体_GB2312");
    command->add_option("--size", options->m_nSize, "the vector glyph height in dots (default 12)")
        ->check(CLI::IsMember({12, 14, 16}))
        ->needs(face);
    command->add_flag("--json", options->m_bJson, "print JSON");
    command->callback(
        [options, &run] { run.m_nExitCode = ShowGlyphs(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
