#include <gtest/gtest.h>

#include <array>

#include "CompilerFixtures.h"
#include "compiler/SystemBlock.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;

Bytes SystemBlockOf(const CTaveloDoc& doc, const CAppState& state) {
    Bytes block(kSystemBlockSize);
    CImageCursor out(block);
    EXPECT_EQ(WriteSystemBlock(doc, state, out), kSystemBlockSize);
    EXPECT_FALSE(out.HasOverflowed());
    return block;
}

// Two screens, three alarms from bit 291, password "12", a link of 19200 baud, odd parity,
// 8 data bits and 2 stop bits, the automatic change and the clock on register 258, and a
// saver that shows screen 5 after ten minutes.
void SetUpProject(CTaveloDoc& doc) {
    test::AddScreen(doc, 1);
    test::AddScreen(doc, 5);
    CAlarmList& alarms = doc.GetAlarms();
    alarms.m_texts = {u"a", u"", u"b", u"c"};
    alarms.m_nStation = 9;
    alarms.m_nLinearBit = 291;
    alarms.m_nUnitType = 12;
    CSystemSettings& settings = doc.GetSystemSettings();
    settings.m_nInitialScreen = 5;
    settings.m_strPassword = u"12";
    settings.m_nStatusControl = 0x25;
    settings.m_nStation = 3;
    settings.m_nControlRegister = 258;
    settings.m_nControlUnitType = 4;
    settings.m_nSaverMinutes = 10;
    settings.m_nSaverAction = CSystemSettings::kSaverShowScreen;
    settings.m_nSaverScreen = 5;
    CLinkSettings& link = doc.GetLink();
    link.m_nBaudCode = 6;
    link.m_nParityChoice = 1;
    link.m_nDataBitsChoice = 0;
    link.m_nStopBitsChoice = 0;
}

TEST(SystemBlock, CarriesEveryValueInItsPlace) {
    CTaveloDoc doc;
    SetUpProject(doc);
    CAppState state;
    state.m_nPlcListIndex = 7;
    // Status bytes at PLC 7 count 16-bit words: 2 x ((3 + 291 - 1) / 16 - 291 / 16 + 1) = 2.
    EXPECT_EQ(SystemBlockOf(doc, state),
              B({0, 2,    3,    0x10, 9,    0x01, 0x23, 12, 2, 0, 5,  0, 0, 1, 2,
                 1, 0x16, 0x25, 3,    0x01, 0x02, 4,    0,  0, 0, 10, 0, 0, 5}));

    // PLC 4 forces one stop bit; a saver that switches the backlight off names no screen.
    state.m_nPlcListIndex = 4;
    doc.GetSystemSettings().m_nSaverAction = CSystemSettings::kSaverBacklightOff;
    const Bytes block = SystemBlockOf(doc, state);
    EXPECT_EQ(block[16], 0x96);
    EXPECT_EQ(test::Slice(block, 26, 3), B({1, 0, 0}));
}

TEST(SystemBlock, PasswordDigitsAreRightAligned) {
    struct Case {
        std::u16string password;
        std::vector<std::int32_t> digits;
    };
    const Case cases[] = {
        {u"12", {0, 0, 1, 2}},   {u"", {0, 0, 0, 0}},   {u"0000", {0, 0, 0, 0}},
        {u"9081", {9, 0, 8, 1}}, {u"1a", {0, 0, 1, 0}}, {u"123456", {1, 2, 3, 4}},
    };
    for (const Case& c : cases) EXPECT_EQ(PasswordDigits(c.password), c.digits);

    CTaveloDoc doc;
    for (const char16_t* password : {u"12", u"0000", u""}) {
        doc.GetSystemSettings().m_strPassword = password;
        EXPECT_EQ(SystemBlockOf(doc, CAppState())[15], password == std::u16string(u"12"));
    }
}

TEST(SystemBlock, AlarmCountFollowsThePlcType) {
    struct Case {
        std::size_t alarms;
        std::uint8_t plcIndex;
        std::size_t reported;
    };
    for (const Case& c :
         {Case{3, 0, 3}, Case{3, 13, 0}, Case{60, 15, 56}, Case{40, 15, 40}, Case{127, 16, 127}})
        EXPECT_EQ(ReportedAlarmCount(c.alarms, c.plcIndex), c.reported);
    EXPECT_EQ(CountAlarms({u"", u"x", u"", u"y"}), 2u);
}

TEST(SystemBlock, StatusBytesCountBytesOrWordsOfTheAlarmBits) {
    struct Case {
        std::int32_t start, count;
        std::uint8_t plcIndex;
        std::int32_t bytes;
    };
    const Case cases[] = {
        {6, 3, 0, 2},   {0, 8, 0, 1},  {0, 0, 0, 0}, {7, 1, 16, 1}, {0, 16, 4, 2},
        {10, 10, 7, 4}, {15, 2, 8, 4}, {0, 0, 4, 2}, {32, 0, 8, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AlarmStatusBytes(c.start, c.count, c.plcIndex), c.bytes)
            << c.start << " " << c.count << " at " << int(c.plcIndex);
}

}  // namespace
}  // namespace tavelo
