#pragma once
// The panel-wide parameters of a project: power-up screen, password, screen saver and the
// control registers through which the PLC switches screens, learns the current one and
// receives the clock.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tavelo {

class CArchive;

class CSystemSettings {
public:
    // The three functions that use control registers, in register order.
    enum Function : std::size_t { kAutoChange = 0, kReportScreen = 1, kClock = 2 };
    static constexpr std::size_t kFunctionCount = 3;

    static constexpr std::int32_t kSaverShowScreen = 0;
    static constexpr std::int32_t kSaverBacklightOff = 1;
    static constexpr std::size_t kPasswordLength = 4;

    struct CStartup {
        std::int32_t m_nInitialScreen;
        std::u16string m_strPassword;
    };
    struct CControl {
        std::uint8_t m_nUnitType;
        std::int32_t m_nStation;
        std::uint8_t m_nStatusControl;
        std::int32_t m_nControlRegister;
    };
    struct CScreenSaver {
        std::uint8_t m_nMinutes;
        std::int32_t m_nAction;
        std::int32_t m_nScreen;
    };

    void Reset() { *this = CSystemSettings(); }

    // What the download needs.
    CStartup GetStartup() const { return {m_nInitialScreen, m_strPassword}; }
    CControl GetControl() const {
        return {m_nControlUnitType, m_nStation, m_nStatusControl, m_nControlRegister};
    }
    CScreenSaver GetScreenSaver() const {
        return {m_nSaverMinutes, m_nSaverAction, m_nSaverScreen};
    }

    // Bit 0 automatic change, bit 1 report, bit 2 clock, bit 3 analog data, plus 16 for each of
    // these four that is on.
    std::uint8_t ComputeStatusControl() const;

    // The system-settings block of the project file, in member order.
    void Serialize(CArchive& ar);

    bool operator==(const CSystemSettings&) const = default;

    std::int32_t m_nInitialScreen = 1;
    std::u16string m_strPassword;
    std::uint8_t m_nStatusControl = 0;
    std::int32_t m_nControlRegister = 0;
    std::uint8_t m_nSaverMinutes = 3;
    std::int32_t m_nSaverAction = kSaverBacklightOff;
    std::int32_t m_nSaverScreen = 1;
    std::uint8_t m_nControlUnitType = 1;
    std::int32_t m_nStation = 1;
    // The register each function uses, as text ("DM100"); empty while the function is off.
    std::array<std::u16string, kFunctionCount> m_strFunctionRegisters;
    std::array<std::int32_t, kFunctionCount> m_bFunctions{};
    std::int32_t m_bAnalog = 0;
    // Position of the control register's unit in the dialog's unit list; -1 for none.
    std::int32_t m_nUnitPosition = 0;
};

}  // namespace tavelo
