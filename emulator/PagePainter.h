#pragma once
// Draws what the panel's firmware shows by itself over or instead of a screen: the register
// entry being typed, the password page, the alarm list and the time page. The image carries no
// texts for these pages, so their captions are drawn with the panel's built-in ASCII glyphs; the
// alarm texts are the image's own character codes.

#include <chrono>
#include <cstdint>
#include <string_view>
#include <vector>

#include "BuiltInDigits.h"
#include "TextPainter.h"
#include "compiler/ImageContents.h"

namespace tavelo {

class CLcdFrame;
class CPanelImage;

class CPagePainter {
public:
    static constexpr std::int32_t kRowHeight = 16;
    static constexpr std::int32_t kAlarmRows = 4;
    // The captions' row and the row of the field below them, both centred across the display.
    static constexpr std::int32_t kCaptionY = 8;
    static constexpr std::int32_t kFieldY = 32;
    static constexpr char kHiddenDigit = '*';
    static constexpr std::string_view kPasswordCaption = "PASSWORD";
    static constexpr std::string_view kWrongPasswordCaption = "WRONG PASSWORD";
    static constexpr std::string_view kNoAlarmsCaption = "NO ALARM";
    static constexpr std::string_view kTimeCaption = "TIME";

    CPagePainter(const CPanelImage& image, const CBuiltInDigits& digits)
        : m_image(image), m_text(image), m_digits(digits) {}

    // Over the register's field: the typed text right-aligned with the register's point, the
    // field inverted against the register's own look; a refused entry fills the field with '*'.
    void DrawEntry(const CImageRecord& reg, std::string_view typed, bool refused,
                   CLcdFrame& frame) const;
    // The caption and an inverse field of four cells, one '*' for each digit typed.
    void DrawPassword(std::string_view typed, bool refused, CLcdFrame& frame) const;
    // The texts of the alarms from the top one on, one a row.
    void DrawAlarmList(const std::vector<const CImageRecord*>& alarms, std::size_t top,
                       CLcdFrame& frame) const;
    // The time passed as hh:mm:ss, the hours counted round the clock.
    void DrawTime(std::chrono::milliseconds time, CLcdFrame& frame) const;

private:
    void DrawCentred(std::string_view text, std::int32_t y, const CDotLook& look,
                     CLcdFrame& frame) const;

    const CPanelImage& m_image;
    CTextPainter m_text;
    const CBuiltInDigits& m_digits;
};

}  // namespace tavelo
