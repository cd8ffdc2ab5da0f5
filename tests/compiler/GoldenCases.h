#pragma once
// The projects of the golden image cases under tests/data/image-*, built in code. The
// disabled generator test saves them with their images; the note.txt of each case records
// how its bytes were checked.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "SampleProject.h"
#include "model/FieldText.h"
#include "render/FaceFamilies.h"
#include "render/Gb2312Codec.h"
#include "support/PlcSamples.h"

namespace tavelo::test {

// Word registers D (type 1), bytes V (type 2), coils M (type 3, bit addressing) and inputs X
// (type 4, byte and bit addressing, 8 bits a byte).
inline CPLC GoldenPlc() {
    return MakePlc(u"TestPLC", {MakeUnit(u"D", CRegUnitConfig::kByte, 0, 9999, 15, 1, 2, 8),
                                MakeUnit(u"V", CRegUnitConfig::kByte, 0, 255, 7, 2, 1, 4),
                                MakeUnit(u"M", CRegUnitConfig::kBit, 0, 0, 2047, 3, 1, 1),
                                MakeUnit(u"X", CRegUnitConfig::kByteAndBit, 0, 255, 7, 4, 1, 1)});
}

inline CRegisterUnit Coil(std::int32_t unitType, std::int32_t address, std::int32_t bit) {
    CRegisterUnit unit = MakeAddress(1, unitType, address);
    unit.m_nBit = bit;
    return unit;
}

inline void BuildSystemBlockCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    AddScreen(doc, 3);
    CSystemSettings& settings = doc.GetSystemSettings();
    settings.m_nInitialScreen = 3;
    settings.m_strPassword = u"0705";
    settings.m_bFunctions = {1, 0, 1};
    settings.m_nStatusControl = settings.ComputeStatusControl();
    settings.m_nControlRegister = 100;
    settings.m_nControlUnitType = 1;
    settings.m_nStation = 2;
    settings.m_nSaverMinutes = 5;
    settings.m_nSaverAction = CSystemSettings::kSaverShowScreen;
    settings.m_nSaverScreen = 3;
    CLinkSettings& link = doc.GetLink();
    link.m_nBaudCode = 4;
    link.m_nParityChoice = 0;
    link.m_nDataBitsChoice = 0;
    link.m_nStopBitsChoice = 0;
    link.m_nPlcListIndex = 5;  // one stop bit whatever the project holds
}

inline void BuildAlarmsCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    CAlarmList& alarms = doc.GetAlarms();
    alarms.m_strUnitName = u"X";
    alarms.m_nStation = 3;
    alarms.m_nAddressing = CRegUnitConfig::kByteAndBit;
    alarms.m_nAddress = 10;
    alarms.m_nBit = 6;
    alarms.m_nLinearBit = 86;
    alarms.m_nUnitType = 4;
    alarms.m_texts = {u"电机过热", u"", u"Pump 2 fault", u"液位低", u""};
}

inline void BuildStaticTextCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    PlaceText(doc, u"Hello 世界", 1, 0, 0);
    PlaceText(doc, u"反相", 1, 0, 16).SetInverse(1);
    PlaceText(doc, u"2X", 1, 0, 32).SetDoubleSize(1);
    PlaceText(doc, u"", 1, 100, 48);
}

inline void BuildVectorTextCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    PlaceText(doc, u"字", 1, 160, 0);
    const std::pair<std::int32_t, const char16_t*> faces[] = {
        {12, kSongFaceName}, {14, kSongFaceName}, {16, kKaiFaceName}};
    std::int32_t y = 0;
    for (const auto& [size, face] : faces) {
        CStaticText& text = PlaceText(doc, u"Aa字", 1, 0, y);
        text.SetVector(true);
        text.SetFontSize(size);
        text.SetFaceName(face);
        y += 20;
    }
}

