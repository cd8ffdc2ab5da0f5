#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "model/FileError.h"
#include "plc/LinkSettingsForm.h"
#include "plc/PortForm.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

using test::MakePlc;
using test::MakeUnit;
using Field = CLinkSettingsForm::SerialField;
// Baud code (or baud position when shown), data-bits, stop-bits and parity choice.
using Four = std::array<int, 4>;

constexpr int kModbus = 0, kFx2n = 1, kSlc500 = 2, kSecondFx2n = 3, kToshiba = 4, kOddSerial = 5;
constexpr int kNone = CLinkSettingsForm::kNoSelection;
constexpr Four kStored = {8, 1, 0, 1};
constexpr Four kModbusSerial = {6, 0, 1, 2};  // baud position 4
constexpr Four kFx2nSerial = {4, 1, 0, 1};    // baud position 2

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

    Four Serial() const {
        return {m_settings.m_nBaudCode, m_settings.m_nDataBitsChoice, m_settings.m_nStopBitsChoice,
                m_settings.m_nParityChoice};
    }

    static Four Shown(const CLinkSettingsForm& form) {
        return {form.GetSerialSelection(Field::kBaud), form.GetSerialSelection(Field::kDataBits),
                form.GetSerialSelection(Field::kStopBits), form.GetSerialSelection(Field::kParity)};
    }

    std::vector<CPLC> m_types = {
        MakePlc(u"Modbus(RTU)", {MakeUnit(u"4X", 0, 1)}, CSerialComParam(0, 4, 1, 0, 2)),
        MakePlc(u"FX2N", {MakeUnit(u"D", 0, 1), MakeUnit(u"M", 1, 2)},
                CSerialComParam(0, 2, 0, 1, 1)),
        MakePlc(u"AB(SLC500)", {MakeUnit(u"N7", 0, 1)}, CSerialComParam(0, 5, 1, 0, 0)),
        MakePlc(u"FX2N", {MakeUnit(u"X", 1, 5)}, CSerialComParam(0, 0, 1, 1, 0)),
        MakePlc(u"东芝", {}, CSerialComParam(0, 1, 1, 0, 0)),
        MakePlc(u"Odd", {}, CSerialComParam(0, 9, 5, -3, 7)),
    };
    CLinkSettings m_settings;
    CAppState m_state;
};

TEST_F(LinkSettingsFormTest, OpeningOffersTheTypesInFileOrderAndMakesTheStoredEntryCurrent) {
    CLinkSettingsForm form = Open(kFx2n);
    EXPECT_EQ(form.GetPlcTypeNames(),
              (std::vector<std::u16string>{u"Modbus(RTU)", u"FX2N", u"AB(SLC500)", u"FX2N", u"东芝",
                                           u"Odd"}));
    EXPECT_EQ(form.GetPlcTypeSelection(), kFx2n);
    EXPECT_EQ(m_state.m_currentPlc, m_types[kFx2n]);
    EXPECT_TRUE(form.GetOpeningMessage().empty());
    EXPECT_EQ(Serial(), kStored);
    EXPECT_EQ(Shown(form), (Four{5, 1, 0, 1}));
    EXPECT_EQ(m_settings.m_plcTypes, m_types);
    // It opens compact; the toggle shows and hides the serial settings.
    for (bool expanded : {false, true, false}) {
        EXPECT_EQ(form.IsExpanded(), expanded);
        EXPECT_EQ(std::u16string(form.GetToggleText()),
                  expanded ? u"通讯参数设置<<" : u"通讯参数设置>>");
        form.Toggle();
    }
}

TEST_F(LinkSettingsFormTest, StoredIndexBeyondTheListOpensOnEntryZeroWithItsDefaultsUntilCancel) {
    // Cancel restores the index and the serial settings; OK stores entry 0 as the index.
    Open(100).Cancel();
    EXPECT_EQ(m_settings.m_nPlcListIndex, 100);
    EXPECT_EQ(Serial(), kStored);
    EXPECT_TRUE(Open(100).Ok());
    EXPECT_EQ(m_state.m_nPlcListIndex, 0);
    for (int stored : {6, 100, -1}) {
        m_settings.m_nBaudCode = 8;
        m_state.m_currentPlc = CPLC();
        const CLinkSettingsForm form = Open(stored);
        EXPECT_EQ(form.GetPlcTypeSelection(), 0);
        EXPECT_EQ(m_state.m_currentPlc, m_types[kModbus]);
        EXPECT_EQ(Serial(), kModbusSerial);
        EXPECT_EQ(Shown(form), (Four{4, 0, 1, 2}));
    }
}

