#include <gtest/gtest.h>

#include "model/LinkSettings.h"
#include "plc/LinkFormatByte.h"

namespace tavelo {
namespace {

CLinkSettings Serial(int baud, int parity, int dataBits, int stopBits) {
    CLinkSettings settings;
    settings.m_nBaudCode = static_cast<std::uint8_t>(baud);
    settings.m_nParityChoice = static_cast<std::uint8_t>(parity);
    settings.m_nDataBitsChoice = static_cast<std::uint8_t>(dataBits);
    settings.m_nStopBitsChoice = static_cast<std::uint8_t>(stopBits);
    return settings;
}

TEST(LinkFormatByte, DefaultsGive9600EvenSevenBitsOneStopBit) {
    // Baud code 5, parity 2 in bits 4-5, data-bits choice 1 in bit 6, stop-bits choice 1 in bit 7.
    EXPECT_EQ(LinkFormatByte(CLinkSettings()), 0xE5);
}

TEST(LinkFormatByte, EachFieldHasItsOwnBits) {
    EXPECT_EQ(LinkFormatByte(Serial(8, 0, 0, 0)), 0x08);
    EXPECT_EQ(LinkFormatByte(Serial(0, 1, 0, 0)), 0x10);
    EXPECT_EQ(LinkFormatByte(Serial(0, 2, 0, 0)), 0x20);
    EXPECT_EQ(LinkFormatByte(Serial(0, 0, 1, 0)), 0x40);
    EXPECT_EQ(LinkFormatByte(Serial(0, 0, 0, 1)), 0x80);
    EXPECT_EQ(LinkFormatByte(Serial(2, 1, 0, 1)), 0x92);
}

TEST(LinkFormatByte, OutOfRangeValuesDoNotSpillIntoOtherFields) {
    EXPECT_EQ(LinkFormatByte(Serial(0x1F, 0, 0, 0)), 0x0F);
    EXPECT_EQ(LinkFormatByte(Serial(0, 7, 0, 0)), 0x30);
    EXPECT_EQ(LinkFormatByte(Serial(0, 0, 3, 2)), 0x40);
}

}  // namespace
}  // namespace tavelo
