#include <gtest/gtest.h>

#include "PanelTestImage.h"
#include "emulator/PanelDisplay.h"

namespace tavelo {
namespace {

using namespace test;
using std::chrono::seconds;

// Each case raises the alarms of its mask (bit 0 "Hot", bit 1 "Pump"), leaves the test panel
// alone for a while, taps its keys and draws what the panel shows. The golden frames were
// checked by eye.
TEST(PanelDisplay, ShowsTheEntryAndEveryPageOverTheScreen) {
    const CBuiltInDigits digits = DeliveredDigits();
    const struct {
        const char* m_pszGolden;
        bool m_bBacklightSaver;
        int m_nAlarmMask;
        seconds m_idle;
        const char* m_pszKeys;
    } cases[] = {
        {"entry-typed", false, 0, seconds(0), "SET 4 2"},
        {"entry-refused", false, 0, seconds(0), "SET 1 5 0 ENT"},
        {"password", false, 0, seconds(0), "SET SET 1 2"},
        {"password-refused", false, 0, seconds(0), "SET SET 5 ENT"},
        {"alarm-list", false, 3, seconds(0), "ALM"},
        // Reopened, the list starts at its first alarm again.
        {"alarm-list", false, 3, seconds(0), "ALM DOWN ESC 5"},
        // The list scrolls no further than its last alarm.
        {"alarm-list-pump", false, 2, seconds(0), "ALM DOWN"},
        {"alarm-list-pump", false, 3, seconds(0), "ALM DOWN DOWN"},
        {"alarm-list-empty", false, 0, seconds(0), "ALM"},
        // The first key only wakes the panel; 1 h 2 min 5 s have passed.
        {"time-page", false, 0, seconds(3725), "ALM 6"},
        {"backlight-off", true, 3, seconds(60), ""},
    };
    for (const auto& row : cases) {
        const CPanelImage image =
            CompilePanel(row.m_bBacklightSaver ? CSystemSettings::kSaverBacklightOff
                                               : CSystemSettings::kSaverShowScreen);
        ASSERT_TRUE(image.IsLoaded()) << image.GetError();
        CMemoryMap memory;
        for (int alarm = 0; alarm < 2; ++alarm)
            if (row.m_nAlarmMask & (1 << alarm)) RaiseAlarm(image, memory, alarm);
        CPanelEmulator panel(image, memory);
        panel.Elapse(row.m_idle);
        Type(panel, row.m_pszKeys);
        CLcdFrame frame;
        DrawPanel(panel, CScreenRenderer(image, digits), memory, nullptr, frame);
        ExpectGoldenFrame(frame, row.m_pszGolden);
    }
}

}  // namespace
}  // namespace tavelo
