#include <gtest/gtest.h>

#include <stdexcept>

#include "tools/common/SourceError.h"
#include "tools/fontgen/FontTables.h"
#include "tools/fontgen/UnifontSource.h"

namespace tavelo {
namespace {

const std::string kNarrowA = "0041:0000000018242442427E424242420000\n";

TEST(UnifontSource, MalformedLinesNameTheirLine) {
    for (const std::string& bad :
         {std::string("0041 0000000018242442427E424242420000\n"), std::string("0041:00\n"),
          std::string("0041:0000000018242442427E42424242000G\n"), std::string("XYZ:00\n"),
          kNarrowA}) {
        try {
            CUnifontSource::Parse(kNarrowA + bad, "u.hex");
            ADD_FAILURE() << bad;
        } catch (const CSourceError& error) {
            EXPECT_EQ(error.GetLine(), 2) << error.what();
        }
    }
}

TEST(UnifontSource, GlyphsKeepTheirWidthAndRows) {
    const auto unifont = CUnifontSource::Parse(
        kNarrowA +
            "6E29:000023F81208120883F84208420813F8100027FCE4A424A424A424A42FFE0000\r\n"
            "1F600:" +
            std::string(64, '0') + "\n",
        "u.hex");
    ASSERT_NE(unifont.Find(u'A'), nullptr);
    EXPECT_EQ(unifont.Find(u'A')->m_nWidth, 8);
    EXPECT_EQ(unifont.Find(u'A')->m_rows[4], 0x18);
    EXPECT_EQ(unifont.Find(u'温')->m_nWidth, 16);
    EXPECT_EQ(unifont.Find(u'温')->m_rows[31], 0x00);
    EXPECT_EQ(unifont.Find(u'B'), nullptr);
    EXPECT_EQ(unifont.Find(char16_t(0xF600)), nullptr);  // U+1F600 is not cut to 16 bits
}

TEST(UnifontSource, TablesRefuseASourceLackingAGlyphTheyNeed) {
    const auto unifont = CUnifontSource::Parse(kNarrowA, "u.hex");
    EXPECT_THROW(BuildAsciiTable(unifont), std::runtime_error);  // no space
    try {
        BuildHanziTable(unifont);
        ADD_FAILURE();
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("U+3000"), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace tavelo
