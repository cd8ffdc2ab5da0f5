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

namespace tavelo {
namespace {

using test::Ascii;
using test::B;
using test::Bytes;
using test::Concat;
using test::MakePlc;
using test::MakeUnit;
using ::testing::HasSubstr;
using ::testing::StartsWith;

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

constexpr const char* kPath = "/opt/tavelo/PlcTypes.DAT";

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

// A list of one object that is not a PLC type, padded so that the list count is plausible.
Bytes AtTopLevel(const CSerializable& object) {
    CArchive archive(kPath);
    std::uint32_t count = 1;
    archive.Count(count);
    archive.WriteObject(&object);
    Bytes bytes = archive.GetBytes();
    bytes.resize(bytes.size() + 40, 0);
    return bytes;
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

TEST(PlcTypeFileReading, AcceptsTheLongCountFormAndEightBitNamesFromCodePage936) {
    const Bytes single = CPlcTypeFile::Write({MakePlc(u"A")});
    const std::pair<Bytes, std::u16string> cases[] = {
        {Concat({B({0xFF, 0xFF, 1, 0, 0, 0}), Bytes(single.begin() + 2, single.end())}), u"A"},
        // "东芝" in GB2312, stored without the UTF-16 mark.
        {Concat({B({1, 0}), kNewPlcClass, B({4, 0xB6, 0xAB, 0xD6, 0xA5}), Bytes(16, 0), B({0, 0}),
                 kDefaultSerial}),
         u"东芝"},
    };
    for (const auto& [bytes, name] : cases) {
        const std::vector<CPLC> types = Parse(bytes);
        ASSERT_EQ(types.size(), 1u);
        EXPECT_EQ(types[0].GetName(), name);
    }
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
    const Bytes valid = CPlcTypeFile::Write(SampleTypes());
    const CRegUnitConfig d = MakeUnit(u"D", 0, 1);
    const Bytes first = Concat({kNewPlcClass, PlainHead(u"A"), B({0, 0}), kDefaultSerial});
    const Bytes rest = Concat({PlainHead(u"B"), B({0, 0}), kDefaultSerial});
    const Bytes unitHead =
        Concat({B({1, 0}), kNewPlcClass, PlainHead(u"A"), B({2, 0}), kNewUnitClass, UnitBody(d)});
    const struct {
        Bytes bytes;
        std::string problem;
        std::size_t offset;
    } cases[] = {
        {Concat({valid, B({0})}), "follow the last PLC type", valid.size()},
        // Absurd list and unit counts are refused before allocating.
        {B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}), "cannot fit", kAnywhere},
        {Concat({B({1, 0}), kNewPlcClass, PlainHead(u"A"), B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
                 kDefaultSerial}),
         "cannot fit", kAnywhere},
        {Concat({B({1, 0, 0xFF, 0xFF, 0, 0, 4, 0}), Ascii("CFoo"), PlainHead(u"A"), B({0, 0}),
                 kDefaultSerial}),
         "unknown class", 2},
        {AtTopLevel(d), "CRegUnitConfig", kAnywhere},
        {AtTopLevel(CSerialComParam()), "CSerialComParam", kAnywhere},
        // A null tag, a back reference and a large index tag where the second type belongs.
        {Concat({B({2, 0}), first, B({0x00, 0x00}), rest}), "", 2 + first.size()},
        {Concat({B({2, 0}), first, B({0x02, 0x00}), rest}), "", 2 + first.size()},
        {Concat({B({2, 0}), first, B({0xFF, 0x7F, 1, 0, 0, 0x80}), rest}), "0x7FFF",
         2 + first.size()},
        // A large index tag where the second unit belongs.
        {Concat({unitHead, B({0xFF, 0x7F, 3, 0, 0, 0x80}), UnitBody(d), kDefaultSerial}), "0x7FFF",
         unitHead.size()},
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
    Bytes bytes = Concat({B({1, 0}), kNewPlcClass, kEmptyName, Bytes(16, 0), B({1, 0})});
    const Bytes nested = Concat({B({0x01, 0x80}), kEmptyName, Bytes(16, 0), B({1, 0})});
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
