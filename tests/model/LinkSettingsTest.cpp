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

class LinkSettingsBlock : public ::testing::Test {
protected:
    LinkSettingsBlock() {
        RegisterModelClasses(m_registry);
        m_written.m_currentPlc =
            MakePlc(u"FX2N", {MakeUnit(u"D", 0, 1)}, CSerialComParam(0, 4, 1, 0, 2));
    }

    CClassRegistry m_registry;
    CAppState m_written;
};

TEST_F(LinkSettingsBlock, WritesFieldsInStoredOrderThenTheCurrentTypeWithoutATag) {
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

TEST_F(LinkSettingsBlock, ReadingSetsLowByteOfIndexAndReplacesTheCurrentType) {
    const Bytes bytes = StoreBlock(SampleSettings(), m_written);
    CAppState state;
    state.m_currentPlc = MakePlc(u"old", {MakeUnit(u"X", 1, 7)});
    CLinkSettings settings;
    settings.m_plcTypes.push_back(MakePlc(u"kept"));
    CArchive ar(bytes, "p.ZORX", m_registry);
    settings.Serialize(ar, state);

    EXPECT_TRUE(ar.IsAtEnd());
    EXPECT_EQ(state.m_nPlcListIndex, 0x34);
    EXPECT_EQ(state.m_currentPlc, m_written.m_currentPlc);
    EXPECT_EQ(StoreBlock(settings, state), bytes);  // every field read back
    EXPECT_EQ(settings.m_plcTypes.size(), 1u);
}

TEST_F(LinkSettingsBlock, TruncatedBlockLeavesSettingsAndStateUntouched) {
    const Bytes bytes = StoreBlock(SampleSettings(), m_written);
    CAppState state;
    state.m_currentPlc = MakePlc(u"old");
    state.m_nPlcListIndex = 9;
    CLinkSettings settings;
    CArchive ar(std::span<const std::uint8_t>(bytes.data(), bytes.size() - 1), "p.ZORX",
                m_registry);
    EXPECT_THROW(settings.Serialize(ar, state), CArchiveError);
    EXPECT_EQ(state.m_currentPlc.GetName(), u"old");
    EXPECT_EQ(state.m_nPlcListIndex, 9);
    EXPECT_EQ(settings.m_nBaudCode, CLinkSettings().m_nBaudCode);
}

TEST_F(LinkSettingsBlock, PlcTypeListIsAnObjectListThatRoundTripsAndMayBeEmpty) {
    CLinkSettings written;
    CArchive empty("p.ZORX");
    written.SerializePlcTypeList(empty);
    EXPECT_EQ(empty.GetBytes(), B({0, 0}));

    written.m_plcTypes = {MakePlc(u"A", {MakeUnit(u"D", 0, 1)}), MakePlc(u"B")};
    CArchive out("p.ZORX");
    written.SerializePlcTypeList(out);
    CLinkSettings read;
    CArchive in(out.GetBytes(), "p.ZORX", m_registry);
    read.SerializePlcTypeList(in);
    EXPECT_TRUE(in.IsAtEnd());
    EXPECT_EQ(read.m_plcTypes, written.m_plcTypes);
}

TEST_F(LinkSettingsBlock, AbsurdPlcTypeCountIsRefusedBeforeAllocating) {
    const Bytes bytes = B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F});
    CLinkSettings settings;
    CArchive in(bytes, "p.ZORX", m_registry);
    EXPECT_THROW(settings.SerializePlcTypeList(in), CArchiveError);
}

TEST(BaudCodes, UnknownCodesAnd7ShowAs9600) {
    const std::pair<std::uint8_t, int> cases[] = {{2, 0}, {6, 4}, {8, 5}, {5, 3}, {7, 3}, {0, 3}};
    for (const auto& [code, index] : cases) EXPECT_EQ(CLinkSettings::BaudIndexOfCode(code), index);
}

}  // namespace
}  // namespace tavelo
