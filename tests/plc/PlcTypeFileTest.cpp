#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "model/Archive.h"
#include "model/ArchiveError.h"
#include "model/FileError.h"
#include "plc/PlcTypeFile.h"
#include "support/ByteHelpers.h"
#include "support/PlcSamples.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using test::Ascii;
using test::B;
using test::Bytes;
using test::Concat;
using test::MakePlc;
using test::MakeUnit;

const Bytes kNewPlcClass = Concat({B({0xFF, 0xFF, 0, 0, 4, 0}), Ascii("CPLC")});
const Bytes kNewUnitClass = Concat({B({0xFF, 0xFF, 0, 0, 14, 0}), Ascii("CRegUnitConfig")});
const Bytes kEmptyName = B({0xFF, 0xFE, 0xFF, 0});

Bytes Int32(std::int32_t value) {
    const auto raw = static_cast<std::uint32_t>(value);
    return B({int(raw & 0xFF), int((raw >> 8) & 0xFF), int((raw >> 16) & 0xFF), int(raw >> 24)});
}

Bytes ShortName(const std::u16string& name) {
    Bytes out = B({0xFF, 0xFE, 0xFF, int(name.size())});
    for (char16_t unit : name) out.insert(out.end(), {std::uint8_t(unit), std::uint8_t(unit >> 8)});
    return out;
}

Bytes UnitBody(const CRegUnitConfig& unit) {
    return Concat({ShortName(unit.m_strName), Int32(unit.m_nMaxCount), Int32(unit.m_nAddressing),
                   Int32(unit.m_nByteLow), Int32(unit.m_nByteHigh), Int32(unit.m_nBitLow),
                   Int32(unit.m_nBitHigh), Int32(unit.m_nTypeNo), Int32(unit.m_nUnitBytes)});
}

// Name, flags and station range, all zero apart from the name.
Bytes PlainHead(const std::u16string& name) {
    return Concat({ShortName(name), Bytes(16, 0)});
}

const Bytes kDefaultSerial = Concat({Int32(0), Int32(3), Int32(1), Int32(0), Int32(0)});

