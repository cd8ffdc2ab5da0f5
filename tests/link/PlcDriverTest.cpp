#include <gtest/gtest.h>

#include "link/LinkMessages.h"
#include "link/PlcDriver.h"
#include "model/FileBytes.h"
#include "tests/support/ByteHelpers.h"
#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

using test::Ascii;

void WriteBytes(const std::filesystem::path& file, std::size_t size, std::uint8_t value = 0x3C) {
    std::vector<std::uint8_t> bytes(size, value);
    WriteFileAtomically(file, bytes);
}

TEST(PlcDriver, IdentifierIsTwoDigitsPerPlcType) {
    const auto index = Ascii("0142x9");
    EXPECT_EQ(DriverIdOf(index, 0), 1);
    EXPECT_EQ(DriverIdOf(index, 1), 42);
    EXPECT_FALSE(DriverIdOf(index, 2));  // not digits
    EXPECT_FALSE(DriverIdOf(index, 3));  // beyond the file
    const std::vector<std::uint8_t> long_index(300, '5');
    EXPECT_EQ(DriverIdOf(long_index, 99), 55);
    EXPECT_FALSE(DriverIdOf(long_index, 100));  // only 200 bytes are read
}

TEST(PlcDriver, FileNamesMatchBySixthAndEighthCharacter) {
    const struct {
        const char* name;
        int id;
        bool fits;
    } cases[] = {
        {"drv_a4b2.dat", 42, true},      {"DRV_A4B2.DAT", 42, true}, {"drv_a4b2.bin", 42, false},
        {"drv_a2b4.dat", 42, false},     {"xxxxx0x7.dat", 7, true},  {"x.dat", 7, false},
        {"200590901222.dat", 99, false}, {"PlcTypes.DAT", 0, false}, {"GRAPH.DAT", 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsDriverFileOf(c.name, static_cast<std::uint8_t>(c.id)), c.fits) << c.name;
}

TEST(PlcDriver, LookupFindsTheFirstMatchAcrossFoldersAndReportsEachFailure) {
    test::CTempDir program, user;
    WriteFileAtomically(program / kDriverIndexFileName, Ascii("0399041155"));
    WriteBytes(program / "PlcTypes.DAT", 40);
    WriteBytes(user / "drv_a0b3.dat", 600, 0x21);
    WriteBytes(user / "drv_z0z3.dat", 600, 0x22);
    WriteBytes(program / "drv_a1b1.dat", 1024);
    WriteBytes(user / "drv_a5b5.dat", 100);
    const std::vector<std::filesystem::path> folders = {program.Path(), user.Path()};

    const auto found = FindPlcDriver(program.Path(), folders, 0);
    ASSERT_TRUE(found.m_driver) << found.m_strReason;
    EXPECT_EQ(found.m_driver->m_nDriverId, 3);
    EXPECT_EQ(found.m_driver->m_file.filename(), "drv_a0b3.dat");
    EXPECT_EQ(found.m_driver->GetBlockCount(), 8u);
    EXPECT_EQ(found.m_driver->m_bytes[1], 0x21);

    const struct {
        std::uint8_t plcIndex;
        const char16_t* message;
    } failures[] = {
        {1, link_messages::kUnsupportedPlc},  // 99: only the index itself would match
        {2, link_messages::kUnsupportedPlc},  // 04: no file
        {3, link_messages::kDriverMisfit},    // 11: whole 512-byte units
        {5, link_messages::kUnsupportedPlc},  // beyond the index
    };
    for (const auto& f : failures) {
        const auto lookup = FindPlcDriver(program.Path(), folders, f.plcIndex);
        EXPECT_FALSE(lookup.m_driver) << int(f.plcIndex);
        EXPECT_EQ(lookup.m_strMessage, f.message) << int(f.plcIndex);
    }
    EXPECT_TRUE(FindPlcDriver(program.Path(), folders, 4).m_driver);

    test::CTempDir empty;
    const auto missing = FindPlcDriver(empty.Path(), folders, 0);
    EXPECT_EQ(missing.m_strMessage, link_messages::kNoDriverIndex);
    EXPECT_NE(missing.m_strReason.find(kDriverIndexFileName), std::string::npos);
}

}  // namespace
}  // namespace tavelo
