#include "PagePainter.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "LcdFrame.h"
#include "PanelImage.h"
#include "PasswordEntry.h"
#include "RegisterFormat.h"
#include "ScreenRenderer.h"

namespace tavelo {

void CPagePainter::DrawEntry(const CImageRecord& reg, std::string_view typed, bool refused,
                             CLcdFrame& frame) const {
    const CRegisterFormat format = CRegisterFormat::FromRecord(reg);
    const std::string field = refused
                                  ? std::string(format.FieldWidth(), CRegisterFormat::kOverRange)
                                  : format.EntryText(typed);
    const std::int64_t attributes = reg.Value("attributes");
    m_digits.Draw(frame, field, static_cast<std::int32_t>(reg.Value("x")),
                  static_cast<std::int32_t>(reg.Value("y")),
                  {(attributes & CScreenRenderer::kInverseBit) == 0,
                   (attributes & CScreenRenderer::kDoubleSizeBit) != 0});
}

void CPagePainter::DrawPassword(std::string_view typed, bool refused, CLcdFrame& frame) const {
    DrawCentred(refused ? kWrongPasswordCaption : kPasswordCaption, kCaptionY, {}, frame);
    std::string field(CPasswordEntry::kDigits, ' ');
    std::fill_n(field.begin(), std::min(typed.size(), field.size()), kHiddenDigit);
    DrawCentred(field, kFieldY, {true, false}, frame);
}

void CPagePainter::DrawAlarmList(const std::vector<const CImageRecord*>& alarms, std::size_t top,
                                 CLcdFrame& frame) const {
    if (alarms.empty()) {
        DrawCentred(kNoAlarmsCaption, kFieldY, {}, frame);
        return;
    }
    std::int32_t y = 0;
    for (std::size_t i = top; i < alarms.size() && y < kAlarmRows * kRowHeight; ++i) {
        const auto codes = m_image.Bytes(static_cast<std::size_t>(alarms[i]->Value("textOffset")),
                                         static_cast<std::size_t>(alarms[i]->Value("textBytes")));
        m_text.Draw(frame, codes, 0, y, {});
        y += kRowHeight;
    }
}

void CPagePainter::DrawTime(std::chrono::milliseconds time, CLcdFrame& frame) const {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(time).count();
    constexpr std::int64_t kMinute = 60, kHour = 60 * kMinute, kDay = 24 * kHour;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", static_cast<int>(seconds % kDay / kHour),
                  static_cast<int>(seconds % kHour / kMinute), static_cast<int>(seconds % kMinute));
    DrawCentred(kTimeCaption, kCaptionY, {}, frame);
    DrawCentred(clock, kFieldY, {}, frame);
}

void CPagePainter::DrawCentred(std::string_view text, std::int32_t y, const CDotLook& look,
                               CLcdFrame& frame) const {
    const auto width = static_cast<std::int32_t>(text.size()) * CBuiltInDigits::kWidth;
    m_digits.Draw(frame, text, (CLcdFrame::kWidth - width) / 2, y, look);
}

}  // namespace tavelo
