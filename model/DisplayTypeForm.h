#pragma once
// The rules of the display-type dialog "显示器类型选择" without widgets: which panel model the
// radio buttons show and how a click changes the process-wide model index.

#include <cstdint>

#include "AppState.h"

namespace tavelo {

inline constexpr const char16_t* kDisplayTypeCaption = u"显示器类型选择";
inline constexpr const char16_t* kDisplayTypeGroup = u"显示器类型";
inline constexpr const char16_t* kVersionTextZorA = u"ZORA 测试版";
inline constexpr const char16_t* kVersionTextZorB = u"ZORB 测试版";

class CDisplayTypeForm {
public:
    // Opens on the current model; an index that names no model is first reset to ZORA.
    explicit CDisplayTypeForm(CAppState& state);

    // The model whose radio button is checked.
    std::int32_t GetSelection() const { return m_state.m_nModelIndex; }
    // A click on a radio button takes effect at once; Cancel does not undo it.
    void Click(std::int32_t modelIndex);

    // The About box's version text for the current model.
    static const char16_t* GetVersionText(const CAppState& state);

private:
    static bool IsModel(std::int32_t modelIndex);

    CAppState& m_state;
};

}  // namespace tavelo
