#include "ScreenSaver.h"

namespace tavelo {

CScreenSaver::CScreenSaver(const CImageRecord& systemBlock)
    : m_delay(std::chrono::minutes(systemBlock.Value("saverMinutes"))),
      m_bShowsScreen(systemBlock.Value("saverMode") == 0),
      m_nScreen(systemBlock.Value("saverScreen")) {}

bool CScreenSaver::Elapse(std::chrono::milliseconds time) {
    if (m_eState != EState::Off || m_delay.count() == 0 || time.count() <= 0) return false;
    // Counted up to the delay only, so that no length of time can overflow it.
    if (time < m_delay - m_idle) {
        m_idle += time;
        return false;
    }
    m_eState = m_bShowsScreen ? EState::ShowingScreen : EState::BacklightOff;
    return true;
}

bool CScreenSaver::Wake() {
    m_idle = std::chrono::milliseconds(0);
    if (m_eState == EState::Off) return false;
    m_eState = EState::Off;
    return true;
}

}  // namespace tavelo