std::vector<CPLC> Parse(const Bytes& bytes) {
    return CPlcTypeFile::Parse(bytes, "PlcTypes.DAT");
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

// True when parsing succeeds or fails with an archive error, false on any other failure.
bool ReadsOrRefuses(const Bytes& bytes) {
    try {
        Parse(bytes);
    } catch (const CArchiveError&) {
    } catch (...) {
        return false;
    }
    return true;
}

bool Mentions(const CArchiveError& error, const std::string& text) {
    return error.GetProblem().find(text) != std::string::npos;
}

std::vector<CPLC> SampleTypes() {
    CPLC modbus = MakePlc(
        u"Modbus(RTU)",
        {MakeUnit(u"4X", CRegUnitConfig::kByte, 1), MakeUnit(u"0X", CRegUnitConfig::kBit, 2)},
        CSerialComParam(1, 4, 1, 1, 2));
    modbus.m_bUseStation = 1;
    modbus.m_nStationMax = 247;
    return {modbus, MakePlc(u"Bare"), MakePlc(u"FX2N", {MakeUnit(u"D", 0, 3)})};
}

TEST(PlcTypeFileLayout, EmptyListIsTwoZeroBytesAndReadsBackEmpty) {
    EXPECT_EQ(CPlcTypeFile::Write({}), B({0, 0}));
    EXPECT_TRUE(Parse(B({0, 0})).empty());
}

TEST(PlcTypeFileLayout, FirstTypeWithUnitsGivesLaterTypesTag8001AndLaterUnits8003) {
    const CRegUnitConfig d = MakeUnit(u"D", CRegUnitConfig::kByte, 1);
    const CRegUnitConfig m = MakeUnit(u"M", CRegUnitConfig::kBit, 2);
    // clang-format off
    const Bytes expected = Concat({
        B({2, 0}),
        kNewPlcClass, PlainHead(u"A"), B({2, 0}),  // class 1, object 2
        kNewUnitClass, UnitBody(d),                 // class 3, object 4
        B({0x03, 0x80}), UnitBody(m),               // object 5
        kDefaultSerial,
        B({0x01, 0x80}), PlainHead(u"B"), B({1, 0}),
        B({0x03, 0x80}), UnitBody(d),
        kDefaultSerial,
    });
    // clang-format on
    EXPECT_EQ(CPlcTypeFile::Write({MakePlc(u"A", {d, m}), MakePlc(u"B", {d})}), expected);
}

TEST(PlcTypeFileLayout, TypeWithoutUnitsLeavesTheUnitClassToTheFirstLaterUnit) {
    const CRegUnitConfig d = MakeUnit(u"D", CRegUnitConfig::kByte, 1);
    // clang-format off
    const Bytes expected = Concat({
        B({3, 0}),
        kNewPlcClass, PlainHead(u"A"), B({0, 0}), kDefaultSerial,  // class 1, object 2
        B({0x01, 0x80}), PlainHead(u"B"), B({2, 0}),                // object 3
        kNewUnitClass, UnitBody(d),                                 // class 4, object 5
        B({0x04, 0x80}), UnitBody(d),                               // object 6
        kDefaultSerial,
        B({0x01, 0x80}), PlainHead(u"C"), B({1, 0}),                // object 7
        B({0x04, 0x80}), UnitBody(d),                               // object 8
        kDefaultSerial,
    });
    // clang-format on
    const std::vector<CPLC> types = {MakePlc(u"A"), MakePlc(u"B", {d, d}), MakePlc(u"C", {d})};
    const Bytes written = CPlcTypeFile::Write(types);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(Parse(written), types);
}

TEST(PlcTypeFileLayout, OneTypeWithOneUnitByteForByte) {
    CPLC plc = MakePlc(u"P", {MakeUnit(u"D", CRegUnitConfig::kByteAndBit, 0x0102, 15)},
                       CSerialComParam(1, 5, 0, 1, 2));
    plc.m_bUseStation = 1;
    plc.m_nStationMax = 31;
    const Bytes expected = Concat({
        B({0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00}),
        Ascii("CPLC"),
        B({0xFF, 0xFE, 0xFF, 0x01, 'P', 0x00}),
        B({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 31, 0, 0, 0}),
        B({0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x0E, 0x00}),
        Ascii("CRegUnitConfig"),
        B({0xFF, 0xFE, 0xFF, 0x01, 'D', 0x00}),
        B({8, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0x0F, 0x27, 0, 0, 0, 0, 0, 0, 15, 0, 0, 0}),
        B({0x02, 0x01, 0, 0, 2, 0, 0, 0}),
        B({1, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}),
    });
    EXPECT_EQ(CPlcTypeFile::Write({plc}), expected);
}

TEST(PlcTypeFileLayout, NamesOf255CharactersAndMoreUseTheLongLengthForms) {
    const std::u16string name254(254, u'x');
    const std::u16string name255(255, u'y');
    const std::u16string name65534(0xFFFE, u'z');
    const std::vector<CPLC> types = {MakePlc(name254), MakePlc(name255), MakePlc(name65534)};
    const Bytes written = CPlcTypeFile::Write(types);

    const std::size_t first = 2 + kNewPlcClass.size();
    EXPECT_EQ(Bytes(written.begin() + first, written.begin() + first + 4),
              B({0xFF, 0xFE, 0xFF, 0xFE}));
    const std::size_t second = first + 4 + 2 * 254 + 16 + 2 + 20 + 2;
    EXPECT_EQ(Bytes(written.begin() + second, written.begin() + second + 6),
              B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}));
    const std::size_t third = second + 6 + 2 * 255 + 16 + 2 + 20 + 2;
    EXPECT_EQ(Bytes(written.begin() + third, written.begin() + third + 10),
              B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(Parse(written), types);
}

TEST(PlcTypeFileReading, AcceptsTheLongCountForm) {
    const Bytes single = CPlcTypeFile::Write({MakePlc(u"A")});
    const Bytes longCount =
        Concat({B({0xFF, 0xFF, 1, 0, 0, 0}), Bytes(single.begin() + 2, single.end())});
    ASSERT_EQ(Parse(longCount).size(), 1u);
    EXPECT_EQ(Parse(longCount)[0].GetName(), u"A");
}

