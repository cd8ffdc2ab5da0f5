#include <gtest/gtest.h>

#include <utility>

#include "model/FileError.h"
#include "plc/LinkSettingsForm.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

using test::MakePlc;
using test::MakeUnit;
using Field = CLinkSettingsForm::SerialField;

constexpr int kModbus = 0;
constexpr int kFx2n = 1;
constexpr int kSlc500 = 2;
constexpr int kSecondFx2n = 3;
constexpr int kToshiba = 4;
constexpr int kOddSerial = 5;

std::vector<CPLC> SampleTypes() {
    return {
        MakePlc(u"Modbus(RTU)", {MakeUnit(u"4X", 0, 1)}, CSerialComParam(0, 4, 1, 0, 2)),
        MakePlc(u"FX2N", {MakeUnit(u"D", 0, 1), MakeUnit(u"M", 1, 2)},
                CSerialComParam(0, 2, 0, 1, 1)),
        MakePlc(u"AB(SLC500)", {MakeUnit(u"N7", 0, 1)}, CSerialComParam(0, 5, 1, 0, 0)),
        MakePlc(u"FX2N", {MakeUnit(u"X", 1, 5)}, CSerialComParam(0, 0, 1, 1, 0)),
        MakePlc(u"东芝", {}, CSerialComParam(0, 1, 1, 0, 0)),
        MakePlc(u"Odd", {}, CSerialComParam(0, 9, 5, -3, 7)),
    };
}

// The link settings of a project, the process-wide state and a PLC type file to open on.
class LinkSettingsFormTest : public ::testing::Test {
protected:
    LinkSettingsFormTest() {
        m_settings.m_nBaudCode = 8;
        m_settings.m_nDataBitsChoice = 1;
        m_settings.m_nStopBitsChoice = 0;
        m_settings.m_nParityChoice = 1;
        m_state.m_currentPlc = MakePlc(u"Previous", {MakeUnit(u"P", 0, 9)});
    }

    CLinkSettingsForm Open(int storedIndex) {
        m_settings.m_nPlcListIndex = storedIndex;
        m_state.m_nPlcListIndex = static_cast<std::uint8_t>(storedIndex);
        return CLinkSettingsForm(m_settings, m_state, [this] { return m_types; });
    }

    void ExpectSerial(int baudCode, int dataBits, int stopBits, int parity) {
        EXPECT_EQ(m_settings.m_nBaudCode, baudCode);
        EXPECT_EQ(m_settings.m_nDataBitsChoice, dataBits);
        EXPECT_EQ(m_settings.m_nStopBitsChoice, stopBits);
        EXPECT_EQ(m_settings.m_nParityChoice, parity);
    }

    void ExpectShown(const CLinkSettingsForm& form, int baud, int dataBits, int stopBits,
                     int parity) {
        EXPECT_EQ(form.GetSerialSelection(Field::kBaud), baud);
        EXPECT_EQ(form.GetSerialSelection(Field::kDataBits), dataBits);
        EXPECT_EQ(form.GetSerialSelection(Field::kStopBits), stopBits);
        EXPECT_EQ(form.GetSerialSelection(Field::kParity), parity);
    }

    std::vector<CPLC> m_types = SampleTypes();
    CLinkSettings m_settings;
    CAppState m_state;
};

TEST_F(LinkSettingsFormTest, OpensCompactAndTheToggleShowsAndHidesTheSerialSettings) {
    CLinkSettingsForm form = Open(kModbus);
    EXPECT_FALSE(form.IsExpanded());
    EXPECT_EQ(std::u16string(form.GetToggleText()), u"通讯参数设置>>");
    form.Toggle();
    EXPECT_TRUE(form.IsExpanded());
    EXPECT_EQ(std::u16string(form.GetToggleText()), u"通讯参数设置<<");
    form.Toggle();
    EXPECT_FALSE(form.IsExpanded());
    EXPECT_EQ(std::u16string(form.GetToggleText()), u"通讯参数设置>>");
}

