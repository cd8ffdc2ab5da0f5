#include "AlarmList.h"

#include "Archive.h"

namespace tavelo {

namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

// The panel stores each UTF-16 unit above 127 as two bytes, so a surrogate pair takes four.
std::size_t CAlarmList::GetTextColumns(std::u16string_view text) {
    std::size_t columns = 0;
    for (char16_t unit : text) columns += unit > 127 ? 2 : 1;
    return columns;
}

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
