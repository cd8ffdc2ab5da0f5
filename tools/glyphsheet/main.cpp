// tavelo-glyphsheet OUTPUT [--text TEXT]: draws the text's vector glyphs exactly as the
// download image carries them, in both panel faces at every panel size, enlarged into a PNG
// picture so a person can judge whether the panel will show them legibly.
#include <QImage>
#include <QString>
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "model/TextCodec.h"
#include "plc/ProgramDirectory.h"
#include "render/FaceFamilies.h"
#include "render/GlyphLayout.h"
#include "render/GlyphListing.h"
#include "tools/common/CliProgram.h"

namespace {

using Dots = std::vector<std::string>;  // rows of '#' (ink) and '.' (paper)

constexpr int kGlyphPitch = 7;  // pixels per panel dot, one of them the gap between dots
constexpr int kLabelPitch = 2;  // the labels are smaller and drawn without gaps
constexpr int kSpacing = 16;    // pixels between glyphs, rows and the margin
constexpr std::int32_t kSizes[] = {12, 14, 16};
const QRgb kBackground = qRgb(0xFF, 0xFF, 0xFF);
const QRgb kPaper = qRgb(0xE0, 0xE0, 0xE0);
const QRgb kInk = qRgb(0x00, 0x00, 0x00);

struct SSheetRow {
    Dots m_label;
    std::vector<Dots> m_glyphs;
};

std::vector<Dots> Drawings(const std::u16string& text, const std::optional<std::u16string>& face,
                           std::int32_t size) {
    const tavelo::CGlyphListing listing =
        tavelo::ListGlyphs(text, face, size, tavelo::GetProgramDirectory());
    if (!listing.m_strError.empty()) throw std::runtime_error(listing.m_strError);
    std::vector<Dots> drawings;
    for (const tavelo::CGlyphRecord& record : listing.m_records)
        drawings.push_back(tavelo::DrawGlyph(record.m_glyph));
    return drawings;
}

// The label in the panel's dot-matrix font, its glyphs side by side.
Dots Label(const std::u16string& text) {
    Dots label(tavelo::kGlyphRows);
    for (const Dots& glyph : Drawings(text, std::nullopt, 0))
        for (std::size_t y = 0; y < label.size(); ++y) label[y] += glyph[y];
    return label;
}

int Width(const Dots& dots) {
    return dots.empty() ? 0 : static_cast<int>(dots[0].size());
}

void Draw(QImage& image, const Dots& dots, int left, int top, int pitch, bool showPaper) {
    const int side = showPaper ? pitch - 1 : pitch;
    for (int y = 0; y < static_cast<int>(dots.size()); ++y)
        for (int x = 0; x < Width(dots); ++x) {
            const bool ink = dots[y][x] == '#';
            if (!ink && !showPaper) continue;
            for (int py = 0; py < side; ++py)
                for (int px = 0; px < side; ++px)
                    image.setPixel(left + x * pitch + px, top + y * pitch + py,
                                   ink ? kInk : kPaper);
        }
}

QImage DrawSheet(const std::vector<SSheetRow>& rows) {
    int labelWidth = 0;
    std::size_t glyphs = 0;
    for (const SSheetRow& row : rows) {
        labelWidth = std::max(labelWidth, Width(row.m_label) * kLabelPitch);
        glyphs = std::max(glyphs, row.m_glyphs.size());
    }
    const int glyphSide = tavelo::kWideGlyphColumns * kGlyphPitch;
    const int rowHeight = glyphSide + kSpacing;
    const int width =
        kSpacing + labelWidth + static_cast<int>(glyphs) * (kSpacing + glyphSide) + kSpacing;
    QImage image(width, kSpacing + static_cast<int>(rows.size()) * rowHeight, QImage::Format_RGB32);
    image.fill(kBackground);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int top = kSpacing + static_cast<int>(r) * rowHeight;
        const int labelTop = top + (glyphSide - tavelo::kGlyphRows * kLabelPitch) / 2;
        Draw(image, rows[r].m_label, kSpacing, labelTop, kLabelPitch, false);
        int left = kSpacing + labelWidth + kSpacing;
        for (const Dots& glyph : rows[r].m_glyphs) {
            Draw(image, glyph, left, top, kGlyphPitch, true);
            left += glyphSide + kSpacing;
        }
    }
    return image;
}

std::vector<SSheetRow> SheetRows(const std::u16string& text) {
    std::vector<SSheetRow> rows;
    for (const char16_t* face : {tavelo::kSongFaceName, tavelo::kKaiFaceName})
        for (std::int32_t size : kSizes) {
            const std::u16string label =
                std::u16string(face) + u" " + tavelo::FromUtf8(std::to_string(size));
            rows.push_back({Label(label), Drawings(text, std::u16string(face), size)});
        }
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app("Draws vector glyphs as the panel gets them into an enlarged PNG picture.",
                 "tavelo-glyphsheet");
    tavelo::tools::SetUpApp(app, TAVELO_VERSION);
    std::string output;
    std::string text = "温度报警";
    app.add_option("OUTPUT", output, "the PNG file to write")->required();
    app.add_option("--text", text, "the characters to draw (default 温度报警)");
    int exitCode = 0;
    app.callback([&] {
        try {
            const QImage sheet = DrawSheet(SheetRows(tavelo::FromUtf8(text)));
            if (!sheet.save(QString::fromStdString(output), "PNG"))
                throw std::runtime_error("cannot write " + output);
        } catch (const std::exception& error) {
            std::cerr << "tavelo-glyphsheet: " << error.what() << "\n";
            exitCode = tavelo::tools::kExitFailed;
        }
    });
    return tavelo::tools::RunApp(app, {argv + 1, argv + argc}, std::cout, std::cerr, exitCode);
}
