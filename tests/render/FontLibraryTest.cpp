#include <gtest/gtest.h>

#include <filesystem>

#include "render/FontLibrary.h"
#include "render/GlyphError.h"
#include "render/RenderMessages.h"
#include "support/ByteHelpers.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;

// Unifont's "A" and "温" as row bytes, then the column bytes the image carries for them.
Bytes GlyphHalf(const char* file, bool columns) {
    const Bytes both = test::TestDataBytes(std::string("render/") + file);
    const auto middle = both.begin() + static_cast<std::ptrdiff_t>(both.size() / 2);
    return columns ? Bytes(middle, both.end()) : Bytes(both.begin(), middle);
}
const Bytes kRowsA = GlyphHalf("glyph-A.bin", false);
const Bytes kColumnsA = GlyphHalf("glyph-A.bin", true);
const Bytes kRowsWen = GlyphHalf("glyph-wen.bin", false);
const Bytes kColumnsWen = GlyphHalf("glyph-wen.bin", true);

std::size_t HanziOffset(int lead, int trail) {
    return ((lead - 0xA1) * 94 + (trail - 0xA1)) * 32;
}

// Font files filled with a pattern no glyph of the tests has, plus the glyphs the tests read.
struct SFontDirectory {
    SFontDirectory() {
        Bytes ascii(CFontLibrary::kAsciiTableBytes, 0x5A);
        std::copy(kRowsA.begin(), kRowsA.end(), ascii.begin() + 'A' * 16);
        Bytes hanzi(CFontLibrary::kHanziTableBytes, 0x5A);
        std::copy(kRowsWen.begin(), kRowsWen.end(), hanzi.begin() + HanziOffset(0xCE, 0xC2));
        Write(kAsciiFontFileName, ascii);
        Write(kHanziFontFileName, hanzi);
    }

    void Write(const char* name, const Bytes& bytes) const {
        WriteFileAtomically(m_dir / name, bytes);
    }

    test::CTempDir m_dir;
};

Bytes WriteWide(const CFontLibrary& fonts) {
    Bytes out(fonts.GetWideCount() * 32);
    fonts.WriteWideGlyphs(out, out.size());
    return out;
}

class FontLibraryFiles : public testing::Test {
protected:
    SFontDirectory m_files;
    test::CTempDir& m_dir = m_files.m_dir;
    CFontLibrary m_fonts{m_dir.Path()};
};

TEST_F(FontLibraryFiles, CodesArePositionsInAscendingSets) {
    m_fonts.AddText(u"温度");  // all Chinese: the space is still narrow code 0
    EXPECT_EQ(m_fonts.GetNarrowCount(), 1u);
    EXPECT_EQ(m_fonts.GetCode(u' '), 0);
    m_fonts.AddText(u"BA温度报");
    m_fonts.AddText(u"BA温度报");  // a second time changes nothing
    EXPECT_EQ(m_fonts.GetNarrowCount(), 3u);
    EXPECT_EQ(m_fonts.GetWideCount(), 3u);
    // 度 U+5EA6 < 报 U+62A5 < 温 U+6E29: the third wide character is 0xF002.
    EXPECT_EQ(m_fonts.EncodeText(u"AB 度报温"),
              (std::vector<std::int32_t>{1, 2, 0, 0xF000, 0xF001, 0xF002}));
    EXPECT_EQ(m_fonts.GetCode(u'C'), CFontLibrary::kNotAdded);
    EXPECT_EQ(m_fonts.GetCode(u'中'), CFontLibrary::kNotAdded);
    EXPECT_EQ(CFontLibrary::GetByteLength(u"A温 度1"), 7u);
    m_fonts.Reset();
    EXPECT_EQ(m_fonts.GetNarrowCount() + m_fonts.GetWideCount(), 0u);
}

