#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "link/PlcDriver.h"
#include "model/FileBytes.h"
#include "model/TextCodec.h"
#include "plc/PlcTypeFile.h"
#include "tools/plcgen/PlcTypeSource.h"

namespace tavelo {
namespace {

// Positions that rules of the program key on.
constexpr std::size_t kNoAlarmsIndex = 13;
constexpr std::size_t kFatekIndex = 15;
constexpr std::size_t kModbusRtuIndex = 16;
// The download forces one stop bit at these, and counts alarm bits in 16-bit words at those.
constexpr std::size_t kOneStopBitIndexes[] = {4, 5};
constexpr std::size_t kWordAlarmIndexes[] = {4, 7, 8};

bool IsBitUnit(const CRegUnitConfig& unit) {
    return unit.m_nAddressing == CRegUnitConfig::kBit ||
           unit.m_nAddressing == CRegUnitConfig::kByteAndBit;
}

template <class Predicate>
bool AnyUnit(const CPLC& type, Predicate predicate) {
    return std::any_of(type.m_units.begin(), type.m_units.end(), predicate);
}

std::string Describe(const CPLC& type, const CRegUnitConfig& unit) {
    return ToUtf8(type.m_strName) + " unit \"" + ToUtf8(unit.m_strName) + "\"";
}

// The files beside the program, as the build delivers them.
class DeliveredPlcTypes : public testing::Test {
protected:
    const CPLC& Find(const std::u16string& name) const {
        const auto found = std::find_if(m_types.begin(), m_types.end(),
                                        [&](const CPLC& type) { return type.m_strName == name; });
        if (found == m_types.end()) throw std::runtime_error("no PLC type " + ToUtf8(name));
        return *found;
    }

    const std::filesystem::path m_bin =
        std::getenv("TAVELO_BIN_DIR") ? std::getenv("TAVELO_BIN_DIR") : ".";
    const std::vector<CPLC> m_types = CPlcTypeFile::Load(m_bin / "PlcTypes.DAT");
};

TEST_F(DeliveredPlcTypes, GeneratedFilesHoldExactlyWhatTheSourcesSay) {
    EXPECT_EQ(m_types, CPlcTypeSource::Load(TAVELO_PLCTYPES_SOURCE));
    // The driver index has one two-digit identifier per type.
    const auto index = ReadFileBytes(m_bin / kDriverIndexFileName);
    EXPECT_EQ(index.size(), 2 * m_types.size());
    for (std::size_t i = 0; i < m_types.size(); ++i)
        EXPECT_TRUE(DriverIdOf(index, static_cast<std::uint8_t>(i))) << i;
}

TEST_F(DeliveredPlcTypes, RuleBearingPositionsAndNamesHoldTheirTypes) {
    ASSERT_EQ(m_types.size(), 17u);
    EXPECT_EQ(m_types[kModbusRtuIndex].m_strName, u"Modbus(RTU)");
    EXPECT_LE(m_types[kModbusRtuIndex].m_nStationMax, 247);
    EXPECT_EQ(m_types[kFatekIndex].m_strName, u"永宏(MU/MA)");
    // The alarm list refuses position 13 because its protocol has no bits to watch.
    EXPECT_FALSE(AnyUnit(m_types[kNoAlarmsIndex], IsBitUnit));
    for (std::size_t index : kOneStopBitIndexes)
        EXPECT_EQ(m_types[index].m_serial.m_nStopBits, 0) << "position " << index;
    for (std::size_t index : kWordAlarmIndexes) {
        for (const CRegUnitConfig& unit : m_types[index].m_units)
            EXPECT_TRUE(unit.m_nAddressing != CRegUnitConfig::kByteAndBit || unit.m_nBitHigh == 15)
                << Describe(m_types[index], unit);
    }
    for (const char16_t* name : {u"东芝", u"AB(SLC500)", u"夏普"}) Find(name);
    // The alarm list's rule for 泽拓 stops at a bit unit's bit limit, the one for S7-200 at a
    // byte area's end: each needs such units.
    EXPECT_TRUE(AnyUnit(Find(u"泽拓"), [](const auto& unit) {
        return unit.m_nAddressing == CRegUnitConfig::kBit;
    }));
    EXPECT_TRUE(AnyUnit(Find(u"西门子S7-200"), [](const auto& unit) {
        return unit.m_nAddressing == CRegUnitConfig::kByteAndBit && unit.m_nBitHigh == 7;
    }));
    // The system settings give control registers of these units their own names, and list only
    // byte-addressed units that are 2 bytes wide.
    for (const char16_t* name :
         {u"D", u"DT", u"4X", u"DM", u"PV ", u"LR ", u"SR ", u"HR ", u"AR ", u"IR ", u"VW"}) {
        int found = 0;
        for (const CPLC& type : m_types) {
            const CRegUnitConfig* unit = type.FindUnit(name);
            found += unit != nullptr;
            EXPECT_TRUE(!unit ||
                        (unit->m_nAddressing == CRegUnitConfig::kByte && unit->m_nUnitBytes == 2))
                << Describe(type, *unit);
        }
        EXPECT_GT(found, 0) << "no PLC type has a unit \"" << ToUtf8(name) << "\"";
    }
}

TEST_F(DeliveredPlcTypes, EveryTypeOffersWhatNewElementsSettingsAndAlarmsNeed) {
    for (std::size_t index = 0; index < m_types.size(); ++index) {
        const CPLC& type = m_types[index];
        const std::string name = ToUtf8(type.m_strName);
        // New elements start with unit type 1, a register unit.
        const auto first = std::find_if(type.m_units.begin(), type.m_units.end(),
                                        [](const auto& unit) { return unit.m_nTypeNo == 1; });
        ASSERT_NE(first, type.m_units.end()) << name;
        EXPECT_EQ(first->m_nAddressing, CRegUnitConfig::kByte) << name;
        // The control register of the system settings needs a 2-byte word unit.
        EXPECT_TRUE(AnyUnit(type, [](const auto& unit) {
            return unit.m_nAddressing == CRegUnitConfig::kByte && unit.m_nUnitBytes == 2;
        })) << name;
        EXPECT_TRUE(index == kNoAlarmsIndex || AnyUnit(type, IsBitUnit)) << name;
        // The alarm dialog lists the bit units in reverse order and reselects the first entry
        // that begins with the stored name, so a later bit unit must not extend an earlier one's.
        const auto& units = type.m_units;
        for (std::size_t earlier = 0; earlier < units.size(); ++earlier) {
            for (std::size_t later = earlier + 1; later < units.size(); ++later)
                EXPECT_FALSE(IsBitUnit(units[earlier]) && IsBitUnit(units[later]) &&
                             units[later].m_strName.starts_with(units[earlier].m_strName))
                    << Describe(type, units[later]) << " hides " << Describe(type, units[earlier]);
        }
    }
}

}  // namespace
}  // namespace tavelo
