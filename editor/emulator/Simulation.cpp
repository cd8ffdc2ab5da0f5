#include "Simulation.h"

#include "emulator/PanelDisplay.h"

namespace tavelo {

CSimulation::CSimulation(CBuiltInDigits digits) : m_digits(std::move(digits)) {}

CSimulation::~CSimulation() = default;

void CSimulation::Load(std::vector<std::uint8_t> image, std::optional<std::int64_t> screen) {
    m_panel.reset();
    m_history.reset();
    m_renderer.reset();
    m_imageBytes = image;
    m_image = std::make_unique<CPanelImage>(CPanelImage::Load(std::move(image)));
    m_addresses = CPlcAddressList(*m_image);
    m_strError = m_image->GetError();
    if (!m_image->IsLoaded()) return;
    m_renderer = std::make_unique<CScreenRenderer>(*m_image, m_digits);
    m_history = std::make_unique<CTrendHistory>(*m_image);
    m_history->Sample(m_clock, *this);
    m_panel = std::make_unique<CPanelEmulator>(*m_image, static_cast<IPlcMemory&>(*this));
    if (screen) m_panel->JumpTo(*screen);
    PollShownScreen();
}

void CSimulation::Press(EPanelKey key) {
    if (!m_panel) return;
    m_panel->Press(key);
    PollShownScreen();
}

void CSimulation::Release(EPanelKey key) {
    if (m_panel) m_panel->Release(key);
}

void CSimulation::Elapse(std::chrono::milliseconds time) {
    m_clock += time;
    MoveTrends();
    if (!m_panel) return;
    m_panel->Elapse(time);
    m_history->Sample(m_clock, *this);
    PollShownScreen();
}

CLcdFrame CSimulation::Draw() const {
    CLcdFrame frame;
    if (m_panel) DrawPanel(*m_panel, *m_renderer, *this, m_history.get(), frame);
    return frame;
}

void CSimulation::SetTrend(const CPollAddress& address, std::optional<CValueTrend> trend) {
    if (trend)
        m_trends[address] = *trend;
    else
        m_trends.erase(address);
    MoveTrends();
}

void CSimulation::MoveTrends() {
    for (const auto& [address, trend] : m_trends) m_table.Write(address, trend.At(m_clock, m_random));
}

void CSimulation::UseDevice(std::unique_ptr<CModbusPoller> device) {
    m_device = std::move(device);
    PollShownScreen();
}

std::string CSimulation::GetDeviceStatus() const {
    return m_device ? m_device->GetStatus() : std::string();
}

void CSimulation::PollShownScreen() {
    if (m_device && m_panel) m_device->SetPolled(m_addresses.PolledOn(m_panel->GetShownScreen()));
}

std::int64_t CSimulation::Read(const CPollAddress& address) const {
    return m_device ? m_device->Read(address) : m_table.Read(address);
}

void CSimulation::Write(const CPollAddress& address, std::int64_t value) {
    if (m_device)
        m_device->Write(address, value);
    else
        m_table.Write(address, value);
}

}  // namespace tavelo
