#include <gtest/gtest.h>

#include <stdexcept>

#include "modbus/ModbusAddress.h"
#include "modbus/ModbusEndpoint.h"

namespace tavelo {
namespace {

TEST(ModbusEndpoint, ReadsTcpAndRtuLinksAndRefusesOthers) {
    const struct {
        const char* m_pszText;
        const char* m_pszDescribed;  // null: refused
    } rows[] = {{"tcp:plc.local", "tcp:plc.local:502"}, {"tcp:10.1.2.3:1502", "tcp:10.1.2.3:1502"},
                {"tcp:[::1]:5020", "tcp:[::1]:5020"},   {"rtu:/dev/ttyUSB0", "rtu:/dev/ttyUSB0"},
                {"tcp:", nullptr},  {"tcp:host:0", nullptr}, {"tcp:host:70000", nullptr},
                {"tcp:[::1", nullptr}, {"tcp::502", nullptr}, {"rtu:", nullptr}, {"udp:x", nullptr}};
    for (const auto& row : rows) {
        if (row.m_pszDescribed)
            EXPECT_EQ(CModbusEndpoint::Parse(row.m_pszText).Describe(), row.m_pszDescribed);
        else
            EXPECT_THROW(CModbusEndpoint::Parse(row.m_pszText), std::invalid_argument) << row.m_pszText;
    }
}

TEST(ModbusEndpoint, TakesTheSerialLineFromTheLinkFormatByte) {
    // Baud code 6, even parity, 8 data bits, one stop bit; then 38400, odd, 7 bits, two stop bits.
    const CSerialLine common = CSerialLine::FromLinkFormat(0x06 | 0x20 | 0x80);
    EXPECT_EQ(std::tie(common.m_nBaud, common.m_chParity, common.m_nDataBits, common.m_nStopBits),
              std::make_tuple(19200, 'E', 8, 1));
    const CSerialLine other = CSerialLine::FromLinkFormat(0x08 | 0x10 | 0x40);
    EXPECT_EQ(std::tie(other.m_nBaud, other.m_chParity, other.m_nDataBits, other.m_nStopBits),
              std::make_tuple(38400, 'O', 7, 2));
}

TEST(ModbusAddress, RefusesWhatNamesNoPlaceOnADevice) {
    for (const CPollAddress address : {CPollAddress{0, 1, 1}, CPollAddress{248, 1, 1},
                                       CPollAddress{1, 5, 1}, CPollAddress{1, 1, 0}})
        EXPECT_FALSE(MapToModbus(address, 2)) << DescribeModbusAddress(address);
    EXPECT_FALSE(MapToModbus({1, 1, 65536}, 4));  // its second register would lie beyond
    EXPECT_TRUE(MapToModbus({1, 1, 65536}, 2));
}

}  // namespace
}  // namespace tavelo
