#include <gtest/gtest.h>

#include "tools/cli/TextTable.h"

namespace tavelo::cli {
namespace {

TEST(TextTable, WideCharactersTakeTwoColumns) {
    EXPECT_EQ(CTextTable::DisplayWidth(u"DM"), 2u);
    EXPECT_EQ(CTextTable::DisplayWidth(u"欧姆龙"), 6u);
    EXPECT_EQ(CTextTable::DisplayWidth(u"ＡＢ"), 4u);         // full-width letters
    EXPECT_EQ(CTextTable::DisplayWidth(u"\U00020000x"), 3u);  // an ideograph beyond the BMP
}

}  // namespace
}  // namespace tavelo::cli
