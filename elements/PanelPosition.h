#pragma once
// The X and Y fields of an element property panel: the element's top-left corner in dots,
// their spin ranges, what an empty or over-long field does, and the corner they give on apply.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Geometry.h"
#include "model/SpinRange.h"

namespace tavelo {

class CPanelPosition {
public:
    enum class Axis { kX, kY };

    // How far the spin buttons go: to the last dot (191, 63) or to the display's edge (192, 64).
    enum class ESpinLimit { kLastDot, kEdge };
    // What an empty field, or an X of more than 3 or a Y of more than 2 characters, does:
    // stop the apply, or take 0 (empty) or 192 / 64 (too long) and show it at once.
    enum class EFieldRule { kApplyNothing, kTakeDefaults };

    // Characters an X and a Y field hold before the field counts as too long.
    static constexpr std::size_t kMaxXLength = 3;
    static constexpr std::size_t kMaxYLength = 2;

    CPanelPosition(ESpinLimit spinLimit, EFieldRule fieldRule)
        : m_spinLimit(spinLimit), m_fieldRule(fieldRule) {}

    // Shows the corner in dots, negative coordinates read as 0, under the field rule.
    void Load(const CRect& position);
    // The fields take digits only.
    void SetText(Axis axis, std::u16string_view text);
    const std::u16string& GetText(Axis axis) const { return m_texts[Index(axis)]; }
    CSpinRange GetSpinRange(Axis axis) const;
    // Characters the field takes. Where a longer text would apply nothing the field refuses it,
    // so it never shows a number the element does not have; where a longer text becomes the
    // display's edge, any length.
    std::size_t GetMaxLength(Axis axis) const;

    // The typed corner capped at 192 x 64 dots, in canvas units; none while a field stops the
    // apply.
    std::optional<CPoint> GetCanvasTopLeft() const;

private:
    static std::size_t Index(Axis axis) { return static_cast<std::size_t>(axis); }

    ESpinLimit m_spinLimit;
    EFieldRule m_fieldRule;
    std::array<std::u16string, 2> m_texts;
};

}  // namespace tavelo
