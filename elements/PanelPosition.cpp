#include "PanelPosition.h"

#include "PanelCoordinates.h"
#include "model/FieldText.h"

namespace tavelo {

namespace {

constexpr std::size_t kAnyLength = std::u16string::npos;

}  // namespace

void CPanelPosition::Load(const CRect& position) {
    const CPoint dots = CanvasToDots(PanelTopLeft(position));
    SetText(Axis::kX, FieldNumberText(dots.x));
    SetText(Axis::kY, FieldNumberText(dots.y));
}

void CPanelPosition::SetText(Axis axis, std::u16string_view text) {
    std::u16string digits = DigitsOnly(text, kAnyLength);
    if (m_fieldRule == EFieldRule::kTakeDefaults) {
        const bool isX = axis == Axis::kX;
        if (digits.empty())
            digits = u"0";
        else if (digits.size() > (isX ? kMaxXLength : kMaxYLength))
            digits = FieldNumberText(isX ? kPanelMaxX : kPanelMaxY);
    }
    m_texts[Index(axis)] = std::move(digits);
}

CSpinRange CPanelPosition::GetSpinRange(Axis axis) const {
    const std::int32_t edge = axis == Axis::kX ? kPanelMaxX : kPanelMaxY;
    return {0, m_spinLimit == ESpinLimit::kEdge ? edge : edge - 1};
}

std::size_t CPanelPosition::GetMaxLength(Axis axis) const {
    if (m_fieldRule == EFieldRule::kTakeDefaults) return kAnyLength;
    return axis == Axis::kX ? kMaxXLength : kMaxYLength;
}

std::optional<CPoint> CPanelPosition::GetCanvasTopLeft() const {
    const std::u16string& x = GetText(Axis::kX);
    const std::u16string& y = GetText(Axis::kY);
    if (x.size() > kMaxXLength || y.size() > kMaxYLength) return std::nullopt;
    const std::optional<std::int32_t> dotsX = ParseFieldNumber(x);
    const std::optional<std::int32_t> dotsY = ParseFieldNumber(y);
    if (!dotsX || !dotsY) return std::nullopt;
    return DotsToCanvas(CapPanelPosition({*dotsX, *dotsY}));
}

}  // namespace tavelo
