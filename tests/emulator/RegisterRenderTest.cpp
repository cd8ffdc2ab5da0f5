#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "emulator/RegisterFormat.h"
#include "emulator/ScreenRenderer.h"

namespace tavelo {
namespace {

CRegisterFormat Format(std::int32_t digits, std::int32_t decimals, bool isSigned, bool decimal,
                       std::int64_t byteCount = 2) {
    CRegisterFormat format;
    format.m_nDigits = digits;
    format.m_nDecimals = decimals;
    format.m_bSigned = isSigned;
    format.m_bDecimal = decimal;
    format.m_nByteCount = byteCount;
    return format;
}

CRegisterFormat Float(std::int32_t digits, std::int32_t decimals) {
    CRegisterFormat format = Format(digits, decimals, true, true, 4);
    format.m_bFloat = true;
    return format;
}

// Raw 0..4000 shown as 0.0..100.0, from an unsigned register.
CRegisterFormat Engineering(std::int64_t inputMin) {
    CRegisterFormat format = Format(4, 1, false, true);
    format.m_bEngineering = true;
    format.m_nInputMin = inputMin;
    format.m_nInputMax = 4000;
    format.m_nEngMax = 1000;
    return format;
}

TEST(RegisterFormat, ShowsTheValueRightAlignedOrAFieldOfStars) {
    const struct {
        CRegisterFormat m_format;
        std::int64_t m_nContents;
        const char* m_pszText;
    } cases[] = {
        {Format(5, 0, false, true, 4), 99999, "99999"},
        {Format(5, 0, false, true, 4), 100000, "*****"},
        {Format(5, 0, false, true), 7, "    7"},
        {Format(5, 0, true, true), 0x8000, "-32768"},
        {Format(4, 0, true, true), 0xD8F1, "-9999"},
        {Format(4, 0, true, true), 0xD8F0, "*****"},
        {Format(5, 2, true, true), 0xFFFB, "  -0.05"},
        {Format(5, 2, false, true), 12345, "123.45"},
        {Format(3, 3, false, true), 5, "0.005"},
        {Format(10, 0, true, true, 4), 0x80000000, "-2147483648"},
        {Format(4, 0, false, false), 0xBEEF, "BEEF"},
        {Format(3, 0, false, false), 0xBEEF, "***"},
        {Format(4, 2, false, false), 0x1234, "12.34"},
        {Float(5, 1), 0x42C80000, "  100.0"},
        {Float(5, 1), 0xC1440000, "  -12.3"},
        {Float(3, 0), 0x447A0000, "****"},
        {Float(5, 1), 0x7FC00000, "*******"},
        {Float(5, 1), 0x7F80000000, "    0.0"},
        {Engineering(0), 2000, " 50.0"},
        {Engineering(0), 4000, "100.0"},
        {Engineering(2000), 1000, "*****"},
        {Engineering(4000), 1000, "*****"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(row.m_format.Text(row.m_nContents), row.m_pszText) << row.m_pszText;
}

// Unsigned 5 digits at 99999 and one beyond; signed 2 decimals at -327.68 and HEX BEEF; float
// -12.3 and double size signed -5; BCD 12.34 inverse.
TEST(RegisterRender, DrawsTheDigitsOfTheFieldInTheirLook) {
    const struct {
        std::int32_t m_nX, m_nY, m_nDigits, m_nDecimals, m_nCount;
        bool m_bSigned, m_bDecimal, m_bFloat, m_bInverse, m_bDouble;
        std::int64_t m_nValue;
    } registers[] = {
        {0, 0, 5, 0, 2, false, true, false, false, false, 99999},
        {96, 0, 5, 0, 2, false, true, false, false, false, 100000},
        {0, 16, 5, 2, 1, true, true, false, false, false, 0x8000},
        {96, 16, 4, 0, 1, false, false, false, false, false, 0xBEEF},
        {96, 32, 5, 1, 2, true, true, true, false, false, 0xC1440000},
        {0, 32, 3, 0, 1, true, true, false, false, true, 0xFFFB},
        {96, 48, 4, 2, 1, false, false, false, true, false, 0x1234},
    };
    CTaveloDoc doc;
    test::AddScreen(doc, 1);
    test::Values values;
    std::int32_t address = 0;
    for (const auto& row : registers) {
        CRegister& field = test::Place(doc, std::make_unique<CRegister>(), 1, row.m_nX, row.m_nY);
        field.SetDecimal(row.m_bDecimal);
        field.SetSigned(row.m_bSigned);
        field.SetFloat(row.m_bFloat);
        field.SetDigits(row.m_nDigits, row.m_nDecimals);
        field.SetInverse(row.m_bInverse);
        field.SetDoubleSize(row.m_bDouble);
        field.GetAddress() = test::MakeAddress(1, 1, address, row.m_nCount, 2);
        values[{1, 1, address}] = row.m_nValue;
        address += 2;
    }
    const CPanelImage image = CPanelImage::Load(test::CompileWithDeliveredData(doc, CAppState{}));
    ASSERT_TRUE(image.IsLoaded()) << image.GetError();
    CLcdFrame frame;
    ASSERT_TRUE(
        CScreenRenderer(image, test::DeliveredDigits()).Render(1, test::CValueMap(values), frame));
    test::ExpectGoldenFrame(frame, "register");
}

}  // namespace
}  // namespace tavelo
