#include <gtest/gtest.h>

#include "model/SystemSettings.h"
#include "support/ByteHelpers.h"
#include "support/StoredBlock.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;

Bytes Store(const CSystemSettings& value) {
    return test::StoreBlock(value);
}
CSystemSettings Load(const Bytes& bytes) {
    return test::LoadBlock<CSystemSettings>(bytes);
}

CSystemSettings Changed() {
    CSystemSettings s;
    s.m_nInitialScreen = 12;
    s.m_strPassword = u"7351";
    s.m_nStatusControl = 0x25;
    s.m_nControlRegister = 100;
    s.m_nSaverMinutes = 60;
    s.m_nSaverAction = CSystemSettings::kSaverShowScreen;
    s.m_nSaverScreen = 4;
    s.m_nControlUnitType = 3;
    s.m_nStation = 247;
    s.m_strFunctionRegisters = {u"DM100", u"", u"DM101"};
    s.m_bFunctions = {1, 0, 1};
    s.m_nUnitPosition = 1;
    return s;
}

TEST(SystemSettingsBlock, DefaultsGiveTheGoldenBytes) {
    const Bytes empty = B({0xFF, 0xFE, 0xFF, 0x00});
    const Bytes expected = test::Concat({
        B({1, 0, 0, 0}),                    // initial screen
        empty,                              // password
        B({0}),                             // status-control byte
        B({0, 0, 0, 0}),                    // control register
        B({3}),                             // saver minutes
        B({1, 0, 0, 0}),                    // saver action: backlight off
        B({1, 0, 0, 0}),                    // saver screen
        B({1}),                             // unit type number
        B({1, 0, 0, 0}),                    // station
        empty, empty, empty, Bytes(16, 0),  // the three registers and four function flags
        B({0, 0, 0, 0}),                    // unit position
    });
    EXPECT_EQ(Store(CSystemSettings()), expected);
}

TEST(SystemSettingsBlock, ChangedSettingsReadBackEqualAndResetRestoresTheDefaults) {
    CSystemSettings settings = Load(Store(Changed()));
    EXPECT_EQ(settings, Changed());
    settings.Reset();
    EXPECT_EQ(settings, CSystemSettings());
}

TEST(SystemSettingsBlock, TruncatedBlockIsAnErrorAtItsEnd) {
    Bytes bytes = Store(Changed());
    bytes.resize(bytes.size() - 2);
    try {
        Load(bytes);
        FAIL() << "a truncated block was accepted";
    } catch (const CArchiveError& error) {
        EXPECT_EQ(error.GetOffset(), bytes.size() - 2);
    }
}

TEST(SystemSettingsValues, StatusByteCountsTheFunctionsThatAreOn) {
    CSystemSettings s;
    EXPECT_EQ(s.ComputeStatusControl(), 0x00);
    s.m_bFunctions[CSystemSettings::kClock] = 1;
    EXPECT_EQ(s.ComputeStatusControl(), 0x14);
    s.m_bFunctions = {1, 1, 1};
    s.m_bAnalog = 1;
    EXPECT_EQ(s.ComputeStatusControl(), 0x4F);
}

}  // namespace
}  // namespace tavelo
