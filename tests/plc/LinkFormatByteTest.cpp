#include <gtest/gtest.h>

#include "model/LinkSettings.h"
#include "plc/LinkFormatByte.h"

namespace tavelo {
namespace {

TEST(LinkFormatByte, EachFieldHasItsOwnBitsAndOutOfRangeValuesDoNotSpill) {
    // Baud code 5, parity 2 in bits 4-5, data-bits choice 1 in bit 6, stop-bits choice 1 in bit 7.
    EXPECT_EQ(LinkFormatByte(CLinkSettings(), 0), 0xE5);
    const int cases[][5] = {
        // baud, parity, data bits, stop bits, byte
        {8, 0, 0, 0, 0x08},    {0, 1, 0, 0, 0x10}, {0, 2, 0, 0, 0x20},
        {0, 0, 1, 0, 0x40},    {0, 0, 0, 1, 0x80}, {2, 1, 0, 1, 0x92},
        {0x1F, 0, 0, 0, 0x0F}, {0, 7, 0, 0, 0x30}, {0, 0, 3, 2, 0x40},
    };
    for (const auto& c : cases) {
        CLinkSettings settings;
        settings.m_nBaudCode = static_cast<std::uint8_t>(c[0]);
        settings.m_nParityChoice = static_cast<std::uint8_t>(c[1]);
        settings.m_nDataBitsChoice = static_cast<std::uint8_t>(c[2]);
        settings.m_nStopBitsChoice = static_cast<std::uint8_t>(c[3]);
        EXPECT_EQ(LinkFormatByte(settings, 0), c[4])
            << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
    }
}

TEST(LinkFormatByte, PlcIndexes4And5AlwaysSendOneStopBit) {
    CLinkSettings twoStopBits;
    twoStopBits.m_nStopBitsChoice = 0;
    const struct {
        std::uint8_t plcIndex, parity, dataBits, byte;
    } cases[] = {
        {3, 1, 0, 0x15},
        {4, 1, 0, 0x95},
        {5, 2, 1, 0xE5},
        {6, 2, 1, 0x65},
    };
    for (const auto& c : cases) {
        twoStopBits.m_nParityChoice = c.parity;
        twoStopBits.m_nDataBitsChoice = c.dataBits;
        EXPECT_EQ(LinkFormatByte(twoStopBits, c.plcIndex), c.byte) << int{c.plcIndex};
    }
}

}  // namespace
}  // namespace tavelo