TEST(PlcTypeFileReading, ConvertsEightBitNamesFromCodePage936) {
    // "东芝" in GB2312, stored without the UTF-16 mark.
    const Bytes bytes = Concat({B({1, 0}), kNewPlcClass, B({4, 0xB6, 0xAB, 0xD6, 0xA5}),
                                Bytes(16, 0), B({0, 0}), kDefaultSerial});
    ASSERT_EQ(Parse(bytes).size(), 1u);
    EXPECT_EQ(Parse(bytes)[0].GetName(), u"东芝");
}

TEST(PlcTypeFileReading, KeepsTheStationLimitsOfTheFile) {
    const std::vector<CPLC> types = Parse(CPlcTypeFile::Write(SampleTypes()));
    ASSERT_EQ(types.size(), 3u);
    EXPECT_EQ(types[0], SampleTypes()[0]);
    EXPECT_EQ(types[0].m_nStationMax, 247);
    EXPECT_EQ(types[2].GetUnits()[0].m_strName, u"D");
}

TEST(PlcTypeFileDamage, EveryCutOfAValidFileIsAnArchiveError) {
    const Bytes whole = CPlcTypeFile::Write(SampleTypes());
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const Bytes cut(whole.begin(), whole.begin() + length);
        EXPECT_THROW(Parse(cut), CArchiveError) << "cut at " << length;
    }
}

TEST(PlcTypeFileDamage, AnyChangedByteReadsOrIsAnArchiveError) {
    const Bytes whole = CPlcTypeFile::Write(SampleTypes());
    for (std::size_t at = 0; at < whole.size(); ++at) {
        for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF}) {
            Bytes changed = whole;
            changed[at] = value;
            EXPECT_TRUE(ReadsOrRefuses(changed)) << "byte " << at << " set to " << int(value);
        }
    }
}

TEST(PlcTypeFileDamage, TrailingBytesAreNamedWithTheirOffset) {
    Bytes bytes = CPlcTypeFile::Write(SampleTypes());
    const std::size_t end = bytes.size();
    bytes.push_back(0);
    const CArchiveError error = ParseError(bytes);
    EXPECT_EQ(error.GetOffset(), end);
    EXPECT_TRUE(Mentions(error, "follow the last PLC type"));
}

TEST(PlcTypeFileDamage, AbsurdCountsAreRefusedBeforeAllocating) {
    EXPECT_TRUE(Mentions(ParseError(B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})), "cannot fit"));
    const Bytes unitCount = Concat({B({1, 0}), kNewPlcClass, PlainHead(u"A"),
                                    B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), kDefaultSerial});
    EXPECT_TRUE(Mentions(ParseError(unitCount), "cannot fit"));
}

TEST(PlcTypeFileDamage, UnknownClassIsRefused) {
    const Bytes bytes = Concat({B({1, 0, 0xFF, 0xFF, 0, 0, 4, 0}), Ascii("CFoo"), PlainHead(u"A"),
                                B({0, 0}), kDefaultSerial});
    const CArchiveError error = ParseError(bytes);
    EXPECT_TRUE(Mentions(error, "unknown class"));
    EXPECT_EQ(error.GetOffset(), 2u);
}

TEST(PlcTypeFileDamage, OtherRecordsAtTopLevelAreRefused) {
    CArchive unitAtTop("PlcTypes.DAT");
    std::uint32_t count = 1;
    unitAtTop.Count(count);
    const CRegUnitConfig unit = MakeUnit(u"D", 0, 1);
    unitAtTop.WriteObject(&unit);
    EXPECT_TRUE(Mentions(ParseError(unitAtTop.GetBytes()), "CRegUnitConfig"));

    CArchive serialAtTop("PlcTypes.DAT");
    serialAtTop.Count(count);
    const CSerialComParam serial;
    serialAtTop.WriteObject(&serial);
    // Padding so that the list count itself is plausible.
    Bytes bytes = serialAtTop.GetBytes();
    bytes.resize(bytes.size() + 40, 0);
    EXPECT_TRUE(Mentions(ParseError(bytes), "CSerialComParam"));
}

TEST(PlcTypeFileDamage, PlcTypeInsideAUnitListIsRefusedHoweverDeep) {
    Bytes bytes = Concat({B({1, 0}), kNewPlcClass, kEmptyName, Bytes(16, 0), B({1, 0})});
    const Bytes nested = Concat({B({0x01, 0x80}), kEmptyName, Bytes(16, 0), B({1, 0})});
    for (int depth = 0; depth < 100000; ++depth)
        bytes.insert(bytes.end(), nested.begin(), nested.end());
    const CArchiveError error = ParseError(bytes);
    EXPECT_TRUE(Mentions(error, "where an address unit (CRegUnitConfig) was expected"));
}

