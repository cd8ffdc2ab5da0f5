#pragma once
// A project with every element kind, alarms and settings, for tests that need a full image.

#include <memory>

#include "CompilerFixtures.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/PanelBitmap.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/TrendBar.h"

namespace tavelo::test {

inline CPanelBitmap MakePicture(std::int32_t width, std::int32_t height,
                                std::vector<std::uint8_t> panelBytes) {
    CPanelBitmap picture;
    picture.m_nPixelWidth = picture.m_nWidth = width;
    picture.m_nPixelHeight = picture.m_nHeight = height;
    picture.m_panelBytes = std::move(panelBytes);
    return picture;
}

// Screens 1 and 2: texts, a settable and a plain register, lamps, keys, graphs, bitmaps and a
// dynamic text on screen 1, a vector text and a key on screen 2; two alarms.
inline void FillWithEveryKind(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    AddScreen(doc, 2);
    PlaceText(doc, u"Tank 温度", 1, 0, 0);
    auto settable = std::make_unique<CRegister>();
    settable->SetSettable(true);
    settable->GetAddress() = MakeAddress(1, 1, 100, 1, 2);
    Place(doc, std::move(settable), 1, 64, 0);
    Place(doc, std::make_unique<CRegister>(), 1, 120, 0).GetAddress() =
        MakeAddress(1, 1, 102, 2, 2);
    CIndicator& lamp = Place(doc, std::make_unique<CIndicator>(), 1, 0, 20);
    lamp.SetLampShape(CIndicator::kSquare);
    lamp.SetLinearAddress(17);
    CFunctionKey& key = Place(doc, std::make_unique<CFunctionKey>(), 1, 20, 20);
    key.SetKey(5);
    key.SetActionFlags(false, true);
    key.SetJumpScreen(2);
    Place(doc, std::make_unique<CTrendBar>(CTrendBar::kTrendGraph), 1, 60, 16).SetLinearAddress(4);
    Place(doc, std::make_unique<CTrendBar>(CTrendBar::kBarGraph), 1, 160, 16)
        .SetDirection(CTrendBar::kLeft);
    Place(doc,
          std::make_unique<CStaticBitmap>(MakePicture(8, 8, std::vector<std::uint8_t>(8, 0x3C)),
                                          u"logo.bmp"),
          1, 180, 0);
    Place(doc, std::make_unique<CDynamicBitmap>(), 1, 176, 40).SetBitmapType2(0);
    auto states = std::make_unique<CDynamicText>();
    states->GetTextList() = {u"停止", u"Run"};
    states->GetValueList() = {u"0", u"1"};
    states->FindWidestText();
    Place(doc, std::move(states), 1, 0, 48);
    CStaticText& vector = PlaceText(doc, u"Aa字", 2, 0, 0);
    vector.SetVector(true);
    vector.SetFontSize(16);
    CFunctionKey& back = Place(doc, std::make_unique<CFunctionKey>(), 2, 0, 40);
    back.SetKey(0);
    back.SetActionFlags(false, true);
    back.SetJumpScreen(1);
    doc.GetAlarms().m_texts = {u"温度高", u"", u"Pump fault"};
}

}  // namespace tavelo::test
