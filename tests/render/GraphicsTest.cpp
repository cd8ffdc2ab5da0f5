#include <gtest/gtest.h>

#include <set>

#include "DeliveredFiles.h"
#include "model/FileBytes.h"
#include "render/GlyphLayout.h"
#include "tools/common/SourceError.h"
#include "tools/graphgen/GraphicSource.h"

namespace tavelo {
namespace {

std::string Drawing(const std::string& row) {
    std::string text;
    for (int i = 0; i < 16; ++i) text += row + "\n";
    return text;
}

const std::string kRow = "#..............#";

TEST(GraphicSource, FaultsNameTheirLine) {
    struct Case {
        std::string text;
        int line;
    };
    const Case cases[] = {
        {"graphic 5\n" + Drawing(kRow) + kRow + "\n", 18},                    // a 17th row
        {"graphic 5\n" + kRow + "\n\n", 3},                                   // 1 row, then a blank
        {"graphic 5\n" + kRow + "\n", 2},                                     // 1 row at the end
        {"graphic 5\n#...............#\n", 2},                                // 17 columns
        {"graphic 5\n#......x.......#\n", 2},                                 // another character
        {"graphic 256\n" + Drawing(kRow), 1},                                 // beyond one byte
        {"graphic five\n" + Drawing(kRow), 1},                                // no number
        {"graphic 5\n" + Drawing(kRow) + "graphic 5\n" + Drawing(kRow), 18},  // twice
        {"; comment\n" + kRow + "\n", 2},                                     // outside any graphic
    };
    for (const Case& c : cases) {
        try {
            CGraphicSource::Parse(c.text, "g.txt");
            ADD_FAILURE() << c.text;
        } catch (const CSourceError& error) {
            EXPECT_EQ(error.GetLine(), c.line) << error.what();
        }
    }
}

TEST(GraphicSource, CompiledRecordsSitAtTheirNumbersInTheImageLayout) {
    const std::string source = "; keys\ngraphic 255 no key\n" + Drawing(kRow) +
                               "\ngraphic 0 first\n" + Drawing(std::string(16, '#'));
    const auto file = CGraphicSource::Compile(CGraphicSource::Parse(source, "g.txt"));
    ASSERT_EQ(file.size(), 256u * 32);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 32),
              std::vector<std::uint8_t>(32, 0xFF));
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 32, file.end() - 32),
              std::vector<std::uint8_t>(254 * 32, 0));
    // Column 0 and column 15 are full: byte 0 of the left blocks, byte 7 of the right blocks.
    const std::vector<std::uint8_t> last(file.end() - 32, file.end());
    EXPECT_EQ(last[0], 0xFF);
    EXPECT_EQ(last[15], 0xFF);
    EXPECT_EQ(last[1], 0x00);
    EXPECT_EQ(last[16], 0xFF);
    EXPECT_EQ(last[31], 0xFF);
}

TEST(DeliveredGraphics, EveryGraphicThePanelUsesIsDrawnAndDistinct) {
    const auto file = ReadFileBytes(test::DeliveredDirectory() / "GRAPH.DAT");
    ASSERT_EQ(file.size(), 256u * 32);
    const auto drawings = CGraphicSource::Load(TAVELO_GRAPHICS_SOURCE);
    std::vector<int> used = {65, 66, 68, 69, 71};
    for (int key = 0; key < 20; ++key) used.push_back(5 + 3 * key);
    std::set<std::vector<std::string>> seen;
    for (int number : used) {
        const std::span<const std::uint8_t> record(file.data() + number * 32, 32);
        ASSERT_TRUE(drawings.contains(number)) << number;
        EXPECT_TRUE(seen.insert(DrawGlyph(record)).second) << number << " repeats a drawing";
        EXPECT_NE(DrawGlyph(record), std::vector<std::string>(16, std::string(16, '.')));
        EXPECT_EQ(DrawGlyph(record), DrawGlyph(WideRowsToColumns(drawings.at(number)))) << number;
    }
    EXPECT_EQ(std::vector<std::uint8_t>(file.end() - 32, file.end()),
              std::vector<std::uint8_t>(32, 0));  // 255, the key code of no key
}

}  // namespace
}  // namespace tavelo
