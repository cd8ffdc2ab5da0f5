#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DeliveredFiles.h"
#include "render/FaceFamilies.h"
#include "render/FontLibrary.h"
#include "render/GlyphLayout.h"
#include "render/GlyphListing.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
using Drawing = std::vector<std::string>;

const Drawing kBlank(16, std::string(16, '.'));

CGlyphListing List(std::u16string_view text, std::optional<std::u16string> face = {},
                   std::int32_t size = 16) {
    CGlyphListing listing = ListGlyphs(text, face, size, test::DeliveredDirectory());
    EXPECT_EQ(listing.m_strError, "");
    EXPECT_EQ(listing.m_records.size(), text.size());
    return listing;
}

TEST(DeliveredFonts, FilesHoldCompleteTables) {
    const auto dir = test::DeliveredDirectory();
    EXPECT_EQ(std::filesystem::file_size(dir / kAsciiFontFileName), CFontLibrary::kAsciiTableBytes);
    EXPECT_EQ(std::filesystem::file_size(dir / kHanziFontFileName), CFontLibrary::kHanziTableBytes);
    // 0xA2A1 is empty in GB2312 (the wider code page puts "ⅰ" there): a blank glyph.
    std::ifstream hanzi(dir / kHanziFontFileName, std::ios::binary);
    hanzi.seekg((1 * 94 + 0) * 32);
    Bytes glyph(32, 0xAA);
    hanzi.read(reinterpret_cast<char*>(glyph.data()), 32);
    EXPECT_EQ(glyph, Bytes(32, 0));
}

TEST(DeliveredFonts, GlyphsOfALetterAHanziAndANarrowSymbol) {
    const CGlyphListing listing = List(u"A温α€");
    const auto& r = listing.m_records;
    EXPECT_EQ(r[0].m_code, B({1}));  // after the space
    EXPECT_EQ(r[0].m_glyph, B({0x00, 0x80, 0x60, 0x10, 0x10, 0x60, 0x80, 0x00, 0x00, 0x3F, 0x02,
                               0x02, 0x02, 0x02, 0x3F, 0x00}));
    // Wide order: α U+03B1, € U+20AC, 温 U+6E29.
    EXPECT_EQ(r[1].m_code, B({0xF0, 0x02}));
    EXPECT_EQ(r[1].m_glyph, B({0x10, 0x60, 0x02, 0x8C, 0x00, 0x00, 0xFE, 0x92, 0x92, 0x92, 0x92,
                               0x92, 0xFE, 0x00, 0x00, 0x00, 0x04, 0x04, 0x7E, 0x01, 0x40, 0x7E,
                               0x42, 0x42, 0x7E, 0x42, 0x7E, 0x42, 0x42, 0x7E, 0x40, 0x00}));
    // Unifont draws α 8 dots wide; hanzi.DAT centres it in the 16-dot cell.
    EXPECT_EQ(r[2].m_code, B({0xF0, 0x00}));
    EXPECT_EQ(
        DrawGlyph(r[2].m_glyph),
        (Drawing{"................", "................", "................", "................",
                 "................", "................", "......##..#.....", ".....#..#.#.....",
                 ".....#...#......", ".....#...#......", ".....#...#......", ".....#...#......",
                 ".....#..#.#.....", "......##..#.....", "................", "................"}));
    // € is not in GB2312: the panel fonts lack it.
    EXPECT_EQ(r[3].m_code, B({0xF0, 0x01}));
    EXPECT_TRUE(r[3].m_bMissing);
    EXPECT_FALSE(r[0].m_bMissing || r[1].m_bMissing || r[2].m_bMissing);
}

TEST(DeliveredFonts, ListingAMissingDirectoryReportsTheFontMessage) {
    const CGlyphListing listing = ListGlyphs(u"A", {}, 16, "/nonexistent-tavelo-dir");
    EXPECT_TRUE(listing.m_records.empty());
    EXPECT_TRUE(listing.m_strError.starts_with("无法打开字库文件"));
}

TEST(VectorFaces, BothPanelFacesRenderAndDiffer) {
    const CGlyphListing song = List(u"温A", std::u16string(kSongFaceName), 16);
    const CGlyphListing kai = List(u"温", std::u16string(kKaiFaceName), 16);
    EXPECT_EQ(song.m_records[0].m_code, B({0xC0, 0x00}));
    EXPECT_EQ(song.m_records[1].m_code, B({0x90, 0x01}));
    for (const CGlyphRecord* record : {&song.m_records[0], &song.m_records[1], &kai.m_records[0]})
        EXPECT_NE(DrawGlyph(record->m_glyph), kBlank);
    EXPECT_NE(song.m_records[0].m_glyph, kai.m_records[0].m_glyph);
}

TEST(VectorFaces, SmallSizesLeaveTheRowsBelowEmpty) {
    for (std::int32_t size : {12, 14}) {
        const Drawing rows =
            DrawGlyph(List(u"温", std::u16string(kSongFaceName), size).m_records[0].m_glyph);
        EXPECT_EQ(Drawing(rows.begin() + size, rows.end()),
                  Drawing(16 - size, std::string(16, '.')));
        EXPECT_NE(rows, kBlank);
    }
}

TEST(VectorFaces, AnUnknownFaceFailsNamingIt) {
    const CGlyphListing listing = ListGlyphs(u"温", u"不存在的字体 Tavelo", 16, {});
    EXPECT_TRUE(listing.m_records.empty());
    EXPECT_NE(listing.m_strError.find("不存在的字体 Tavelo"), std::string::npos)
        << listing.m_strError;
}

}  // namespace
}  // namespace tavelo
