#pragma once
// The screen saver on the panel's own clock: it starts after the system block's minutes
// without a key (never for 0 minutes) and either shows its screen or switches the backlight
// off, until a key wakes the panel.

#include <chrono>
#include <cstdint>

#include "compiler/ImageContents.h"

namespace tavelo {

class CScreenSaver {
public:
    enum class EState : std::uint8_t { Off, ShowingScreen, BacklightOff };

    explicit CScreenSaver(const CImageRecord& systemBlock);

    EState GetState() const { return m_eState; }
    std::int64_t GetScreen() const { return m_nScreen; }

    // Time passing without a key; true when the saver starts with it.
    bool Elapse(std::chrono::milliseconds time);
    // A key; true when it woke the panel from the saver.
    bool Wake();

private:
    std::chrono::milliseconds m_delay;
    std::chrono::milliseconds m_idle{0};
    bool m_bShowsScreen;
    std::int64_t m_nScreen;
    EState m_eState = EState::Off;
};

}  // namespace tavelo
