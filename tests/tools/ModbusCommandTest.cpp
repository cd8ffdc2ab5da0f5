#include <gtest/gtest.h>

#include "model/FileBytes.h"
#include "support/CliRun.h"
#include "support/ModbusTestPeer.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace tavelo {
namespace {

using test::CModbusTestPeer;
using test::RunCommand;

// On the lamp-key image (cli-emulate/note.txt) the lamp of screen 2 is coil 0X5 (protocol
// address 4) and screen 3's ESC key sets it: render reads it from the device, emulate writes it
// there; a project of another PLC type and a link that names nothing are refused.
TEST(ModbusCommands, RenderReadsAndEmulateWritesTheDevice) {
    const test::CTempDir dir;
    const auto path = [&](const char* name) { return (dir / name).string(); };
    const std::string image = test::TestDataPath("cli-emulate/lamp-key.img").string();
    const std::string lit = "station,unit,address,value\n1,3,5,1\n";
    WriteFileAtomically(path("lit.csv"), std::vector<std::uint8_t>(lit.begin(), lit.end()));
    ASSERT_EQ(RunCommand({"render", image, "--values", path("lit.csv"), "-o", path("lit.png")}).exitCode, 0);
    ASSERT_EQ(RunCommand({"new", path("p.ZORX")}).exitCode, 0);

    for (const auto kind : {CModbusTestPeer::EKind::Tcp, CModbusTestPeer::EKind::Rtu}) {
        CModbusTestPeer peer(kind);
        const auto emulated = RunCommand({"emulate", image, "--modbus", peer.GetEndpoint()},
                                         "DOWN\nESC\nquit\n");
        EXPECT_EQ(emulated.exitCode, 0) << emulated.err;
        EXPECT_EQ(emulated.out.find("modbus:"), std::string::npos) << emulated.out;
        EXPECT_TRUE(peer.GetCoil(4));
        const auto rendered =
            RunCommand({"render", image, "--modbus", peer.GetEndpoint(), "-o", path("device.png")});
        EXPECT_EQ(rendered.exitCode, 0) << rendered.err;
        EXPECT_EQ(ReadFileBytes(path("device.png")), ReadFileBytes(path("lit.png")));
    }

    const struct {
        cli::Arguments args;
        std::string err;
    } refused[] = {
        {{"render", path("p.ZORX"), "--modbus", "tcp:127.0.0.1", "-o", path("b.png")},
         "tavelo-cli render: --modbus needs the PLC type Modbus(RTU); the project's is "},
        {{"emulate", image, "--modbus", "udp:host"},
         "tavelo-cli emulate: \"udp:host\" names no Modbus link (expected tcp:HOST[:PORT] or "
         "rtu:DEVICE)\n"},
        {{"render", image, "--modbus", "rtu:/nonexistent/tty", "-o", path("b.png")},
         "tavelo-cli render: rtu:/nonexistent/tty: cannot connect: No such file or directory\n"},
    };
    for (const auto& row : refused) {
        const auto run = RunCommand(row.args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err.substr(0, row.err.size()), row.err);
    }
    EXPECT_FALSE(std::filesystem::exists(path("b.png")));
}

}  // namespace
}  // namespace tavelo
