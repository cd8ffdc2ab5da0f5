#pragma once
// What the simulation window runs, without widgets: the compiled image of the open project, the
// panel emulator on it, the PLC it reads (the table of values, or a Modbus device), the trends
// that move chosen table values, and the panel's clock. The window only shows it and feeds it
// keys and ticks; tests drive it alike.

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "emulator/BuiltInDigits.h"
#include "emulator/LcdFrame.h"
#include "emulator/PanelEmulator.h"
#include "emulator/PanelImage.h"
#include "emulator/PlcAddressList.h"
#include "emulator/ScreenRenderer.h"
#include "emulator/TrendHistory.h"
#include "emulator/ValueTrend.h"
#include "emulator/VirtualPlc.h"
#include "modbus/ModbusPoller.h"

namespace tavelo {

class CSimulation : private IPlcMemory {
public:
    // Without the digits registers show blank fields, as on a renderer made without them.
    explicit CSimulation(CBuiltInDigits digits = {});
    ~CSimulation() override;

    // Runs a new image from its initial screen, or from `screen` when the image has it. The
    // table keeps its values; a device keeps its link. An image that does not load leaves
    // nothing running and its reason in GetError.
    void Load(std::vector<std::uint8_t> image, std::optional<std::int64_t> screen);
    bool IsRunning() const { return m_panel != nullptr; }
    const std::string& GetError() const { return m_strError; }
    const std::vector<std::uint8_t>& GetImageBytes() const { return m_imageBytes; }
    const CPanelImage* GetImage() const { return m_image.get(); }
    // The running panel, or null.
    const CPanelEmulator* GetPanel() const { return m_panel.get(); }

    void Press(EPanelKey key);
    void Release(EPanelKey key);
    // Time passing: the panel's clock, the trends of the table and the trend graphs' samples.
    void Elapse(std::chrono::milliseconds time);
    // The LCD as the panel shows it now; dark when nothing runs.
    CLcdFrame Draw() const;

    // Every address of the image with the records that use it.
    const CPlcAddressList& GetAddresses() const { return m_addresses; }
    // The value the panel reads at the address now.
    std::int64_t ReadValue(const CPollAddress& address) const { return Read(address); }
    // A value typed into the table: written to the device when one is used.
    void SetValue(const CPollAddress& address, std::int64_t value) { Write(address, value); }
    CVirtualPlc& GetTable() { return m_table; }
    void ReplaceTable(CVirtualPlc table) { m_table = std::move(table); }

    // A trend moves the table value of the address from now on; none stops it.
    void SetTrend(const CPollAddress& address, std::optional<CValueTrend> trend);
    const std::map<CPollAddress, CValueTrend>& GetTrends() const { return m_trends; }

    // The device to read instead of the table, or null for the table.
    void UseDevice(std::unique_ptr<CModbusPoller> device);
    bool UsesDevice() const { return m_device != nullptr; }
    // The device's faults of its last poll; empty for the table.
    std::string GetDeviceStatus() const;

private:
    std::int64_t Read(const CPollAddress& address) const override;
    void Write(const CPollAddress& address, std::int64_t value) override;
    void MoveTrends();
    void PollShownScreen();

    CBuiltInDigits m_digits;
    std::vector<std::uint8_t> m_imageBytes;
    std::unique_ptr<CPanelImage> m_image;
    CPlcAddressList m_addresses;
    std::unique_ptr<CScreenRenderer> m_renderer;
    std::unique_ptr<CTrendHistory> m_history;
    std::unique_ptr<CPanelEmulator> m_panel;
    std::string m_strError;

    CVirtualPlc m_table;
    std::unique_ptr<CModbusPoller> m_device;
    std::map<CPollAddress, CValueTrend> m_trends;
    std::mt19937 m_random;
    std::chrono::milliseconds m_clock{0};
};

}  // namespace tavelo
