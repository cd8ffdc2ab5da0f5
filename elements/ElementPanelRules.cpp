#include "ElementPanelRules.h"

#include <limits>

namespace tavelo {

CSpinRange StationSpinRange(const CPLC& plc) {
    CPLC query = plc;
    CSpinRange range;
    query.QueryStationRange(range.m_nLow, range.m_nHigh);
    return range;
}

CSpinRange IntegerValueRange(std::int64_t byteWidth, bool isSigned) {
    using Limits = std::numeric_limits<std::int32_t>;
    if (byteWidth == 1) return isSigned ? CSpinRange{-128, 127} : CSpinRange{0, 255};
    if (byteWidth == 4)
        return isSigned ? CSpinRange{Limits::min(), Limits::max()} : CSpinRange{0, Limits::max()};
    return isSigned ? CSpinRange{-32768, 32767} : CSpinRange{0, 65535};
}

bool IsSignedNumberText(std::u16string_view text) {
    if (!text.empty() && text.front() == u'-') text.remove_prefix(1);
    for (char16_t c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

bool IsFloatOffered(const CAppState& state) {
    return state.m_nModelIndex == CAppState::kModelZorB;
}

EFloatChange ApplyFloatChoice(bool floatOn, bool& floatApplied, bool& copyMark) {
    if (floatOn) {
        floatApplied = true;
        copyMark = false;
        return EFloatChange::kOn;
    }
    if (floatApplied && !copyMark) {
        floatApplied = false;
        return EFloatChange::kSwitchedOff;
    }
    return EFloatChange::kNone;
}

}  // namespace tavelo
