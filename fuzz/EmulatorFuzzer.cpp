// Loads arbitrary bytes as a download image and draws every screen of it: any input must be
// refused with the reader's message or drawn, never crash, leak or read outside the bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "emulator/LcdFrame.h"
#include "emulator/PanelImage.h"
#include "emulator/ScreenRenderer.h"
#include "emulator/TrendHistory.h"

namespace {

// Every address reads its own value, so that lamps, rows and bars take varied states.
class CScatteredValues : public tavelo::IPolledValues {
public:
    std::int64_t Read(const tavelo::CPollAddress& address) const override {
        return (address.m_nStation * 31 + address.m_nUnitCode * 7 + address.m_nAddress) *
               0x9E3779B9LL;
    }
};

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
    return 0;
}
