#include <gtest/gtest.h>

#include "model/LinkSettings.h"
#include "plc/LinkFormatByte.h"

namespace tavelo {
namespace {

// Baud code in bits 0-3, parity in 4-5, data-bits choice in bit 6, stop-bits choice in bit 7;
// PLC list indexes 4 and 5 always send one stop bit (index 4 with two stop bits once gave 0x15).
TEST(LinkFormatByte, EachFieldHasItsOwnBitsAndOutOfRangeValuesDoNotSpill) {
    EXPECT_EQ(LinkFormatByte(CLinkSettings(), 0), 0xE5);
    const int cases[][6] = {
        // baud, parity, data bits, stop bits, PLC list index, byte
        {8, 0, 0, 0, 0, 0x08},    {0, 1, 0, 0, 0, 0x10}, {0, 2, 0, 0, 0, 0x20},
        {0, 0, 1, 0, 0, 0x40},    {0, 0, 0, 1, 0, 0x80}, {2, 1, 0, 1, 0, 0x92},
        {0x1F, 0, 0, 0, 0, 0x0F}, {0, 7, 0, 0, 0, 0x30}, {0, 0, 3, 2, 0, 0x40},
        {5, 1, 0, 0, 3, 0x15},    {5, 1, 0, 0, 4, 0x95}, {5, 2, 1, 0, 5, 0xE5},
        {5, 2, 1, 0, 6, 0x65},
    };
    for (const auto& c : cases) {
        CLinkSettings settings;
        settings.m_nBaudCode = static_cast<std::uint8_t>(c[0]);
        settings.m_nParityChoice = static_cast<std::uint8_t>(c[1]);
        settings.m_nDataBitsChoice = static_cast<std::uint8_t>(c[2]);
        settings.m_nStopBitsChoice = static_cast<std::uint8_t>(c[3]);
        EXPECT_EQ(LinkFormatByte(settings, static_cast<std::uint8_t>(c[4])), c[5])
            << c[0] << " " << c[1] << " " << c[2] << " " << c[3] << " " << c[4];
    }
}

}  // namespace
}  // namespace tavelo
