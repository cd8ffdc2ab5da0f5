#pragma once
// Draws one screen of a loaded download image into an LCD frame, from the image alone: static
// texts, static bitmaps, function keys, indicators, dynamic texts and bar graphs, in the order
// of the screen's index. PLC values come from the caller. The other record kinds are not drawn.

#include <cstdint>

#include "PanelImage.h"
#include "PolledValues.h"
#include "TextPainter.h"

namespace tavelo {

class CLcdFrame;

class CScreenRenderer {
public:
    // The attribute bits shared by texts, keys and lamps.
    static constexpr std::int64_t kInverseBit = 0x01;
    static constexpr std::int64_t kDoubleSizeBit = 0x02;
    static constexpr std::int64_t kHiddenKeyBit = 0x04;
    static constexpr std::int64_t kHandBit = 0x80;
    static constexpr std::int32_t kGraphicSize = 16;

    explicit CScreenRenderer(const CPanelImage& image) : m_image(image), m_text(image) {}

    // Clears the frame and draws the screen with that number; false, with the frame left clear,
    // when the image is not loaded or has no such screen.
    bool Render(std::int64_t screenNumber, const IPolledValues& values, CLcdFrame& frame) const;

private:
    void DrawRecord(const CImageRecord& record, const IPolledValues& values,
                    CLcdFrame& frame) const;
    void DrawStaticText(const CImageRecord& record, CLcdFrame& frame) const;
    void DrawStaticBitmap(const CImageRecord& record, CLcdFrame& frame) const;
    void DrawFunctionKey(const CImageRecord& record, CLcdFrame& frame) const;
    void DrawIndicator(const CImageRecord& record, const IPolledValues& values,
                       CLcdFrame& frame) const;
    void DrawDynamicText(const CImageRecord& record, const IPolledValues& values,
                         CLcdFrame& frame) const;
    // A graphic of the wide-glyph area by its graphic code; nothing for a code that names none.
    void DrawGraphic(std::int64_t code, std::int32_t x, std::int32_t y, const CDotLook& look,
                     CLcdFrame& frame) const;

    const CPanelImage& m_image;
    CTextPainter m_text;
};

}  // namespace tavelo