TEST_F(LinkSettingsFormTest, OffersTheTypeNamesInFileOrder) {
    const CLinkSettingsForm form = Open(kModbus);
    EXPECT_EQ(form.GetPlcTypeNames(),
              (std::vector<std::u16string>{u"Modbus(RTU)", u"FX2N", u"AB(SLC500)", u"FX2N", u"东芝",
                                           u"Odd"}));
    EXPECT_EQ(CLinkSettingsForm::GetSerialTexts(Field::kBaud)[3], u"9600");
}

TEST_F(LinkSettingsFormTest, OpeningMakesTheStoredEntryCurrentAndShowsTheStoredSerial) {
    const CLinkSettingsForm form = Open(kFx2n);
    EXPECT_EQ(form.GetPlcTypeSelection(), kFx2n);
    EXPECT_EQ(m_state.m_currentPlc, m_types[kFx2n]);
    EXPECT_TRUE(form.GetOpeningMessage().empty());
    ExpectSerial(8, 1, 0, 1);
    ExpectShown(form, 5, 1, 0, 1);
    EXPECT_EQ(m_settings.m_plcTypes, m_types);
}

TEST_F(LinkSettingsFormTest, StoredIndexBeyondTheListOpensOnEntryZeroWithItsSerialDefaults) {
    for (int stored : {6, 100, -1}) {
        m_settings.m_nBaudCode = 8;
        const CLinkSettingsForm form = Open(stored);
        EXPECT_EQ(form.GetPlcTypeSelection(), 0);
        EXPECT_EQ(m_state.m_currentPlc, m_types[kModbus]);
        // Baud index 4, data bits 1, stop bits 0, parity 2.
        ExpectSerial(6, 0, 1, 2);
        ExpectShown(form, 4, 0, 1, 2);
    }
}

TEST_F(LinkSettingsFormTest, IndexBeyondTheListTakesNoDefaultsWhenEntryZeroIsRefused) {
    std::swap(m_types[kModbus], m_types[kToshiba]);
    const CLinkSettingsForm form = Open(100);
    EXPECT_EQ(form.GetOpeningMessage(), u"不支持该协议!");
    EXPECT_EQ(m_state.m_currentPlc.GetName(), u"Previous");
    ExpectSerial(8, 1, 0, 1);
}

TEST_F(LinkSettingsFormTest, ProcessWideIndexKeepsTheLowByte) {
    m_types.resize(300, MakePlc(u"Generic"));
    CLinkSettingsForm form = Open(kModbus);
    form.SelectPlcType(260);
    EXPECT_EQ(m_settings.m_nPlcListIndex, 260);
    EXPECT_EQ(m_state.m_nPlcListIndex, 4);
}

TEST_F(LinkSettingsFormTest, OkAfterOpeningOnAnIndexBeyondTheListStoresEntryZero) {
    CLinkSettingsForm form = Open(100);
    EXPECT_TRUE(form.Ok());
    EXPECT_EQ(m_settings.m_nPlcListIndex, 0);
    EXPECT_EQ(m_state.m_nPlcListIndex, 0);
    EXPECT_TRUE(m_settings.m_plcTypes.empty());
}

TEST_F(LinkSettingsFormTest, ChangingTheTypeTakesItsSerialDefaultsAndMovesTheIndexEverywhere) {
    CLinkSettingsForm form = Open(kModbus);
    EXPECT_TRUE(form.SelectPlcType(kFx2n).empty());
    EXPECT_EQ(m_state.m_currentPlc, m_types[kFx2n]);
    EXPECT_EQ(m_settings.m_nPlcListIndex, kFx2n);
    EXPECT_EQ(m_state.m_nPlcListIndex, kFx2n);
    // Baud index 2, data bits 0, stop bits 1, parity 1.
    ExpectSerial(4, 1, 0, 1);
    ExpectShown(form, 2, 1, 0, 1);
}

