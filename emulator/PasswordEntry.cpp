#include "PasswordEntry.h"

namespace tavelo {

CPasswordEntry::CPasswordEntry(const CImageRecord& systemBlock)
    : m_bSet(systemBlock.Value("passwordSet") != 0) {
    for (std::size_t i = 0; i < kDigits; ++i)
        m_password[i] = static_cast<int>(systemBlock.Value("password" + std::to_string(i + 1)));
}

void CPasswordEntry::Type(int digit) {
    if (m_strTyped.size() < kDigits) m_strTyped += static_cast<char>('0' + digit);
}

bool CPasswordEntry::Check() {
    const std::string typed = std::string(kDigits - m_strTyped.size(), '0') + m_strTyped;
    m_strTyped.clear();
    for (std::size_t i = 0; i < kDigits; ++i)
        if (typed[i] - '0' != m_password[i]) return false;
    return true;
}

}  // namespace tavelo
