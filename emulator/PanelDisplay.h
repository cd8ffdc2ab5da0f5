#pragma once
// What the panel's LCD shows for the state the keys have left the panel in: the shown screen,
// with the register entry being typed, or a page the keys opened; dark while the backlight
// is off.

#include "LcdFrame.h"
#include "PanelEmulator.h"
#include "ScreenRenderer.h"
#include "TrendHistory.h"

namespace tavelo {

void DrawPanel(const CPanelEmulator& panel, const CScreenRenderer& renderer,
               const IPolledValues& values, const CTrendHistory* trends, CLcdFrame& frame);

}  // namespace tavelo