inline void BuildDynamicTextCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    auto states = std::make_unique<CDynamicText>();
    states->GetTextList() = {u"关", u"开", u"unused"};
    states->GetValueList() = {u"0", u"1", u""};
    states->GetAddress() = MakeAddress(1, 1, 100);
    Place(doc, std::move(states), 1, 0, 0);
    auto vector = std::make_unique<CDynamicText>();
    vector->GetTextList() = {u"Hi", u"低"};
    vector->GetValueList() = {u"5", u"-2"};
    vector->GetAddress() = MakeAddress(1, 2, 7);
    vector->SetVector(true);
    vector->SetFontSize(16);
    Place(doc, std::move(vector), 1, 0, 24);
}

inline void BuildRegisterCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    for (const auto& [x, y] : {std::pair{8, 40}, std::pair{8, 8}, std::pair{64, 8}}) {
        auto reg = std::make_unique<CRegister>();
        reg->SetSettable(true);
        reg->GetAddress() = MakeAddress(1, 1, x + y);
        Place(doc, std::move(reg), 1, x, y);
    }
    auto limited = std::make_unique<CRegister>();
    limited->GetAddress() = MakeAddress(2, 1, 200, 2);
    limited->SetSigned(true);
    limited->SetDigits(6, 2);
    limited->SetSettable(true);
    limited->SetPassword(true);
    limited->SetLimits(true);
    limited->SetInputLimits(99999, -500);
    Place(doc, std::move(limited), 1, 120, 40).SetInverse(1);
    auto floating = std::make_unique<CRegister>();
    floating->GetAddress() = MakeAddress(1, 1, 300, 2);
    floating->SetFloat(true);
    floating->SetDigits(5, 1);
    Place(doc, std::move(floating), 1, 120, 0);
}

inline void BuildIndicatorCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    std::int32_t x = 0;
    for (std::int32_t shape : {CIndicator::kRound, CIndicator::kSquare})
        for (std::int32_t logic : {CIndicator::kPositive, CIndicator::kNegative}) {
            CIndicator& lamp = Place(doc, std::make_unique<CIndicator>(), 1, x, 0);
            lamp.SetLampShape(shape);
            lamp.SetLogic(logic);
            lamp.SetAddress(x < 40 ? Coil(3, 0, x) : Coil(4, 2, x / 20));
            x += 20;
        }
    Place(doc, std::make_unique<CIndicator>(), 1, 0, 24).SetDoubleSize(1);
}

// The key, its action and the choice within it, both as the one-hot flags and as the radio and
// list positions the property panel reads back.
inline void SetKeyAction(CFunctionKey& key, std::int32_t index, std::int32_t action,
                         std::int32_t choice) {
    key.SetKey(index);
    key.SetListPositions(index, 0, 0);
    key.SetAction(action);
    key.SetActionFlags(action == CFunctionKey::kActionCoil, action == CFunctionKey::kActionJump);
    const std::int32_t coil = action == CFunctionKey::kActionCoil ? choice : 0;
    const std::int32_t jump = action == CFunctionKey::kActionJump ? choice : 0;
    key.SetCoilAction(coil);
    key.SetCoilFlags(coil == 0, coil == 1, coil == 2, coil == 3);
    key.SetJumpTarget(jump);
    key.SetJumpFlags(1, jump == 0, jump == 1, jump == 2, jump == 3);
}

