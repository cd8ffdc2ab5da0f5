#include <gtest/gtest.h>

#include "elements/TextColumns.h"

namespace tavelo {
namespace {

TEST(TextColumns, FullWidthUnitsCountTwoAndCutsStopBeforeTheLimitIsPassed) {
    struct Case {
        std::u16string text;
        std::int64_t limit;
        std::u16string cut;
    };
    const std::u16string ascii25(25, u'a');
    const Case cases[] = {
        {ascii25, 24, std::u16string(24, u'a')},
        {std::u16string(23, u'a') + u"文", 24, std::u16string(23, u'a')},  // 25 columns
        {std::u16string(22, u'a') + u"文", 24, std::u16string(22, u'a') + u"文"},
        {u"温度温度温度温", 12, u"温度温度温度"},
        {u"ab\U0001F600", 3, u"ab"},  // never half a surrogate pair
        {u"", 0, u""},
    };
    for (const Case& c : cases) EXPECT_EQ(CutToColumns(c.text, c.limit), c.cut);
    EXPECT_EQ(TextColumns(u"Aa12文字串"), 10);
}

TEST(TextColumns, VectorLinesHoldTheGlyphsOfTheirSizeAndDamagedSizesCountAsTwelve) {
    for (const auto& [size, glyphs] : {std::pair{12, 16},
                                       {14, 13},
                                       {16, 12},
                                       {-14, 13},
                                       {0, 16},
                                       {-1, 16},
                                       {13, 16},
                                       {1000, 16},
                                       {INT32_MIN, 16}})
        EXPECT_EQ(VectorGlyphsPerLine(size), glyphs) << size;
}

}  // namespace
}  // namespace tavelo
