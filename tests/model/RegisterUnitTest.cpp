#include <gtest/gtest.h>

#include <string>

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

CRegisterUnit Sample(std::int32_t station = 5) {
    CRegisterUnit record;
    record.m_nUnitType = 3;
    record.m_nStation = station;
    record.m_nReserved = 6;
    record.m_nCount = 2;
    record.m_nAddress = 100;
    record.m_nBit = 7;
    return record;
}

Bytes Store(const std::string& fileName) {
    CRegisterUnit record = Sample();
    CArchive ar(fileName);
    record.Serialize(ar);
    return ar.GetBytes();
}

TEST(RegisterUnitLayout, OnlyAZorxFileStoresTheStationAndOnlyAZorFileResetsIt) {
    const Bytes withStation =
        B({3, 0, 0, 0, 5, 0, 0, 0, 6, 0, 0, 0, 2, 0, 0, 0, 100, 0, 0, 0, 7, 0, 0, 0});
    const Bytes without = B({3, 0, 0, 0, 6, 0, 0, 0, 2, 0, 0, 0, 100, 0, 0, 0, 7, 0, 0, 0});
    const struct {
        const char* fileName;
        const Bytes& bytes;
        std::int32_t stationRead;  // read into a record whose station is 9
    } cases[] = {
        {"/projects/line.ZORX", withStation, 5},
        {"old.ZOR", without, 1},
        {"mixed.zorx", without, 9},  // small letters: neither stored nor changed
        {"a.ZORX.bak", without, 9},  // only the text after the last dot counts
        {"dir.ZORX/noextension", without, 9},
    };
    CClassRegistry registry;
    RegisterModelClasses(registry);
    for (const auto& c : cases) {
        ASSERT_EQ(Store(c.fileName), c.bytes) << c.fileName;
        CArchive ar(c.bytes, c.fileName, registry);
        CRegisterUnit record;
        record.m_nStation = 9;
        record.Serialize(ar);
        EXPECT_TRUE(ar.IsAtEnd()) << c.fileName;
        EXPECT_EQ(record, Sample(c.stationRead)) << c.fileName;
    }
}

TEST(RegisterUnitLayout, TruncatedRecordIsAnArchiveError) {
    const Bytes bytes = Store("p.ZORX");
    CClassRegistry registry;
    CArchive ar(std::span<const std::uint8_t>(bytes.data(), 22), "p.ZORX", registry);
    CRegisterUnit record;
    EXPECT_THROW(record.Serialize(ar), CArchiveError);
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
