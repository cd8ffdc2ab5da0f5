#pragma once
// One screen of 50 elements, every kind the panel draws, overlapping as a crowded screen does:
// 8 registers in all formats, 8 static texts, 6 dynamic texts, 6 lamps, 6 function keys,
// 4 bar graphs, 4 trend graphs, 6 dynamic bitmaps and 2 static bitmaps.

#include <memory>

#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/PanelBitmap.h"
#include "elements/PanelCoordinates.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"
#include "model/Screen.h"
#include "model/TaveloDoc.h"

namespace tavelo {

template <class Element>
Element& PlaceOnScreenOne(CTaveloDoc& doc, std::unique_ptr<Element> element, std::int32_t x,
                          std::int32_t y) {
    element->SetPosition(
        CRect{DotsToCanvas(x), DotsToCanvas(y), DotsToCanvas(x) + 18, DotsToCanvas(y) + 36});
    element->m_nScreenNo = 1;
    return static_cast<Element&>(doc.AddElement(std::move(element)));
}

inline void FillFullScreen(CTaveloDoc& doc) {
    doc.AddScreen(MakeNewScreen(1, u"满屏"));
    for (std::int32_t i = 0; i < 8; ++i) {
        CRegister& field =
            PlaceOnScreenOne(doc, std::make_unique<CRegister>(), 96 * (i % 2), 16 * (i / 2));
        field.SetDecimal(i % 4 != 3);
        field.SetSigned(i % 4 == 1);
        field.SetFloat(i % 4 == 2);
        field.SetDigits(5 + i % 3, i % 3);
        field.SetInverse(i % 2 == 1);
        field.GetAddress().m_nAddress = 2 * i;
        field.GetAddress().m_nCount = 2;
        auto text = std::make_unique<CStaticText>();
        text->SetText(u"Level 液位");
        PlaceOnScreenOne(doc, std::move(text), 24 * i, 8 * (i % 8)).SetDoubleSize(i == 7);
    }
    for (std::int32_t i = 0; i < 6; ++i) {
        auto texts = std::make_unique<CDynamicText>();
        texts->GetTextList() = {u"停止", u"Running"};
        texts->GetValueList() = {u"0", u"1"};
        texts->FindWidestText();
        PlaceOnScreenOne(doc, std::move(texts), 32 * i, 48);
        PlaceOnScreenOne(doc, std::make_unique<CIndicator>(), 32 * i + 16, 0).SetLinearAddress(i);
        PlaceOnScreenOne(doc, std::make_unique<CFunctionKey>(), 32 * i, 32).SetKey(i);
        PlaceOnScreenOne(doc, std::make_unique<CDynamicBitmap>(), 32 * i + 8, 16)
            .SetLinearAddress(i);
    }
    for (std::int32_t i = 0; i < 4; ++i) {
        CTrendBar& bar =
            PlaceOnScreenOne(doc, std::make_unique<CTrendBar>(CTrendBar::kBarGraph), 48 * i, 8);
        bar.SetLinearAddress(20 + i);
        bar.SetScales(1000, 0);
        CTrendBar& trend =
            PlaceOnScreenOne(doc, std::make_unique<CTrendBar>(CTrendBar::kTrendGraph), 48 * i, 16);
        trend.SetLinearAddress(30 + i);
        trend.SetScales(1000, 0);
        trend.SetPoints(94);
    }
    CPanelBitmap picture;
    picture.m_nPixelWidth = picture.m_nWidth = 32;
    picture.m_nPixelHeight = picture.m_nHeight = 32;
    picture.m_panelBytes.assign(128, 0x5A);
    for (std::int32_t i = 0; i < 2; ++i)
        PlaceOnScreenOne(doc, std::make_unique<CStaticBitmap>(picture, u"logo.bmp"), 80 * i, 24);
}

}  // namespace tavelo