TEST_F(FontLibraryFiles, GlyphsAreTransposedIntoColumnBlocks) {
    m_fonts.AddText(u"A温");
    Bytes narrow(32);
    m_fonts.WriteNarrowGlyphs(narrow, narrow.size());
    // The space holds the filler: rows of 0x5A are columns of 0x00 and 0xFF.
    const Bytes filler = B({0, 0xFF, 0, 0xFF, 0xFF, 0, 0xFF, 0});
    EXPECT_EQ(Bytes(narrow.begin(), narrow.begin() + 16), test::Concat({filler, filler}));
    EXPECT_EQ(Bytes(narrow.begin() + 16, narrow.end()), kColumnsA);
    EXPECT_EQ(WriteWide(m_fonts), kColumnsWen);
}

TEST_F(FontLibraryFiles, CharactersWithoutAGb2312PositionGetTheAllFFGlyph) {
    // The wider code page puts 狜 at 0xAA40; its trail byte would point before its row.
    // ⅰ has a code page position that GB2312 leaves empty. € and a lone surrogate have none.
    for (char16_t character : {u'狜', u'ⅰ', u'€', char16_t(0xD800)}) {
        CFontLibrary fonts(m_dir.Path());
        fonts.AddText(std::u16string(1, character));
        EXPECT_EQ(WriteWide(fonts), Bytes(32, 0xFF)) << int(character);
    }
}

TEST_F(FontLibraryFiles, PunctuationOfTheDesktopCodePageFindsItsGb2312Place) {
    Bytes hanzi(CFontLibrary::kHanziTableBytes, 0);
    hanzi[HanziOffset(0xA1, 0xA4)] = 0x80;  // ·
    hanzi[HanziOffset(0xA1, 0xAA)] = 0x40;  // —
    m_files.Write(kHanziFontFileName, hanzi);
    m_fonts.AddText(u"·—");
    const Bytes wide = WriteWide(m_fonts);
    EXPECT_EQ(wide[0], 0x01);   // ·: column 0, row 0
    EXPECT_EQ(wide[33], 0x01);  // —: column 1, row 0
}

TEST_F(FontLibraryFiles, MissingOrShortFontFilesFailWithTheirMessage) {
    struct Case {
        const char* file;
        std::size_t keep;  // bytes left in the file; SIZE_MAX removes it
    };
    for (const Case& c : {Case{kAsciiFontFileName, SIZE_MAX}, Case{kHanziFontFileName, SIZE_MAX},
                          Case{kAsciiFontFileName, CFontLibrary::kAsciiTableBytes - 1},
                          Case{kHanziFontFileName, CFontLibrary::kHanziTableBytes - 32}}) {
        const SFontDirectory files;
        if (c.keep == SIZE_MAX)
            std::filesystem::remove(files.m_dir / c.file);
        else
            std::filesystem::resize_file(files.m_dir / c.file, c.keep);
        CFontLibrary fonts(files.m_dir.Path());
        fonts.AddText(u"温");
        Bytes out(32, 0xAA);
        const bool narrow = std::string(c.file) == kAsciiFontFileName;
        try {
            narrow ? fonts.WriteNarrowGlyphs(std::span(out).first(16), 16)
                   : fonts.WriteWideGlyphs(out, 32);
            ADD_FAILURE() << c.file << " kept " << c.keep;
        } catch (const CGlyphError& error) {
            EXPECT_EQ(error.GetMessage(), render_messages::kCannotOpenFontFile);
            EXPECT_NE(std::string(error.what()).find(c.file), std::string::npos);
        }
        EXPECT_EQ(out, Bytes(32, 0xAA)) << "nothing written from " << c.file;
    }
}

TEST_F(FontLibraryFiles, WritersRefuseAnAreaOfAnotherSizeBeforeWriting) {
    m_fonts.AddText(u"A温");
    Bytes out(64, 0xAA);
    EXPECT_THROW(m_fonts.WriteWideGlyphs(out, 64), CGlyphError);
    EXPECT_THROW(m_fonts.WriteNarrowGlyphs(std::span(out).first(16), 32), CGlyphError);
    EXPECT_THROW(m_fonts.WriteNarrowGlyphs(out, 16), CGlyphError);
    EXPECT_EQ(out, Bytes(64, 0xAA));
}

}  // namespace
}  // namespace tavelo
