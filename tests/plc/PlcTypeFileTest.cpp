#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/Archive.h"
#include "model/ArchiveError.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "plc/PlcTypeFile.h"
#include "support/ByteHelpers.h"
#include "support/PlcSamples.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
using test::Concat;
using test::MakePlc;
using test::MakeUnit;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr const char* kPath = "/opt/tavelo/PlcTypes.DAT";
const CRegUnitConfig kUnitD = MakeUnit(u"D", CRegUnitConfig::kByte, 1);

std::vector<CPLC> Parse(const Bytes& bytes) {
    return CPlcTypeFile::Parse(bytes, kPath);
}

// The archive error of parsing these bytes; fails the test when parsing succeeds.
CArchiveError ParseError(const Bytes& bytes) {
    try {
        Parse(bytes);
    } catch (const CArchiveError& error) {
        return error;
    }
    ADD_FAILURE() << "damaged file was accepted";
    return CArchiveError("", 0);
}

// The bytes with `length` bytes at `at` replaced by `replacement`.
Bytes Replaced(Bytes bytes, std::size_t at, std::size_t length, const Bytes& replacement) {
    bytes.erase(bytes.begin() + at, bytes.begin() + at + length);
    bytes.insert(bytes.begin() + at, replacement.begin(), replacement.end());
    return bytes;
}

std::vector<CPLC> SampleTypes() {
    CPLC modbus = MakePlc(u"Modbus(RTU)", {kUnitD, MakeUnit(u"0X", CRegUnitConfig::kBit, 2)},
                          CSerialComParam(1, 4, 1, 1, 2));
    modbus.m_bUseStation = 1;
    modbus.m_nStationMax = 247;
    return {modbus, MakePlc(u"Bare"), MakePlc(u"FX2N", {MakeUnit(u"D", 0, 3)})};
}

// Class and object tags follow the one shared counter: a first type with units makes later
// types 0x8001 and later units 0x8003; a first type without units leaves the unit class to
// the first unit that appears later.
TEST(PlcTypeFileLayout, ListsAreWrittenAndReadAsTheseBytes) {
    CPLC first = MakePlc(u"P",
                         {MakeUnit(u"D", CRegUnitConfig::kByteAndBit, 0x0102, 15),
                          MakeUnit(u"M", CRegUnitConfig::kBit, 2, 7)},
                         CSerialComParam(1, 5, 0, 1, 2));
    first.m_bUseStation = 1;
    first.m_bAdvanced = 1;
    first.m_nStationMin = 2;
    first.m_nStationMax = 31;
    const std::pair<const char*, std::vector<CPLC>> cases[] = {
        {"empty.bin", {}},
        {"units-first.bin", {first, MakePlc(u"B", {kUnitD})}},
        {"no-units-first.bin",
         {MakePlc(u"A"), MakePlc(u"B", {kUnitD, kUnitD}), MakePlc(u"C", {kUnitD})}},
    };
    for (const auto& [file, types] : cases) {
        const Bytes stored = test::TestDataBytes(std::string("plc/") + file);
        EXPECT_EQ(CPlcTypeFile::Write(types), stored) << file;
        EXPECT_EQ(Parse(stored), types) << file;
    }
}

TEST(PlcTypeFileDamage, EveryCutOrChangedByteOfAValidFileReadsOrIsAnArchiveError) {
    const Bytes whole = CPlcTypeFile::Write(SampleTypes());
    for (std::size_t at = 0; at < whole.size(); ++at) {
        EXPECT_THROW(Parse(Bytes(whole.begin(), whole.begin() + at)), CArchiveError) << at;
        for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF}) {
            Bytes changed = whole;
            changed[at] = value;
            try {
                Parse(changed);
            } catch (const CArchiveError&) {
            } catch (...) {
                ADD_FAILURE() << "byte " << at << " set to " << int(value);
            }
        }
    }
}

