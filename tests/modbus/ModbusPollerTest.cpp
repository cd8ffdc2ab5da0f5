#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "modbus/ModbusAddress.h"
#include "modbus/ModbusPoller.h"
#include "support/ModbusTestPeer.h"

namespace tavelo {
namespace {

using namespace std::chrono_literals;
using test::CModbusTestPeer;

constexpr auto kPatience = 5s;
constexpr std::int64_t kStation = CModbusTestPeer::kRtuStation;

CPollAddress At(std::int64_t unit, std::int64_t address) { return {kStation, unit, address}; }

// A poller of the peer that polls the given addresses (4X21 as a 4-byte value).
class ModbusPollerTest : public testing::TestWithParam<CModbusTestPeer::EKind> {
protected:
    std::unique_ptr<CModbusPoller> Poll(std::vector<CPollAddress> polled) {
        CModbusPollSettings settings;
        settings.m_endpoint = CModbusEndpoint::Parse(m_peer.GetEndpoint());
        settings.m_interval = 10ms;
        settings.m_timeout = 150ms;
        CPlcAddressList addresses;
        addresses.Add(At(kUnitHoldingRegister, 21), 4, "test", 0);
        auto poller = std::make_unique<CModbusPoller>(settings, addresses);
        poller->SetPolled(std::move(polled));
        return poller;
    }

    CModbusTestPeer m_peer{GetParam()};
};

TEST_P(ModbusPollerTest, ReadsEveryTableAtItsProtocolAddress) {
    m_peer.SetHolding(9, 1234);
    m_peer.SetHolding(20, 0x5678);  // the low word of 4X21's 4 bytes
    m_peer.SetHolding(21, 0x0001);
    m_peer.SetInput(4, 77);
    m_peer.SetCoil(2, true);
    m_peer.SetDiscrete(7, true);
    const struct {
        CPollAddress m_address;
        std::int64_t m_nExpected;
    } rows[] = {{At(kUnitHoldingRegister, 10), 1234}, {At(kUnitHoldingRegister, 21), 0x15678},
                {At(kUnitInputRegister, 5), 77},      {At(kUnitCoil, 3), 1},
                {At(kUnitCoil, 4), 0},                {At(kUnitDiscreteInput, 8), 1}};
    std::vector<CPollAddress> polled;
    for (const auto& row : rows) polled.push_back(row.m_address);
    const auto poller = Poll(polled);
    ASSERT_TRUE(poller->WaitForCycle(kPatience));
    EXPECT_EQ(poller->GetStatus(), "");
    for (const auto& row : rows)
        EXPECT_EQ(poller->Read(row.m_address), row.m_nExpected)
            << DescribeModbusAddress(row.m_address);
}

TEST_P(ModbusPollerTest, SendsCoilAndRegisterWritesAndReadsThemBack) {
    const auto poller = Poll({At(kUnitHoldingRegister, 21)});
    poller->Write(At(kUnitCoil, 6), 1);                     // function 5
    poller->Write(At(kUnitHoldingRegister, 12), 0xBEEF);    // function 6
    poller->Write(At(kUnitHoldingRegister, 21), 0x20003);  // function 16, low word first
    EXPECT_EQ(poller->Read(At(kUnitHoldingRegister, 12)), 0xBEEF);  // at once, before sent
    ASSERT_TRUE(poller->WaitForCycle(kPatience));
    EXPECT_EQ(poller->GetStatus(), "");
    EXPECT_TRUE(m_peer.GetCoil(5));
    EXPECT_EQ(m_peer.GetHolding(11), 0xBEEF);
    EXPECT_EQ(m_peer.GetHolding(20), 3);
    EXPECT_EQ(m_peer.GetHolding(21), 2);
    EXPECT_EQ(poller->Read(At(kUnitHoldingRegister, 21)), 0x20003);
}

TEST_P(ModbusPollerTest, ReportsExceptionsTimeoutsAndReadOnlyWritesWithTheAddress) {
    m_peer.RefuseAt(30);
    m_peer.IgnoreAt(40);
    m_peer.SetHolding(0, 5);
    const auto poller = Poll({At(kUnitHoldingRegister, 31), At(kUnitHoldingRegister, 1)});
    ASSERT_TRUE(poller->WaitForCycle(kPatience));
    EXPECT_NE(poller->GetStatus().find("station 1 4X31: read failed: Illegal data address"),
              std::string::npos)
        << poller->GetStatus();
    EXPECT_EQ(poller->Read(At(kUnitHoldingRegister, 1)), 5);  // the link went on

    poller->SetPolled({At(kUnitHoldingRegister, 41)});
    poller->Write(At(kUnitInputRegister, 3), 1);
    ASSERT_TRUE(poller->WaitForCycle(kPatience));
    const std::string status = poller->GetStatus();
    EXPECT_NE(status.find("station 1 3X3: write refused"), std::string::npos) << status;
    EXPECT_NE(status.find("station 1 4X41: read failed: Connection timed out"), std::string::npos)
        << status;
}

INSTANTIATE_TEST_SUITE_P(Peers, ModbusPollerTest,
                         testing::Values(CModbusTestPeer::EKind::Tcp, CModbusTestPeer::EKind::Rtu),
                         [](const auto& info) {
                             return info.param == CModbusTestPeer::EKind::Tcp ? "Tcp" : "Rtu";
                         });

TEST(ModbusPollerLink, ReconnectsAfterTheDeviceDropsTheConnection) {
    CModbusTestPeer peer(CModbusTestPeer::EKind::Tcp);
    CModbusPollSettings settings;
    settings.m_endpoint = CModbusEndpoint::Parse(peer.GetEndpoint());
    settings.m_interval = 10ms;
    CModbusPoller poller(settings, {});
    poller.SetPolled({At(kUnitHoldingRegister, 1)});
    ASSERT_TRUE(poller.WaitForCycle(kPatience));
    peer.DropClient();
    peer.SetHolding(0, 42);
    // The cycle that meets the closed connection fails; a later one connects again.
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (poller.Read(At(kUnitHoldingRegister, 1)) != 42 &&
           std::chrono::steady_clock::now() < deadline)
        poller.WaitForCycle(kPatience);
    EXPECT_EQ(poller.Read(At(kUnitHoldingRegister, 1)), 42);
}

TEST(ModbusPollerLink, ReportsADeviceThatCannotBeReachedAndStopsAtOnce) {
    CModbusPollSettings settings;
    settings.m_endpoint = CModbusEndpoint::Parse("rtu:/nonexistent/tty");
    CModbusPoller poller(settings, {});
    ASSERT_TRUE(poller.WaitForCycle(kPatience));
    EXPECT_NE(poller.GetStatus().find("rtu:/nonexistent/tty: cannot connect"), std::string::npos)
        << poller.GetStatus();
}

}  // namespace
}  // namespace tavelo
