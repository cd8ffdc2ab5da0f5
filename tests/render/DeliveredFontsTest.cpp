#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "DeliveredFiles.h"
#include "model/FileBytes.h"
#include "model/TextCodec.h"
#include "render/FaceFamilies.h"
#include "render/FontLibrary.h"
#include "render/GlyphLayout.h"
#include "render/GlyphListing.h"
#include "support/ByteHelpers.h"
#include "support/TestData.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
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

TEST(DeliveredFonts, CodesOfALetterAHanziAndANarrowSymbol) {
    const CGlyphListing listing = List(u"A温α€");
    const auto& r = listing.m_records;
    // After the space; wide order: α U+03B1, € U+20AC, 温 U+6E29.
    EXPECT_EQ(r[0].m_code, B({1}));
    EXPECT_EQ(r[1].m_code, B({0xF0, 0x02}));
    EXPECT_EQ(r[2].m_code, B({0xF0, 0x00}));
    // € is not in GB2312: the panel fonts lack it.
    EXPECT_EQ(r[3].m_code, B({0xF0, 0x01}));
    EXPECT_TRUE(r[3].m_bMissing);
    EXPECT_FALSE(r[0].m_bMissing || r[1].m_bMissing || r[2].m_bMissing);
}

// The heading, then the glyphs side by side, one row of dots a line.
std::string Sheet(const std::string& heading, const CGlyphListing& listing) {
    std::string text = heading + "\n";
    for (int y = 0; y < kGlyphRows; ++y) {
        for (const CGlyphRecord& record : listing.m_records)
            text += DrawGlyph(record.m_glyph)[y] + " ";
        text.back() = '\n';
    }
    return text + "\n";
}

// Vector glyphs as the panel gets them: every stroke of both faces must keep its dots at every
// size (docs/vector-glyphs.png shows the same enlarged). TAVELO_UPDATE_GOLDEN=1 writes the file.
TEST(DeliveredFonts, GlyphsAreDrawnAsTheGoldenSheetShows) {
    std::string sheet = Sheet("dot matrix: A温α€", List(u"A温α€"));
    for (const char16_t* face : {kSongFaceName, kKaiFaceName})
        for (std::int32_t size : {12, 14, 16})
            sheet += Sheet(ToUtf8(face) + " " + std::to_string(size) + ": 温度报警",
                           List(u"温度报警", std::u16string(face), size));
    const std::filesystem::path file = test::TestDataPath("panel-glyphs.txt");
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(sheet.data()),
                                              sheet.size());
    const char* update = std::getenv("TAVELO_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") WriteFileAtomically(file, bytes);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), ReadFileBytes(file)) << sheet;
}

TEST(DeliveredFonts, ListingAMissingDirectoryReportsTheFontMessage) {
    const CGlyphListing listing = ListGlyphs(u"A", {}, 16, "/nonexistent-tavelo-dir");
    EXPECT_TRUE(listing.m_records.empty());
    EXPECT_TRUE(listing.m_strError.starts_with("无法打开字库文件"));
}

TEST(VectorFaces, AnUnknownFaceFailsNamingIt) {
    const CGlyphListing listing = ListGlyphs(u"温", u"不存在的字体 Tavelo", 16, {});
    EXPECT_TRUE(listing.m_records.empty());
    EXPECT_NE(listing.m_strError.find("不存在的字体 Tavelo"), std::string::npos)
        << listing.m_strError;
}

}  // namespace
}  // namespace tavelo