TEST_F(LinkSettingsFormTest, OpeningOnARefusedTypeReportsItAndKeepsThePreviousTypeAndSerial) {
    const CLinkSettingsForm form = Open(kToshiba);
    EXPECT_EQ(form.GetOpeningMessage(), u"不支持该协议!");
    EXPECT_EQ(form.GetPlcTypeSelection(), kToshiba);
    EXPECT_EQ(m_state.m_currentPlc.GetName(), u"Previous");
    EXPECT_EQ(Serial(), kStored);
    // Entry 0 standing in for an index beyond the list gives no defaults when it is refused.
    std::swap(m_types[kModbus], m_types[kToshiba]);
    EXPECT_EQ(Open(100).GetOpeningMessage(), u"不支持该协议!");
    EXPECT_EQ(m_state.m_currentPlc.GetName(), u"Previous");
    EXPECT_EQ(Serial(), kStored);
}

TEST_F(LinkSettingsFormTest, ProcessWideIndexKeepsTheLowByte) {
    m_types.resize(300, MakePlc(u"Generic"));
    Open(kModbus).SelectPlcType(260);
    EXPECT_EQ(m_settings.m_nPlcListIndex, 260);
    EXPECT_EQ(m_state.m_nPlcListIndex, 4);
}

TEST_F(LinkSettingsFormTest,
       ChangingTheTypeTakesTheSerialDefaultsOfTheFirstOfItsNameAndOkKeepsThem) {
    CLinkSettingsForm form = Open(kModbus);
    EXPECT_TRUE(form.SelectPlcType(kFx2n).empty());
    EXPECT_EQ(m_state.m_currentPlc, m_types[kFx2n]);
    EXPECT_EQ(m_settings.m_nPlcListIndex, kFx2n);
    EXPECT_EQ(m_state.m_nPlcListIndex, kFx2n);
    EXPECT_EQ(Serial(), kFx2nSerial);
    EXPECT_EQ(Shown(form), (Four{2, 1, 0, 1}));
    // Of two types of one name the first becomes current; the index follows the choice.
    form.SelectSerial(Field::kParity, 0);
    form.SelectPlcType(kSecondFx2n);
    EXPECT_EQ(m_state.m_currentPlc, m_types[kFx2n]);
    EXPECT_EQ(m_settings.m_nPlcListIndex, kSecondFx2n);
    EXPECT_EQ(Serial(), kFx2nSerial);
    EXPECT_TRUE(form.Ok());
    EXPECT_EQ(m_settings.m_nPlcListIndex, kSecondFx2n);
    EXPECT_TRUE(m_settings.m_plcTypes.empty());
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
    EXPECT_EQ(Serial(), kModbusSerial);
    EXPECT_EQ(Shown(form), (Four{4, 0, 1, 2}));
}

TEST_F(LinkSettingsFormTest, CancelAfterAChangeRestoresTheFieldsAndIndexAndKeepsTheOpenedType) {
    // Opening made the stored entry current; cancelling keeps it, not the type before opening.
    CLinkSettingsForm form = Open(kFx2n);
    form.SelectPlcType(kModbus);
    form.SelectSerial(Field::kStopBits, 0);
    form.Cancel();
    EXPECT_EQ(m_settings.m_nPlcListIndex, kFx2n);
    EXPECT_EQ(m_state.m_nPlcListIndex, kFx2n);
    EXPECT_EQ(m_state.m_currentPlc, m_types[kFx2n]);
    EXPECT_EQ(Serial(), kStored);
    EXPECT_TRUE(m_settings.m_plcTypes.empty());
}

