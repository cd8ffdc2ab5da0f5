#include <gtest/gtest.h>

#include <stdexcept>

#include "tools/cli/TextTable.h"

namespace tavelo::cli {
namespace {

TEST(TextTable, WideCharactersTakeTwoColumns) {
    EXPECT_EQ(CTextTable::DisplayWidth(u"DM"), 2u);
    EXPECT_EQ(CTextTable::DisplayWidth(u"欧姆龙"), 6u);
    EXPECT_EQ(CTextTable::DisplayWidth(u"ＡＢ"), 4u);         // full-width letters
    EXPECT_EQ(CTextTable::DisplayWidth(u"\U00020000x"), 3u);  // an ideograph beyond the BMP
}

TEST(TextTable, RefusesRowsOfTheWrongWidth) {
    CTextTable table({u"a", u"b"}, {CTextTable::Align::kLeft, CTextTable::Align::kLeft});
    EXPECT_THROW(table.AddRow({u"only one"}), std::logic_error);
}

}  // namespace
}  // namespace tavelo::cli
