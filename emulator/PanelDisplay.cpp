#include "PanelDisplay.h"

namespace tavelo {

void DrawPanel(const CPanelEmulator& panel, const CScreenRenderer& renderer,
               const IPolledValues& values, const CTrendHistory* trends, CLcdFrame& frame) {
    frame = CLcdFrame{};
    if (!panel.IsBacklightOn()) return;
    renderer.Render(panel.GetShownScreen(), values, frame, trends);
}

}  // namespace tavelo
