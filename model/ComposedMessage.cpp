#include "ComposedMessage.h"

namespace tavelo {

CComposedMessage& CComposedMessage::Add(std::u16string systemText) {
    if (!systemText.empty()) m_pieces.push_back({std::move(systemText), false});
    return *this;
}

CComposedMessage& CComposedMessage::AddUsersText(std::u16string text) {
    if (!text.empty()) m_pieces.push_back({std::move(text), true});
    return *this;
}

CComposedMessage& CComposedMessage::Add(const CComposedMessage& other) {
    m_pieces.insert(m_pieces.end(), other.m_pieces.begin(), other.m_pieces.end());
    return *this;
}

std::u16string CComposedMessage::Joined() const {
    std::u16string joined;
    for (const CPiece& piece : m_pieces) joined += piece.m_strText;
    return joined;
}

}  // namespace tavelo
