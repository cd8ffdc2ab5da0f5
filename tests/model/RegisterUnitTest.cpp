#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/RegisterUnit.h"
#include "support/ByteHelpers.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;

CRegisterUnit MakeRecord() {
    CRegisterUnit record;
    record.m_nUnitType = 3;
    record.m_nStation = 5;
    record.m_nReserved = 6;
    record.m_nCount = 2;
    record.m_nAddress = 100;
    record.m_nBit = 7;
    return record;
}

Bytes Store(CRegisterUnit record, const std::string& fileName) {
    CArchive ar(fileName);
    record.Serialize(ar);
    return ar.GetBytes();
}

// Reads into a record whose station is already `station`, to see whether reading touches it.
CRegisterUnit Load(const Bytes& bytes, const std::string& fileName, std::int32_t station) {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    CArchive ar(bytes, fileName, registry);
    CRegisterUnit record;
    record.m_nStation = station;
    record.Serialize(ar);
    EXPECT_TRUE(ar.IsAtEnd());
    return record;
}

TEST(RegisterUnitLayout, ZorxFileStoresTheStationAfterTheUnitType) {
    const Bytes bytes = Store(MakeRecord(), "/projects/line.ZORX");
    EXPECT_EQ(bytes, B({3, 0, 0, 0, 5, 0, 0, 0, 6, 0, 0, 0, 2, 0, 0, 0, 100, 0, 0, 0, 7, 0, 0, 0}));
    const CRegisterUnit back = Load(bytes, "/projects/line.ZORX", 1);
    EXPECT_EQ(back.m_nStation, 5);
    EXPECT_EQ(back.m_nBit, 7);
}

TEST(RegisterUnitLayout, ZorFileHasNoStationAndReadsBackStationOne) {
    const Bytes bytes = Store(MakeRecord(), "old.ZOR");
    EXPECT_EQ(bytes, B({3, 0, 0, 0, 6, 0, 0, 0, 2, 0, 0, 0, 100, 0, 0, 0, 7, 0, 0, 0}));
    const CRegisterUnit back = Load(bytes, "old.ZOR", 9);
    EXPECT_EQ(back.m_nStation, 1);
    EXPECT_EQ(back.m_nReserved, 6);
    EXPECT_EQ(back.m_nAddress, 100);
}

TEST(RegisterUnitLayout, SmallLetterExtensionNeitherStoresNorChangesTheStation) {
    const Bytes bytes = Store(MakeRecord(), "mixed.zorx");
    EXPECT_EQ(bytes.size(), 20u);
    EXPECT_EQ(Load(bytes, "mixed.zorx", 9).m_nStation, 9);
}

TEST(RegisterUnitLayout, OnlyTheTextAfterTheLastDotCounts) {
    EXPECT_EQ(Store(MakeRecord(), "a.ZORX.bak").size(), 20u);
    EXPECT_EQ(Store(MakeRecord(), "dir.ZORX/noextension").size(), 20u);
}

TEST(RegisterUnitLayout, TruncatedRecordIsAnArchiveError) {
    const Bytes bytes = Store(MakeRecord(), "p.ZORX");
    CClassRegistry registry;
    const std::span<const std::uint8_t> cut(bytes.data(), 22);
    CArchive ar(cut, "p.ZORX", registry);
    CRegisterUnit record;
    EXPECT_THROW(record.Serialize(ar), CArchiveError);
}

TEST(RegisterUnitCopy, CopiesTheUnitBytesThatAreNeverStored) {
    CRegisterUnit source = MakeRecord();
    source.m_nUnitBytes = 2;
    CRegisterUnit target;
    target.CopyFrom(source);
    EXPECT_EQ(target, source);
}

TEST(LinearAddress, DependsOnTheUnitsAddressingKind) {
    EXPECT_EQ(LinearAddress(test::MakeUnit(u"D", CRegUnitConfig::kByte, 1), 12, 3), 12);
    EXPECT_EQ(LinearAddress(test::MakeUnit(u"M", CRegUnitConfig::kBit, 2), 12, 3), 3);
    EXPECT_EQ(LinearAddress(test::MakeUnit(u"W", CRegUnitConfig::kByteAndBit, 3, 15), 12, 3),
              3 + 12 * 16);
    EXPECT_EQ(LinearAddress(test::MakeUnit(u"X", CRegUnitConfig::kByteAndBit, 4, 7), 12, 3),
              3 + 12 * 8);
}

}  // namespace
}  // namespace tavelo