TEST_F(LinkSettingsFormTest, BaudCodeSevenShowsAs9600AndStaysUntilASerialOrTypeChange) {
    m_settings.m_nBaudCode = 7;
    CLinkSettingsForm form = Open(kModbus);
    EXPECT_EQ(form.GetSerialSelection(Field::kBaud), 3);
    EXPECT_EQ(CLinkSettingsForm::GetSerialTexts(Field::kBaud)[3], u"9600");
    form.Toggle();
    form.Ok();
    EXPECT_EQ(m_settings.m_nBaudCode, 7);
    Open(kModbus).SelectSerial(Field::kBaud, 3);
    EXPECT_EQ(m_settings.m_nBaudCode, 5);
}

TEST_F(LinkSettingsFormTest, ChangingOneSerialDropDownReadsAllFourAndAnEmptyOneLeavesItsField) {
    CLinkSettingsForm form = Open(kModbus);
    form.SelectSerial(Field::kParity, 0);
    EXPECT_EQ(Serial(), (Four{8, 1, 0, 0}));
    form.SelectSerial(Field::kBaud, 1);
    form.SelectSerial(Field::kDataBits, 0);
    form.SelectSerial(Field::kStopBits, 1);
    EXPECT_EQ(Serial(), (Four{3, 0, 1, 0}));
    EXPECT_EQ(Shown(form), (Four{1, 0, 1, 0}));
    form.SelectSerial(Field::kBaud, kNone);
    form.SelectSerial(Field::kParity, 7);
    EXPECT_EQ(Shown(form), (Four{kNone, 0, 1, kNone}));
    EXPECT_EQ(Serial(), (Four{3, 0, 1, 0}));
}

TEST_F(LinkSettingsFormTest, StoredChoicesOrSerialDefaultsOutsideTheListsShowNoSelection) {
    m_settings.m_nParityChoice = 5;
    m_settings.m_nDataBitsChoice = 2;
    CLinkSettingsForm form = Open(kModbus);
    EXPECT_EQ(Shown(form), (Four{5, kNone, 0, kNone}));
    // Defaults outside the lists leave the fields as they were.
    form.SelectPlcType(kOddSerial);
    EXPECT_EQ(m_state.m_currentPlc.GetName(), u"Odd");
    EXPECT_EQ(Serial(), (Four{8, 2, 0, 5}));
    EXPECT_EQ(Shown(form), (Four{kNone, kNone, kNone, kNone}));
}

TEST_F(LinkSettingsFormTest, EmptyTypeListOffersNothingAndChangesNothing) {
    m_types.clear();
    CLinkSettingsForm form = Open(0);
    EXPECT_TRUE(form.GetPlcTypeNames().empty());
    EXPECT_EQ(form.GetPlcTypeSelection(), kNone);
    EXPECT_TRUE(form.GetOpeningMessage().empty());
    EXPECT_TRUE(form.SelectPlcType(0).empty());
    EXPECT_EQ(m_state.m_currentPlc.GetName(), u"Previous");
    EXPECT_EQ(Serial(), kStored);
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
    EXPECT_EQ(Serial(), kStored);
}

// The port dialog opens on the stored port (none outside COM1 to COM4) and OK stores the
// chosen position + 1, so OK without a change keeps even an unlisted port.
TEST(PortForm, OpensOnTheStoredPortAndOkStoresTheChosenPositionPlusOne) {
    for (int port : {0, 1, 4, 5, 255}) {
        CLinkSettings settings;
        settings.m_nDownloadPort = static_cast<std::uint8_t>(port);
        CPortForm unchanged(settings);
        EXPECT_EQ(unchanged.GetSelection(), port >= 1 && port <= 4 ? port - 1 : -1) << port;
        unchanged.Ok();
        EXPECT_EQ(settings.m_nDownloadPort, port);
        CPortForm form(settings);
        form.SelectPort(2);
        form.SelectPort(4);  // outside the list: ignored
        form.SelectPort(-1);
        EXPECT_EQ(settings.m_nDownloadPort, port);
        EXPECT_TRUE(form.Ok());
        EXPECT_EQ(settings.m_nDownloadPort, 3);
    }
}

}  // namespace
}  // namespace tavelo
