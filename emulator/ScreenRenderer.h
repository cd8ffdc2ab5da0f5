#pragma once
// Draws one screen of a loaded download image into an LCD frame, from the image alone, every
// record in the order of the screen's index. PLC values, the trend samples and the panel's
// built-in digits come from the caller.

#include <cstdint>

#include "BuiltInDigits.h"
#include "PanelImage.h"
#include "PolledValues.h"
#include "TextPainter.h"

namespace tavelo {

class CLcdFrame;
class CTrendHistory;

class CScreenRenderer {
public:
    // The attribute bits shared by texts, keys and lamps.
    static constexpr std::int64_t kInverseBit = 0x01;
    static constexpr std::int64_t kDoubleSizeBit = 0x02;
    static constexpr std::int64_t kHiddenKeyBit = 0x04;
    static constexpr std::int64_t kHandBit = 0x80;
    static constexpr std::int32_t kGraphicSize = 16;

    static constexpr std::int32_t kDynamicPictureSize = 16;
    static constexpr std::size_t kDynamicPictureSetBytes = 96;
    // The picture of a dynamic bitmap's set for a coil that is off and for one that is on.
    static constexpr std::size_t kCoilOffPicture = 1;
    static constexpr std::size_t kCoilOnPicture = 2;
    // The record names no station; the editor always gives the coil station 1.
    static constexpr std::int64_t kDynamicBitmapStation = 1;

    // Without digits, registers show their field blank (lit when inverse).
    explicit CScreenRenderer(const CPanelImage& image, const CBuiltInDigits& digits = {})
        : m_image(image), m_text(image), m_digits(digits) {}

    // Clears the frame and draws the screen with that number; false, with the frame left clear,
    // when the image is not loaded or has no such screen. Without trends, trend graphs show
    // their axes only.
    bool Render(std::int64_t screenNumber, const IPolledValues& values, CLcdFrame& frame,
                const CTrendHistory* trends = nullptr) const;

    // Draws one record of the image onto the frame as it stands, without clearing it.
    void RenderRecord(const CImageRecord& record, const IPolledValues& values,
                      CLcdFrame& frame) const {
        DrawRecord(record, values, frame, nullptr);
    }
    // What the panel's own pages are drawn from as well.
    const CPanelImage& GetImage() const { return m_image; }
    const CBuiltInDigits& GetDigits() const { return m_digits; }

private:
    void DrawRecord(const CImageRecord& record, const IPolledValues& values, CLcdFrame& frame,
                    const CTrendHistory* trends) const;
    void DrawRegister(const CImageRecord& record, const IPolledValues& values,
                      CLcdFrame& frame) const;
    void DrawDynamicBitmap(const CImageRecord& record, const IPolledValues& values,
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
    CBuiltInDigits m_digits;
};

}  // namespace tavelo
