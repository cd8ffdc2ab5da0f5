#include "PortForm.h"

#include "LinkMessages.h"

namespace tavelo {

CPortForm::CPortForm(CLinkSettings& settings)
    : m_settings(settings), m_nPosition(settings.m_nDownloadPort - 1) {}

std::vector<std::u16string> CPortForm::GetPortTexts() {
    return {kPortTexts.begin(), kPortTexts.end()};
}

int CPortForm::GetSelection() const {
    const bool listed = m_nPosition >= 0 && m_nPosition < static_cast<int>(kPortTexts.size());
    return listed ? m_nPosition : kNoSelection;
}

void CPortForm::SelectPort(int position) {
    if (position >= 0 && position < static_cast<int>(kPortTexts.size())) m_nPosition = position;
}

bool CPortForm::Ok() {
    m_settings.m_nDownloadPort = static_cast<std::uint8_t>(m_nPosition + 1);
    return true;
}

}  // namespace tavelo