inline void BuildFunctionKeyCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    AddScreen(doc, 2);
    CFunctionKey& toggle = Place(doc, std::make_unique<CFunctionKey>(), 1, 0, 0);
    SetKeyAction(toggle, 9, CFunctionKey::kActionCoil, CFunctionKey::kCoilToggle);  // '1'
    toggle.SetAddress(Coil(3, 0, 12));
    CFunctionKey& jump = Place(doc, std::make_unique<CFunctionKey>(), 1, 40, 0);
    SetKeyAction(jump, 6, CFunctionKey::kActionJump, CFunctionKey::kJumpScreen);  // ENT
    jump.SetLook(false, false, true);
    jump.SetJumpScreen(2);
    CFunctionKey& alarms = Place(doc, std::make_unique<CFunctionKey>(), 1, 80, 0);
    SetKeyAction(alarms, 7, CFunctionKey::kActionJump, CFunctionKey::kJumpAlarm);  // ALM
    alarms.SetLook(false, true, false);
    CFunctionKey& write = Place(doc, std::make_unique<CFunctionKey>(), 1, 120, 0);
    SetKeyAction(write, 5, CFunctionKey::kActionRegister, 0);  // SET
    write.SetAddress(MakeAddress(1, 1, 50, 2, 2));
    write.SetRegisterWrite(2, 123456);
    SetKeyAction(Place(doc, std::make_unique<CFunctionKey>(), 2, 0, 0), 9,
                 CFunctionKey::kActionCoil, CFunctionKey::kCoilOn);
}

inline void BuildTrendBarCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    CTrendBar& trend = Place(doc, std::make_unique<CTrendBar>(CTrendBar::kTrendGraph), 1, 0, 0);
    trend.SetPoints(40);
    trend.SetInterval(5);
    trend.SetAddress(MakeAddress(1, 1, 10));
    trend.SetScales(1000, 0);
    std::int32_t x = 100;
    for (std::int32_t direction :
         {CTrendBar::kUp, CTrendBar::kDown, CTrendBar::kLeft, CTrendBar::kRight}) {
        CTrendBar& bar = Place(doc, std::make_unique<CTrendBar>(CTrendBar::kBarGraph), 1, x, 0);
        bar.SetDirection(direction);
        bar.SetAddress(MakeAddress(1, 1, 20 + direction));
        bar.SetSigned(direction == CTrendBar::kDown);
        bar.SetScales(500, direction == CTrendBar::kDown ? -500 : 0);
        x += 20;
    }
}

inline void BuildStaticBitmapCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    std::vector<std::uint8_t> arrow(16);
    for (std::size_t i = 0; i < arrow.size(); ++i)
        arrow[i] = static_cast<std::uint8_t>(1u << (i % 8));
    Place(doc, std::make_unique<CStaticBitmap>(MakePicture(16, 8, arrow), u"C:\\pics\\arrow.bmp"),
          1, 0, 0);
    Place(doc,
          std::make_unique<CStaticBitmap>(MakePicture(8, 16, std::vector<std::uint8_t>(16, 0xF0)),
                                          u"C:\\pics\\bar.bmp"),
          1, 40, 0);
    Place(doc, std::make_unique<CStaticBitmap>(MakePicture(16, 8, arrow), u"C:\\pics\\arrow.bmp"),
          1, 80, 0);
}

inline void BuildDynamicBitmapCase(CTaveloDoc& doc) {
    AddScreen(doc, 1);
    std::int32_t x = 0;
    for (std::int32_t type : {0, 1, 0}) {
        CDynamicBitmap& bitmap = Place(doc, std::make_unique<CDynamicBitmap>(), 1, x, 0);
        bitmap.SetBitmapType(type);
        bitmap.SetBitmapType2(type);
        bitmap.SetLogic(x / 20 % 2);
        bitmap.SetAddress(Coil(4, 1, x / 20));
        x += 20;
    }
}

// The i-th character of GB2312's first level of Chinese characters.
inline char16_t Hanzi(std::size_t i) {
    static CGb2312Codec codec;
    constexpr std::size_t kFirstRow = 16;
    const auto character =
        codec.Decode({static_cast<std::uint8_t>(CGb2312Codec::kFirstByte + kFirstRow - 1 + i / 94),
                      static_cast<std::uint8_t>(CGb2312Codec::kFirstByte + i % 94)});
    return character.value_or(u'?');
}

inline std::u16string HanziRun(std::size_t& next, std::size_t count) {
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i) text += Hanzi(next++);
    return text;
}

