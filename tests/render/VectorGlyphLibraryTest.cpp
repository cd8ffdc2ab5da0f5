#include <gtest/gtest.h>

#include "render/GlyphError.h"
#include "render/GlyphLayout.h"
#include "render/GlyphPlacement.h"
#include "render/GlyphRasteriser.h"
#include "render/VectorGlyphLibrary.h"

namespace tavelo {
namespace {

// A block of ink as wide and high as asked, with the line metrics given.
CGlyphCoverage InkBlock(int width, int height, int advance, int top, int ascent = 14,
                        int lineHeight = 16, std::uint8_t level = 255) {
    CGlyphCoverage coverage;
    coverage.m_nAdvance = advance;
    coverage.m_nAscent = ascent;
    coverage.m_nLineHeight = lineHeight;
    coverage.m_nTop = top;
    coverage.m_nWidth = width;
    coverage.m_nHeight = height;
    coverage.m_levels.assign(static_cast<std::size_t>(width) * height, level);
    return coverage;
}

std::vector<std::string> Drawing(const CGlyphCoverage& coverage, std::int32_t size) {
    return DrawGlyph(WideRowsToColumns(PlaceGlyph(coverage, size)));
}

// Draws one dot per face, at a column given by the face's name length, so faces differ.
class CFaceDotRasteriser : public CGlyphRasteriser {
public:
    CGlyphCoverage Render(char16_t, const std::u16string& faceName, std::int32_t) override {
        ++m_nCalls;
        CGlyphCoverage dot = InkBlock(1, 1, 16, 14);
        dot.m_nLeft = static_cast<int>(faceName.size());
        return dot;
    }
    int m_nCalls = 0;
};

// Keys are distinct (character, size, face) triples numbered in order of first addition; face
// names compare with case.
TEST(VectorGlyphLibrary, CodesAreWidePositionsWithTheNibbleOfSizeAndCharacter) {
    struct Case {
        char16_t character;
        std::int32_t size;
        std::uint8_t nibble;
        const char16_t* face = u"宋体";
    };
    const Case cases[] = {{u'A', 12, 0xB},  {u'A', 14, 0xA},  {u'A', 16, 0x9},  {u'温', 12, 0xE},
                          {u'温', 14, 0xD}, {u'温', 16, 0xC}, {u'A', -16, 0x9}, {u'温', -12, 0xE},
                          {u'A', 13, 0xF},  {u'温', 0, 0xF},  {u'温', 20, 0xF},
                          {u'A', 12, 0xB, u"Arial"}, {u'A', 12, 0xB, u"arial"}};
    CVectorGlyphLibrary glyphs;
    for (const Case& c : cases) glyphs.AddText(std::u16string(2, c.character), c.face, c.size);
    glyphs.AddText(u"A", u"宋体", 12);  // a second time changes nothing
    EXPECT_EQ(glyphs.GetCount(), std::size(cases));
    EXPECT_EQ(glyphs.GetKeys()[11], (CVectorGlyphKey{u'A', 12, u"Arial"}));
    constexpr std::size_t kWideCount = 5;  // dot-matrix Chinese glyphs come first
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(glyphs.GetCode(c.character, c.face, c.size, kWideCount),
                  (c.nibble << 12) | static_cast<std::int32_t>(kWideCount + i))
            << "case " << i;
    }
    EXPECT_EQ(glyphs.EncodeText(u"A温", u"宋体", 16, 0),
              (std::vector<std::int32_t>{0x9002, 0xC005}));
    EXPECT_EQ(glyphs.GetCode(u'A', u"楷体_GB2312", 12, 0), CVectorGlyphLibrary::kNotAdded);
    glyphs.Reset();
    EXPECT_EQ(glyphs.GetCount(), 0u);
}

TEST(VectorGlyphLibrary, TheSameCharacterInTwoFacesGivesTwoGlyphs) {
    CVectorGlyphLibrary glyphs;
    glyphs.AddText(u"温", u"宋体", 16);
    glyphs.AddText(u"温温", u"楷体_GB2312", 16);
    CFaceDotRasteriser rasteriser;
    std::vector<std::uint8_t> out(64);
    glyphs.WriteGlyphs(rasteriser, out, out.size());
    EXPECT_EQ(rasteriser.m_nCalls, 2);
    // One dot in row 0, at column 2 and column 9.
    EXPECT_EQ(DrawGlyph(std::span(out).first(32))[0], "..#.............");
    EXPECT_EQ(DrawGlyph(std::span(out).subspan(32))[0], ".........#......");
    EXPECT_THROW(glyphs.WriteGlyphs(rasteriser, out, 32), CGlyphError);
    EXPECT_THROW(glyphs.WriteGlyphs(rasteriser, std::span(out).first(32), 64), CGlyphError);
}

TEST(GlyphPlacement, OnlyTheCellsFirstSixteenColumnsAndRowsAreKept) {
    // Wider than 16 dots: nothing spills into the next row's bytes.
    const auto wide = Drawing(InkBlock(20, 16, 20, 14), 16);
    EXPECT_EQ(wide[0], "################");
    EXPECT_EQ(wide[15], "################");
    // Ink right of an 8-dot advance lies outside the cell.
    EXPECT_EQ(Drawing(InkBlock(12, 1, 8, 14), 16)[0], "########........");
    // Size 12: rows 12..15 stay empty even when the ink reaches them.
    const auto small = Drawing(InkBlock(4, 16, 16, 12, 12, 12), 12);
    EXPECT_EQ(small[11], "####............");
    EXPECT_EQ(small[12], "................");
    // Sizes above 16 keep the top 16 rows only.
    EXPECT_EQ(Drawing(InkBlock(4, 40, 16, 20, 20, 24), 24)[15], "####............");
}

TEST(GlyphPlacement, TheLineIsCentredVerticallyAndHalfCoverageIsBlack) {
    // Line of 10 dots in a 16-dot cell: baseline at (16 - 10) / 2 + 8 = 11; a dot one row
    // above the baseline lands in row 10. A negative size counts by its magnitude.
    for (std::int32_t size : {16, -16}) {
        const auto rows = Drawing(InkBlock(1, 1, 16, 1, 8, 10), size);
        EXPECT_EQ(rows[10], "#...............") << size;
        EXPECT_EQ(std::count(rows.begin(), rows.end(), std::string(16, '.')), 15);
    }
    // A line taller than the cell rounds towards zero: (16 - 17) / 2 = 0.
    EXPECT_EQ(Drawing(InkBlock(1, 1, 16, 14, 14, 17), 16)[0], "#...............");
    EXPECT_EQ(Drawing(InkBlock(1, 1, 16, 14, 14, 16, 127), 16)[0], "................");
    EXPECT_EQ(Drawing(InkBlock(1, 1, 16, 14, 14, 16, 128), 16)[0], "#...............");
    // A bitmap left of the pen or above the cell is clipped, not wrapped.
    CGlyphCoverage outside = InkBlock(2, 2, 16, 15);
    outside.m_nLeft = -1;
    EXPECT_EQ(Drawing(outside, 16)[0], "#...............");
    EXPECT_EQ(Drawing(InkBlock(4, 4, 16, 14), 0),
              std::vector<std::string>(16, std::string(16, '.')));
}

TEST(GlyphPlacement, CoverageOfTheWrongLengthIsRefused) {
    CGlyphCoverage broken = InkBlock(4, 4, 16, 14);
    broken.m_levels.pop_back();
    EXPECT_THROW(PlaceGlyph(broken, 16), CGlyphError);
}

}  // namespace
}  // namespace tavelo
