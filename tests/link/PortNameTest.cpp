#include <gtest/gtest.h>

#include "link/PortName.h"
#include "model/FileBytes.h"
#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

TEST(PortName, ProjectNumbersOutsideOneToFourOpenCom1) {
    const std::pair<int, const char*> cases[] = {{0, "COM1"}, {1, "COM1"}, {3, "COM3"},
                                                 {4, "COM4"}, {5, "COM1"}, {255, "COM1"}};
    for (const auto& [number, name] : cases)
        EXPECT_EQ(PortNameOfNumber(static_cast<std::uint8_t>(number)), name) << number;
}

TEST(PortName, TypedNamesFindTheirDeviceOrNameEveryPathTried) {
    test::CTempDir dir;
    WriteFileAtomically(dir / "tty1", {});
    std::filesystem::create_symlink("/dev/null", dir / "mypty");
    const std::string prefix = (dir / "tty").string();
    const std::string mypty = (dir / "mypty").string();
    const struct {
        std::string name;
        std::string device;  // empty: none found
        std::vector<std::string> tried;
    } cases[] = {
        {"COM2", prefix + "1", {}},
        {"com4:", "", {prefix + "3"}},
        // A name that exists as given is used as given, however bare.
        {"mypty", mypty, {}},
        {"./mypty", mypty, {}},
        {mypty, mypty, {}},
        {"null", "/dev/null", {}},
        {"COM5", "", {"COM5", "/dev/COM5"}},
        {"no-such-tty", "", {"no-such-tty", "/dev/no-such-tty"}},
        {"sub/mypty", "", {"sub/mypty"}},
    };
    const auto workingDirectory = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    for (const auto& c : cases) {
        const CPortLookup lookup = LookUpPortDevice(c.name, prefix);
        EXPECT_EQ(lookup.m_strDevice, c.device) << c.name;
        if (!c.device.empty()) continue;
        EXPECT_EQ(lookup.m_strError.rfind(c.name + ": no such device (tried ", 0), 0u)
            << lookup.m_strError;
        for (const std::string& path : c.tried)
            EXPECT_NE(lookup.m_strError.find(path), std::string::npos) << lookup.m_strError;
    }
    std::filesystem::current_path(workingDirectory);
}

}  // namespace
}  // namespace tavelo