TEST(PlcTypeFileDamage, RefusalsNameTheFileTheProblemAndWhereItLies) {
    constexpr std::size_t kAnywhere = SIZE_MAX;
    const CPLC bare = MakePlc(u"A");
    const Bytes one = CPlcTypeFile::Write({bare});
    const Bytes two = CPlcTypeFile::Write({bare, bare});
    const std::size_t second = one.size();  // where the second type's tag 0x8001 stands
    const std::size_t unitCount = second - 2 - 20;
    const Bytes twoUnits = CPlcTypeFile::Write({MakePlc(u"A", {kUnitD, kUnitD})});
    const std::size_t secondUnit = CPlcTypeFile::Write({MakePlc(u"A", {kUnitD})}).size() - 20;
    CArchive unitAtTop(kPath);  // a list of one address unit instead of a PLC type
    std::uint32_t count = 1;
    unitAtTop.Count(count);
    unitAtTop.WriteObject(&kUnitD);
    const struct {
        Bytes bytes;
        std::string problem;
        std::size_t offset;
    } cases[] = {
        {Concat({one, B({0})}), "follow the last PLC type", one.size()},
        // Absurd list and unit counts are refused before allocating.
        {B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}), "cannot fit", kAnywhere},
        {Replaced(one, unitCount, 2, B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})), "cannot fit",
         kAnywhere},
        {Replaced(one, 8, 4, test::Ascii("CFoo")), "unknown class", 2},
        {Concat({unitAtTop.GetBytes(), Bytes(40, 0)}), "CRegUnitConfig", kAnywhere},
        // A null tag, a back reference and a large index tag where the second type belongs.
        {Replaced(two, second, 2, B({0x00, 0x00})), "", second},
        {Replaced(two, second, 2, B({0x02, 0x00})), "", second},
        {Replaced(two, second, 2, B({0xFF, 0x7F, 1, 0, 0, 0x80})), "0x7FFF", second},
        // A large index tag where the second unit belongs.
        {Replaced(twoUnits, secondUnit, 2, B({0xFF, 0x7F, 3, 0, 0, 0x80})), "0x7FFF", secondUnit},
    };
    for (const auto& c : cases) {
        const CArchiveError error = ParseError(c.bytes);
        EXPECT_THAT(error.GetProblem(), StartsWith(std::string(kPath) + ": "));
        EXPECT_THAT(error.GetProblem(), HasSubstr(c.problem));
        if (c.offset != kAnywhere) {
            EXPECT_EQ(error.GetOffset(), c.offset) << error.GetProblem();
        }
    }
}

TEST(PlcTypeFileDamage, PlcTypeInsideAUnitListIsRefusedHoweverDeep) {
    // A type whose one unit is a PLC type whose one unit is a PLC type, and so on.
    Bytes bytes = CPlcTypeFile::Write({MakePlc(u"")});
    bytes.resize(bytes.size() - 22);
    bytes.insert(bytes.end(), {1, 0});
    const Bytes nested = Concat({B({0x01, 0x80, 0xFF, 0xFE, 0xFF, 0}), Bytes(16, 0), B({1, 0})});
    for (int depth = 0; depth < 100000; ++depth)
        bytes.insert(bytes.end(), nested.begin(), nested.end());
    EXPECT_THAT(ParseError(bytes).GetProblem(),
                HasSubstr("where an address unit (CRegUnitConfig) was expected"));
}

TEST(PlcTypeFileOnDisk, LoadReadsWhatWriteMadeAndRefusesMissingOrDamagedFiles) {
    test::CTempDir dir;
    const auto file = dir / "PlcTypes.DAT";
    EXPECT_FALSE(CPlcTypeFile::IsPresent(file));
    EXPECT_THROW(CPlcTypeFile::Load(file), CFileError);
    WriteFileAtomically(file, CPlcTypeFile::Write(SampleTypes()));
    EXPECT_TRUE(CPlcTypeFile::IsPresent(file));
    EXPECT_EQ(CPlcTypeFile::Load(file), SampleTypes());
    WriteFileAtomically(file, B({1, 0}));
    EXPECT_TRUE(CPlcTypeFile::IsPresent(file));
    EXPECT_THROW(CPlcTypeFile::Load(file), CArchiveError);
    // A directory of that name is not the file.
    std::filesystem::create_directory(dir / "Dir.DAT");
    EXPECT_FALSE(CPlcTypeFile::IsPresent(dir / "Dir.DAT"));
}

}  // namespace
}  // namespace tavelo