TEST(PlcTypeFileDamage, NullTagBackReferenceAndLargeIndexTagsAreRefused) {
    const Bytes first = Concat({kNewPlcClass, PlainHead(u"A"), B({0, 0}), kDefaultSerial});
    const Bytes rest = Concat({PlainHead(u"B"), B({0, 0}), kDefaultSerial});
    const Bytes nullTag = Concat({B({2, 0}), first, B({0x00, 0x00}), rest});
    const Bytes backReference = Concat({B({2, 0}), first, B({0x02, 0x00}), rest});
    const Bytes largeIndex = Concat({B({2, 0}), first, B({0xFF, 0x7F, 1, 0, 0, 0x80}), rest});
    for (const Bytes& bytes : {nullTag, backReference, largeIndex})
        EXPECT_EQ(ParseError(bytes).GetOffset(), 2 + first.size());
    EXPECT_TRUE(Mentions(ParseError(largeIndex), "0x7FFF"));
}

TEST(PlcTypeFileDamage, LargeIndexTagOnAUnitIsRefused) {
    const CRegUnitConfig d = MakeUnit(u"D", 0, 1);
    const Bytes head =
        Concat({B({1, 0}), kNewPlcClass, PlainHead(u"A"), B({2, 0}), kNewUnitClass, UnitBody(d)});
    const Bytes bytes = Concat({head, B({0xFF, 0x7F, 3, 0, 0, 0x80}), UnitBody(d), kDefaultSerial});
    const CArchiveError error = ParseError(bytes);
    EXPECT_EQ(error.GetOffset(), head.size());
    EXPECT_TRUE(Mentions(error, "0x7FFF"));
}

TEST(PlcTypeFileDamage, MessagesNameTheFile) {
    try {
        CPlcTypeFile::Parse(B({5}), "/opt/tavelo/PlcTypes.DAT");
        FAIL() << "damaged file was accepted";
    } catch (const CArchiveError& error) {
        EXPECT_EQ(error.GetProblem().rfind("/opt/tavelo/PlcTypes.DAT: ", 0), 0u);
    }
}

class PlcTypeFileOnDisk : public ::testing::Test {
protected:
    void WriteFile(const std::filesystem::path& file, const Bytes& bytes) {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    test::CTempDir m_dir;
};

TEST_F(PlcTypeFileOnDisk, LoadReadsWhatWriteMade) {
    const auto file = m_dir / "PlcTypes.DAT";
    WriteFile(file, CPlcTypeFile::Write(SampleTypes()));
    EXPECT_TRUE(CPlcTypeFile::IsPresent(file));
    EXPECT_EQ(CPlcTypeFile::Load(file), SampleTypes());
}

TEST_F(PlcTypeFileOnDisk, MissingFileIsAFileErrorAndNotPresent) {
    const auto file = m_dir / "PlcTypes.DAT";
    EXPECT_FALSE(CPlcTypeFile::IsPresent(file));
    EXPECT_THROW(CPlcTypeFile::Load(file), CFileError);
}

TEST_F(PlcTypeFileOnDisk, DirectoryOfThatNameIsNotPresent) {
    const auto file = m_dir / "PlcTypes.DAT";
    std::filesystem::create_directory(file);
    EXPECT_FALSE(CPlcTypeFile::IsPresent(file));
}

TEST_F(PlcTypeFileOnDisk, DamagedFileIsAnArchiveError) {
    const auto file = m_dir / "PlcTypes.DAT";
    WriteFile(file, B({1, 0}));
    EXPECT_TRUE(CPlcTypeFile::IsPresent(file));
    EXPECT_THROW(CPlcTypeFile::Load(file), CArchiveError);
}

TEST(PlcTypeFilePath, DeliveredFileLiesInTheProgramDirectory) {
    EXPECT_EQ(CPlcTypeFile::DefaultPath().filename(), "PlcTypes.DAT");
}

}  // namespace
}  // namespace tavelo
