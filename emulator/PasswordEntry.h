#pragma once
// The password page: the operator types up to four digits and ENT compares them with the
// system block's password, the typed digits right-aligned as the password is stored.

#include <array>
#include <string>

#include "compiler/ImageContents.h"

namespace tavelo {

class CPasswordEntry {
public:
    static constexpr std::size_t kDigits = 4;

    explicit CPasswordEntry(const CImageRecord& systemBlock);

    // False when the system block sets no password: nothing is then protected.
    bool IsPasswordSet() const { return m_bSet; }
    const std::string& GetTyped() const { return m_strTyped; }

    // A fifth digit is not taken.
    void Type(int digit);
    void Clear() { m_strTyped.clear(); }
    // Whether the typed digits are the password; the typed digits are cleared either way.
    bool Check();

private:
    std::array<int, kDigits> m_password{};
    bool m_bSet = false;
    std::string m_strTyped;
};

}  // namespace tavelo
