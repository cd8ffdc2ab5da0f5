// Loads arbitrary bytes as a download image, draws every screen of it and runs the panel on it
// with keys taken from the input's last bytes: any input must be refused with the reader's
// message or drawn and run, never crash, leak or read outside the bytes.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "emulator/LcdFrame.h"
#include "emulator/PanelDisplay.h"
#include "emulator/PanelEmulator.h"
#include "emulator/PanelImage.h"
#include "emulator/PanelKey.h"
#include "emulator/ScreenRenderer.h"
#include "emulator/TrendHistory.h"
#include "emulator/VirtualPlc.h"

namespace {

// Every address reads its own value, so that lamps, rows and bars take varied states.
class CScatteredValues : public tavelo::IPolledValues {
public:
    std::int64_t Read(const tavelo::CPollAddress& address) const override {
        return (address.m_nStation * 31 + address.m_nUnitCode * 7 + address.m_nAddress) *
               0x9E3779B9LL;
    }
};

// The panel behind a key script: each byte is a key number (low five bits), whether it is held
// down over a release (bit 5) and how long to wait after it, in minutes (top two bits), so the
// screen saver is reached too.
void RunKeys(const tavelo::CPanelImage& image, const tavelo::CScreenRenderer& renderer,
             std::span<const std::uint8_t> script, tavelo::CLcdFrame& frame) {
    tavelo::CVirtualPlc plc;
    tavelo::CPanelEmulator panel(image, plc);
    for (const std::uint8_t byte : script) {
        const std::optional<tavelo::EPanelKey> key = tavelo::PanelKeyFromNumber(byte & 0x1F);
        if (key) {
            panel.Press(*key);
            if (!(byte & 0x20)) panel.Release(*key);
        }
        panel.Elapse(std::chrono::minutes(byte >> 6));
        tavelo::DrawPanel(panel, renderer, plc, nullptr, frame);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tavelo::CPanelImage image =
        tavelo::CPanelImage::Load(std::vector<std::uint8_t>(data, data + size));
    const tavelo::CScreenRenderer renderer(image);
    // Two samples a long time apart, so that trends draw a line of their full points.
    tavelo::CTrendHistory trends(image);
    trends.Sample(std::chrono::milliseconds(0), CScatteredValues{});
    trends.Sample(std::chrono::hours(24 * 365), CScatteredValues{});
    tavelo::CLcdFrame frame;
    for (const tavelo::CImageScreen& screen : image.GetContents().m_screens)
        renderer.Render(screen.m_entry.Value("number"), CScatteredValues{}, frame, &trends);
    constexpr std::size_t kScriptLength = 64;
    RunKeys(image, renderer,
            {data + size - std::min(size, kScriptLength), std::min(size, kScriptLength)}, frame);
    return 0;
}
