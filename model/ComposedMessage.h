#pragma once
// A message put together from the system's texts and a user's own ones (a name, the characters
// a font lacks). The pieces stay apart so the interface can show the system's texts in its
// language and the user's unchanged; joined, they are the Chinese message.

#include <string>
#include <vector>

namespace tavelo {

class CComposedMessage {
public:
    struct CPiece {
        std::u16string m_strText;
        bool m_bUsersText = false;
    };

    CComposedMessage() = default;
    // One of the system's texts, its figures already filled in; a message of one piece.
    explicit CComposedMessage(std::u16string systemText) { Add(std::move(systemText)); }

    CComposedMessage& Add(std::u16string systemText);
    CComposedMessage& AddUsersText(std::u16string text);
    CComposedMessage& Add(const CComposedMessage& other);

    const std::vector<CPiece>& GetPieces() const { return m_pieces; }
    std::u16string Joined() const;

private:
    std::vector<CPiece> m_pieces;
};

}  // namespace tavelo
