#include "PanelDisplay.h"

#include "PagePainter.h"

namespace tavelo {

void DrawPanel(const CPanelEmulator& panel, const CScreenRenderer& renderer,
               const IPolledValues& values, const CTrendHistory* trends, CLcdFrame& frame) {
    frame = CLcdFrame{};
    if (!panel.IsBacklightOn()) return;
    const CPagePainter pages(renderer.GetImage(), renderer.GetDigits());
    switch (panel.GetPage()) {
        case EPanelPage::Screen:
            renderer.Render(panel.GetShownScreen(), values, frame, trends);
            if (const CImageRecord* edited = panel.GetEditedRegister())
                pages.DrawEntry(*edited, panel.GetTyped(), panel.IsEntryRefused(), frame);
            break;
        case EPanelPage::Password:
            pages.DrawPassword(panel.GetTyped(), panel.IsPasswordRefused(), frame);
            break;
        case EPanelPage::AlarmList:
            pages.DrawAlarmList(panel.GetActiveAlarms(), panel.GetAlarmListTop(), frame);
            break;
        case EPanelPage::Time:
            pages.DrawTime(panel.GetRunTime(), frame);
            break;
    }
}

}  // namespace tavelo