TEST_F(LinkSettingsFormTest, TwoTypesOfOneNameMakeTheFirstCurrent) {
    CLinkSettingsForm form = Open(kModbus);
    form.SelectPlcType(kSecondFx2n);
    EXPECT_EQ(m_state.m_currentPlc, m_types[kFx2n]);
    EXPECT_EQ(m_settings.m_nPlcListIndex, kSecondFx2n);
    ExpectSerial(4, 1, 0, 1);
}

TEST_F(LinkSettingsFormTest, UnsupportedTypeKeepsThePreviousTypeButTheIndexFollows) {
    CLinkSettingsForm form = Open(kModbus);
    form.SelectSerial(Field::kBaud, 0);
    form.SelectSerial(Field::kParity, 0);
    EXPECT_EQ(form.SelectPlcType(kSlc500), u"不支持该协议!");
    EXPECT_EQ(m_state.m_currentPlc, m_types[kModbus]);
    EXPECT_EQ(m_settings.m_nPlcListIndex, kSlc500);
    EXPECT_EQ(m_state.m_nPlcListIndex, kSlc500);
    EXPECT_EQ(form.GetPlcTypeSelection(), kSlc500);
    // Modbus(RTU)'s defaults again, not AB(SLC500)'s.
    ExpectSerial(6, 0, 1, 2);
    ExpectShown(form, 4, 0, 1, 2);
}

TEST_F(LinkSettingsFormTest, OpeningOnAnUnsupportedTypeReportsItAndKeepsTheCurrentType) {
    const CLinkSettingsForm form = Open(kToshiba);
    EXPECT_EQ(form.GetOpeningMessage(), u"不支持该协议!");
    EXPECT_EQ(form.GetPlcTypeSelection(), kToshiba);
    EXPECT_EQ(m_state.m_currentPlc.GetName(), u"Previous");
    ExpectSerial(8, 1, 0, 1);
}

TEST_F(LinkSettingsFormTest, CancelAfterAChangeRestoresTheFieldsIndexAndOpeningType) {
    CLinkSettingsForm form = Open(kModbus);
    const CLinkSettings before = m_settings;
    form.SelectPlcType(kFx2n);
    form.SelectSerial(Field::kStopBits, 1);
    form.Cancel();
    EXPECT_EQ(m_settings.m_nPlcListIndex, kModbus);
    EXPECT_EQ(m_state.m_nPlcListIndex, kModbus);
    EXPECT_EQ(m_state.m_currentPlc, m_types[kModbus]);
    ExpectSerial(before.m_nBaudCode, before.m_nDataBitsChoice, before.m_nStopBitsChoice,
                 before.m_nParityChoice);
    EXPECT_TRUE(m_settings.m_plcTypes.empty());
}

TEST_F(LinkSettingsFormTest, CancelUndoesTheSerialDefaultsOfAnIndexBeyondTheList) {
    CLinkSettingsForm form = Open(100);
    form.Cancel();
    EXPECT_EQ(m_settings.m_nPlcListIndex, 100);
    ExpectSerial(8, 1, 0, 1);
}

TEST_F(LinkSettingsFormTest, OpeningThenCancellingStillMakesTheStoredEntryCurrent) {
    CLinkSettingsForm form = Open(kFx2n);
    form.Cancel();
    EXPECT_EQ(m_state.m_currentPlc, m_types[kFx2n]);
    EXPECT_EQ(m_settings.m_nPlcListIndex, kFx2n);
}

TEST_F(LinkSettingsFormTest, BaudCodeSevenShowsAs9600AndStaysUntilASerialOrTypeChange) {
    m_settings.m_nBaudCode = 7;
    CLinkSettingsForm form = Open(kModbus);
    EXPECT_EQ(form.GetSerialSelection(Field::kBaud), 3);
    EXPECT_EQ(m_settings.m_nBaudCode, 7);
    form.Toggle();
    form.Ok();
    EXPECT_EQ(m_settings.m_nBaudCode, 7);

    CLinkSettingsForm again = Open(kModbus);
    again.SelectSerial(Field::kBaud, 3);
    EXPECT_EQ(m_settings.m_nBaudCode, 5);
}