// One screen of every kind, with characters no screen before it used.
inline void AddBusyScreen(CTaveloDoc& doc, std::int32_t screen, std::size_t& nextHanzi) {
    AddScreen(doc, screen);
    PlaceText(doc, HanziRun(nextHanzi, 6) + u"No." + FieldNumberText(screen), screen, 0, 0);
    CStaticText& vector = PlaceText(doc, HanziRun(nextHanzi, 4), screen, 96, 0);
    vector.SetVector(true);
    vector.SetFontSize(12 + 2 * (screen % 3));
    for (bool settable : {true, false}) {
        auto reg = std::make_unique<CRegister>();
        reg->SetSettable(settable);
        reg->GetAddress() = MakeAddress(1, 1, screen * 4 + settable);
        Place(doc, std::move(reg), screen, settable ? 0 : 64, 20);
    }
    Place(doc, std::make_unique<CIndicator>(), screen, 120, 20).SetAddress(Coil(3, 0, screen));
    CFunctionKey& key = Place(doc, std::make_unique<CFunctionKey>(), screen, 140, 20);
    SetKeyAction(key, screen % CFunctionKey::kKeyCount, CFunctionKey::kActionJump,
                 CFunctionKey::kJumpScreen);
    key.SetJumpScreen(1);
    const std::int32_t graphKind = screen % 2 ? CTrendBar::kTrendGraph : CTrendBar::kBarGraph;
    Place(doc, std::make_unique<CTrendBar>(graphKind), screen, 0, 36)
        .SetAddress(MakeAddress(1, 1, screen));
    auto states = std::make_unique<CDynamicText>();
    states->GetTextList() = {HanziRun(nextHanzi, 2), HanziRun(nextHanzi, 2)};
    states->GetValueList() = {u"0", u"1"};
    Place(doc, std::move(states), screen, 100, 40);
    const std::u16string picture = u"pic" + FieldNumberText(screen / 4) + u".bmp";
    Place(doc,
          std::make_unique<CStaticBitmap>(
              MakePicture(16, 16,
                          std::vector<std::uint8_t>(32, static_cast<std::uint8_t>(screen / 4))),
              picture),
          screen, 170, 0);
    Place(doc, std::make_unique<CDynamicBitmap>(), screen, 170, 40).SetAddress(Coil(4, 0, 1));
}

// Busy screens until one more would not fit the panel; measure gives the image length.
inline void BuildNearLimitCase(CTaveloDoc& doc,
                               const std::function<std::size_t(const CTaveloDoc&)>& measure) {
    std::size_t nextHanzi = 0;
    for (std::int32_t screen = 1;; ++screen) {
        AddBusyScreen(doc, screen, nextHanzi);
        if (measure(doc) > kMaxImageSize) {
            doc.DeleteScreen(doc.FindScreen(screen));
            return;
        }
    }
}

struct CGoldenCase {
    const char* m_pszName;
    std::function<void(CTaveloDoc&)> m_build;
};

inline std::vector<CGoldenCase> GoldenCases() {
    return {
        {"image-empty-screen", [](CTaveloDoc& doc) { AddScreen(doc, 1); }},
        {"image-system-block", BuildSystemBlockCase},
        {"image-alarms", BuildAlarmsCase},
        {"image-static-text", BuildStaticTextCase},
        {"image-vector-text", BuildVectorTextCase},
        {"image-dynamic-text", BuildDynamicTextCase},
        {"image-register", BuildRegisterCase},
        {"image-indicator", BuildIndicatorCase},
        {"image-function-key", BuildFunctionKeyCase},
        {"image-trend-bar", BuildTrendBarCase},
        {"image-static-bitmap", BuildStaticBitmapCase},
        {"image-dynamic-bitmap", BuildDynamicBitmapCase},
    };
}

}  // namespace tavelo::test
