#pragma once
// One thing the project check found: how bad it is, its stable code, where it is (screen and
// element) and the message the user reads, with the figures.

#include <cstdint>
#include <string>

#include "model/ComposedMessage.h"
#include "model/Geometry.h"

namespace tavelo {

class CGraphObj;

// Error: the download would fail or the panel would show garbage. Warning: probably unintended.
enum class ESeverity { Error, Warning };

struct CFinding {
    static constexpr std::int32_t kProjectWide = -1;

    ESeverity m_eSeverity = ESeverity::Error;
    // One of finding_code's names; never translated, so scripts can rely on it.
    std::string m_strCode;
    std::int32_t m_nScreen = kProjectWide;
    // Null for findings about a screen or the whole project.
    const CGraphObj* m_pElement = nullptr;
    std::string m_strElementClass;
    // The element's top-left corner in the panel's dots.
    CPoint m_ptDots;
    std::u16string m_strMessage;
    // The same message in its pieces, for the interface language.
    CComposedMessage m_message;
};

// "错误" or "警告".
const char16_t* SeverityName(ESeverity severity);
// "error" or "warning", for machine-readable output.
const char* SeverityKey(ESeverity severity);

}  // namespace tavelo
