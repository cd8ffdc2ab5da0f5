#include <gtest/gtest.h>

#include "link/MemoryPipe.h"
#include "link/PortName.h"
#include "tests/support/ByteHelpers.h"

namespace tavelo {
namespace {

TEST(PortName, ProjectNumbersOutsideOneToFourOpenCom1) {
    const std::pair<int, const char*> cases[] = {{0, "COM1"}, {1, "COM1"}, {3, "COM3"},
                                                 {4, "COM4"}, {5, "COM1"}, {255, "COM1"}};
    for (const auto& [number, name] : cases)
        EXPECT_EQ(PortNameOfNumber(static_cast<std::uint8_t>(number)), name) << number;
}

TEST(PortName, ComNamesMapToDevicesAndPathsStayAsTyped) {
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "/dev/ttyS0"}, {"com4:", "/dev/ttyS3"},      {"COM5", "COM5"},
        {"COM", "COM"},         {"/dev/pts/7", "/dev/pts/7"}, {"COM12", "COM12"},
    };
    for (const auto& [name, device] : cases) EXPECT_EQ(ResolvePortDevice(name), device) << name;
    EXPECT_EQ(ResolvePortDevice("COM2", "/dev/ttyUSB"), "/dev/ttyUSB1");
}

TEST(MemoryPipe, EachEndReadsWhatTheOtherWroteAndIsWokenForIt) {
    CMemoryPipe pipe;
    int wakeUps = 0;
    pipe.GetPanelEnd().SetDataHandler([&] { ++wakeUps; });
    pipe.GetPcEnd().Write(test::B({1, 2}));
    pipe.GetPcEnd().Write(test::B({3}));
    EXPECT_EQ(wakeUps, 2);
    EXPECT_EQ(pipe.GetPanelEnd().ReadAvailable(), test::B({1, 2, 3}));
    EXPECT_TRUE(pipe.GetPanelEnd().ReadAvailable().empty());
    EXPECT_TRUE(pipe.GetPcEnd().ReadAvailable().empty());
    pipe.GetPanelEnd().Write(test::B({9}));
    EXPECT_EQ(pipe.GetPcEnd().ReadAvailable(), test::B({9}));
    EXPECT_FALSE(pipe.GetPcEnd().SetRts(true));
}

}  // namespace
}  // namespace tavelo
