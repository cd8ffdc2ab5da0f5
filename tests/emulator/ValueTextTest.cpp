#include <gtest/gtest.h>

#include "emulator/ValueText.h"

namespace tavelo {
namespace {

// Each form shows a stored value and reads it back from its text; texts outside the byte
// count or not of the form are refused.
TEST(ValueText, ShowsAndReadsEachFormWithinItsByteCount) {
    const struct {
        CValueText m_text;
        std::int64_t m_nStored;
        const char* m_pszShown;
    } rows[] = {{{EValueForm::Decimal, 2}, 65535, "65535"},
                {{EValueForm::Signed, 2}, 0xFF9C, "-100"},
                {{EValueForm::Hex, 2}, 0x1234, "0x1234"},
                {{EValueForm::Float, 4}, 0x3FC00000, "1.5"}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.m_text.Format(row.m_nStored), row.m_pszShown);
        EXPECT_EQ(row.m_text.Parse(row.m_pszShown), row.m_nStored) << row.m_pszShown;
    }
    EXPECT_EQ((CValueText{EValueForm::Hex, 2}.Parse(" 1a ")), 0x1A);
    for (const auto& [text, typed] :
         {std::pair{CValueText{EValueForm::Decimal, 1}, "256"}, {{EValueForm::Decimal, 2}, "-1"},
          {{EValueForm::Signed, 1}, "128"}, {{EValueForm::Hex, 2}, "0x10000"},
          {{EValueForm::Float, 4}, "inf"}, {{EValueForm::Decimal, 2}, "12a"}})
        EXPECT_FALSE(text.Parse(typed)) << typed;
}

}  // namespace
}  // namespace tavelo
