#include <gtest/gtest.h>

#include "model/AppState.h"
#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/LinkSettings.h"
#include "model/ModelClasses.h"
#include "support/ByteHelpers.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
using test::MakePlc;
using test::MakeUnit;

CLinkSettings SampleSettings() {
    CLinkSettings settings;
    settings.m_nStation = 3;
    settings.m_nDownloadPort = 2;
    settings.m_nBaudCode = 6;
    settings.m_nParityChoice = 1;
    settings.m_nDataBitsChoice = 0;
    settings.m_nStopBitsChoice = 1;
    settings.m_nPlcListIndex = 0x1234;
    return settings;
}

Bytes StoreBlock(CLinkSettings settings, CAppState& state) {
    CArchive ar("p.ZORX");
    settings.Serialize(ar, state);
    return ar.GetBytes();
}

TEST(LinkSettingsBlock, WritesFieldsInStoredOrderThenTheCurrentTypeWithoutATag) {
    CAppState state;
    state.m_currentPlc = MakePlc(u"A");
    const Bytes expected = test::Concat({
        B({3, 0, 0, 0, 2, 6, 1, 0, 1, 0x34, 0x12, 0, 0}),
        B({0xFF, 0xFE, 0xFF, 1, 'A', 0}),
        Bytes(16, 0),
        B({0, 0}),
        B({0, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
    });
    EXPECT_EQ(StoreBlock(SampleSettings(), state), expected);
}

TEST(LinkSettingsBlock, ReadingSetsLowByteOfIndexAndReplacesTheCurrentType) {
    CAppState written;
    written.m_currentPlc = MakePlc(u"FX2N", {MakeUnit(u"D", 0, 1)}, CSerialComParam(0, 4, 1, 0, 2));
    const Bytes bytes = StoreBlock(SampleSettings(), written);
    CAppState state;
    state.m_currentPlc = MakePlc(u"old", {MakeUnit(u"X", 1, 7)});
    CLinkSettings settings;
    CClassRegistry registry;
    RegisterModelClasses(registry);
    CArchive ar(bytes, "p.ZORX", registry);
    settings.Serialize(ar, state);
    EXPECT_TRUE(ar.IsAtEnd());
    EXPECT_EQ(state.m_nPlcListIndex, 0x34);
    EXPECT_EQ(state.m_currentPlc, written.m_currentPlc);
    EXPECT_EQ(StoreBlock(settings, state), bytes);  // every field read back
}

TEST(BaudCodes, UnknownCodesAnd7ShowAs9600) {
    const std::pair<std::uint8_t, int> cases[] = {{2, 0}, {6, 4}, {8, 5}, {5, 3}, {7, 3}, {0, 3}};
    for (const auto& [code, index] : cases) EXPECT_EQ(CLinkSettings::BaudIndexOfCode(code), index);
}

}  // namespace
}  // namespace tavelo
