#include "AlarmList.h"

#include "Archive.h"
#include "PanelText.h"

namespace tavelo {

std::u16string_view CAlarmList::WithoutLastCharacter(std::u16string_view text) {
    if (text.empty()) return text;
    const bool pair =
        text.size() >= 2 && IsLowSurrogate(text.back()) && IsHighSurrogate(text[text.size() - 2]);
    return text.substr(0, text.size() - (pair ? 2 : 1));
}

// Addressing kind and linear bit go back to their initial values too, so that a new project
// never carries the previous project's first alarm bit to the download.
void CAlarmList::Reset() {
    *this = CAlarmList();
    m_texts.clear();
}

void CAlarmList::Serialize(CArchive& ar) {
    ar.String(m_strUnitName);
    ar.Int32(m_nStation);
    ar.Int32(m_nAddressing);
    ar.Int32(m_nAddress);
    ar.Int32(m_nBit);
    ar.Int32(m_nLinearBit);
    ar.Int32(m_nUnitType);
    ar.StringList(m_texts);
}

}  // namespace tavelo