TEST_F(LinkSettingsFormTest, ChangingOneSerialDropDownReadsAllFour) {
    CLinkSettingsForm form = Open(kModbus);
    form.SelectSerial(Field::kParity, 0);
    ExpectSerial(8, 1, 0, 0);
    form.SelectSerial(Field::kBaud, 1);
    form.SelectSerial(Field::kDataBits, 0);
    form.SelectSerial(Field::kStopBits, 1);
    ExpectSerial(3, 0, 1, 0);
    ExpectShown(form, 1, 0, 1, 0);
}

TEST_F(LinkSettingsFormTest, DropDownWithoutSelectionLeavesItsField) {
    CLinkSettingsForm form = Open(kModbus);
    form.SelectSerial(Field::kBaud, CLinkSettingsForm::kNoSelection);
    form.SelectSerial(Field::kParity, 7);
    EXPECT_EQ(form.GetSerialSelection(Field::kBaud), CLinkSettingsForm::kNoSelection);
    EXPECT_EQ(form.GetSerialSelection(Field::kParity), CLinkSettingsForm::kNoSelection);
    ExpectSerial(8, 1, 0, 1);
}

TEST_F(LinkSettingsFormTest, StoredChoicesOutsideTheListsShowNoSelection) {
    m_settings.m_nParityChoice = 5;
    m_settings.m_nDataBitsChoice = 2;
    const CLinkSettingsForm form = Open(kModbus);
    ExpectShown(form, 5, CLinkSettingsForm::kNoSelection, 0, CLinkSettingsForm::kNoSelection);
}

TEST_F(LinkSettingsFormTest, SerialDefaultsOutsideTheListsLeaveTheFields) {
    CLinkSettingsForm form = Open(kModbus);
    form.SelectPlcType(kOddSerial);
    EXPECT_EQ(m_state.m_currentPlc.GetName(), u"Odd");
    ExpectSerial(8, 1, 0, 1);
    const int none = CLinkSettingsForm::kNoSelection;
    ExpectShown(form, none, none, none, none);
}

TEST_F(LinkSettingsFormTest, OkKeepsTheChoicesAndDiscardsTheLoadedList) {
    CLinkSettingsForm form = Open(kModbus);
    form.SelectPlcType(kFx2n);
    EXPECT_TRUE(form.Ok());
    EXPECT_EQ(m_settings.m_nPlcListIndex, kFx2n);
    EXPECT_EQ(m_state.m_currentPlc, m_types[kFx2n]);
    EXPECT_TRUE(m_settings.m_plcTypes.empty());
    ExpectSerial(4, 1, 0, 1);
}

TEST_F(LinkSettingsFormTest, EmptyTypeListOffersNothingAndChangesNothing) {
    m_types.clear();
    CLinkSettingsForm form = Open(0);
    EXPECT_TRUE(form.GetPlcTypeNames().empty());
    EXPECT_EQ(form.GetPlcTypeSelection(), CLinkSettingsForm::kNoSelection);
    EXPECT_TRUE(form.GetOpeningMessage().empty());
    EXPECT_TRUE(form.SelectPlcType(0).empty());
    EXPECT_EQ(m_state.m_currentPlc.GetName(), u"Previous");
    ExpectSerial(8, 1, 0, 1);
    form.Ok();
    EXPECT_EQ(m_settings.m_nPlcListIndex, 0);
}

TEST_F(LinkSettingsFormTest, FailingLoadChangesNothing) {
    m_settings.m_nPlcListIndex = kFx2n;
    m_settings.m_plcTypes = {MakePlc(u"left over")};
    const auto failingLoad = []() -> std::vector<CPLC> { throw CFileError("cannot open"); };
    EXPECT_THROW(CLinkSettingsForm(m_settings, m_state, failingLoad), CFileError);
    EXPECT_EQ(m_state.m_currentPlc.GetName(), u"Previous");
    ASSERT_EQ(m_settings.m_plcTypes.size(), 1u);
    ExpectSerial(8, 1, 0, 1);
}

}  // namespace
}  // namespace tavelo
