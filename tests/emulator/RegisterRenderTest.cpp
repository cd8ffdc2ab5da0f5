#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "emulator/RegisterFormat.h"
#include "emulator/ScreenRenderer.h"

namespace tavelo {
namespace {

constexpr CRegisterFormat kFloat{
    .m_nDecimals = 1, .m_bSigned = true, .m_bFloat = true, .m_nByteCount = 4};
// Raw 0..4000 of an unsigned register shown as 0.0..100.0.
constexpr CRegisterFormat kEngineering{.m_nDigits = 4,
                                       .m_nDecimals = 1,
                                       .m_bEngineering = true,
                                       .m_nInputMax = 4000,
                                       .m_nEngMax = 1000};

CRegisterFormat Changed(CRegisterFormat format, std::int64_t CRegisterFormat::*field,
                        std::int64_t value) {
    format.*field = value;
    return format;
}

// The values of the golden frame below are not repeated here.
TEST(RegisterFormat, ShowsTheValueRightAlignedOrAFieldOfStars) {
    const struct {
        CRegisterFormat m_format;
        std::int64_t m_nContents;
        const char* m_pszText;
    } cases[] = {
        {{}, 0xFFCE, "65486"},
        {{.m_bSigned = true}, 0xFFCE, "   -50"},
        {{.m_bSigned = true}, 0x8000, "-32768"},
        {{.m_nDigits = 3, .m_bSigned = true, .m_nByteCount = 1}, 0x80, "-128"},
        {{.m_nDigits = 4, .m_bSigned = true}, 0xD8F1, "-9999"},
        {{.m_nDigits = 4, .m_bSigned = true}, 0xD8F0, "*****"},
        {{.m_nDecimals = 2, .m_bSigned = true}, 0xFFFB, "  -0.05"},
        {{.m_nDecimals = 2}, 12345, "123.45"},
        {{.m_nDigits = 3, .m_nDecimals = 3}, 5, "0.005"},
        {{.m_nDigits = 10, .m_bSigned = true, .m_nByteCount = 4}, 0x80000000, "-2147483648"},
        {{.m_nDigits = 4, .m_bDecimal = false}, 0x1BEEF, "BEEF"},
        {{.m_nDigits = 3, .m_bDecimal = false}, 0xBEEF, "***"},
        {kFloat, 0x42C80000, "  100.0"},
        {kFloat, 0x7FC00000, "*******"},
        {kFloat, 0x7F80000000, "    0.0"},
        {Changed(kFloat, &CRegisterFormat::m_nByteCount, 2), 0x42C80000, "*******"},
        {kEngineering, 2000, " 50.0"},
        {kEngineering, 4000, "100.0"},
        {Changed(kEngineering, &CRegisterFormat::m_nInputMin, 2000), 1000, "*****"},
        {Changed(kEngineering, &CRegisterFormat::m_nInputMin, 4000), 1000, "*****"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(row.m_format.Text(row.m_nContents), row.m_pszText) << row.m_pszText;
}

TEST(RegisterFormat, ShowsAnEntryAsTypedWithThePointOfItsDecimals) {
    const CRegisterFormat format{.m_nDigits = 4, .m_nDecimals = 2, .m_bSigned = true};
    const std::pair<const char*, const char*> cases[] = {{"5", "  0.05"},
                                                         {"-1500", "-15.00"},
                                                         {"-", "     -"},
                                                         {"", "      "},
                                                         {"123456", "234.56"}};
    for (const auto& [typed, text] : cases) EXPECT_EQ(format.EntryText(typed), text) << typed;
}

// Registers on D0, D2, ... D12 (tests/data/register-looks/note.txt): unsigned 99999 and one
// beyond; signed -327.68 and HEX BEEF; double size -5 and float -12.3; BCD 12.34 inverse.
TEST(RegisterRender, DrawsTheDigitsOfTheFieldInTheirLook) {
    // The second model: it has floating-point registers.
    const CPanelImage image = test::LoadStoredProject("register-looks", CAppState::kModelZorB);
    ASSERT_TRUE(image.IsLoaded()) << image.GetError();
    const std::int64_t contents[] = {99999, 100000, 0x8000, 0xBEEF, 0xFFFB, 0xC1440000, 0x1234};
    test::Values values;
    for (std::int32_t i = 0; i < 7; ++i) values[{1, 1, 2 * i}] = contents[i];
    CLcdFrame frame;
    ASSERT_TRUE(
        CScreenRenderer(image, test::DeliveredDigits()).Render(1, test::CValueMap(values), frame));
    test::ExpectGoldenFrame(frame, "register");
}

}  // namespace
}  // namespace tavelo
