#include <gtest/gtest.h>

#include "SettingsTestPlc.h"
#include "model/AlarmListForm.h"

namespace tavelo {
namespace {

using Field = CAlarmListForm::Field;
using Texts = std::vector<std::u16string>;

// The alarm unit list of the test PLC reads W, M, X.
constexpr int kW = 0, kM = 1, kX = 2;

class AlarmListFormTest : public ::testing::Test {
protected:
    AlarmListFormTest() { m_state.m_currentPlc = test::MakeSettingsTestPlc(); }

    CAlarmListForm& OpenForm() {
        m_form.emplace(m_alarms, m_state);
        m_form->Open();
        return *m_form;
    }

    // Unit, address and bit, with the given texts.
    CAlarmListForm& OpenAt(const std::u16string& unit, std::int32_t address, std::int32_t bit,
                           Texts texts) {
        m_alarms = CAlarmList();
        m_alarms.m_strUnitName = unit;
        m_alarms.m_nAddress = address;
        m_alarms.m_nBit = bit;
        m_alarms.m_texts = std::move(texts);
        return OpenForm();
    }

    // One column of the rows: the labels or the texts.
    Texts Column(std::u16string CAlarmListForm::CRow::*column) const {
        Texts out;
        for (const CAlarmListForm::CRow& row : m_form->GetRows()) out.push_back(row.*column);
        return out;
    }
    Texts Labels() const { return Column(&CAlarmListForm::CRow::m_strLabel); }
    Texts RowTexts() const { return Column(&CAlarmListForm::CRow::m_strText); }

    // Types text into a row as the user does: click, then the whole new text.
    std::optional<std::u16string> Type(int row, std::u16string_view text) {
        if (auto refusal = m_form->BeginEdit(row)) return refusal;
        return m_form->TypeText(text);
    }

    CAppState m_state;
    CAlarmList m_alarms;
    std::optional<CAlarmListForm> m_form;
};

TEST(AlarmListCommand, PlcIndex13RefusesAlarms) {
    CAppState state;
    EXPECT_EQ(CAlarmListForm::CheckCommand(state), std::nullopt);
    state.m_nPlcListIndex = 13;
    EXPECT_EQ(CAlarmListForm::CheckCommand(state), u"该协议不支持报警！");
}

TEST_F(AlarmListFormTest, UnitListHoldsBitUnitsInReverseOrderAndTheStoredOneIsChosen) {
    EXPECT_EQ(OpenForm().GetUnitList(), (Texts{u"W", u"M", u"X"}));
    EXPECT_EQ(m_form->GetUnitSelection(), kW);  // nothing stored: the first
    EXPECT_EQ(m_alarms.m_strUnitName, u"W");
    EXPECT_EQ(m_alarms.m_nUnitType, 9);
    EXPECT_EQ(m_alarms.m_nAddressing, CRegUnitConfig::kByteAndBit);
    m_state.m_currentPlc.m_units.push_back(
        test::MakeUnit(u"XA", CRegUnitConfig::kBit, 0, 0, 31, 12, 1));
    m_alarms.m_strUnitName = u"X";  // the exact name before a prefix
    EXPECT_EQ(OpenForm().GetUnitSelection(), 3);
    m_alarms.m_strUnitName = u"Q";
    EXPECT_EQ(OpenForm().GetUnitSelection(), 0);
}

TEST_F(AlarmListFormTest, PlcTypeWithoutBitUnitsKeepsTheStoredUnit) {
    m_state.m_currentPlc.m_units = {test::MakeUnit(u"D", CRegUnitConfig::kByte, 0, 99, 0, 1, 2)};
    m_alarms.m_strUnitName = u"M";
    m_alarms.m_nUnitType = 8;
    CAlarmListForm& form = OpenForm();
    EXPECT_TRUE(form.GetUnitList().empty());
    EXPECT_EQ(form.GetUnitSelection(), -1);
    form.Ok();
    EXPECT_EQ(m_alarms.m_strUnitName, u"M");
    EXPECT_EQ(m_alarms.m_nUnitType, 8);
}

TEST_F(AlarmListFormTest, LabelsCountBitsUpToTheUnitsHighBitAndSkipEmptyTexts) {
    const struct {
        const char16_t* unit;
        std::int32_t address, bit;
        Texts texts, labels;
        std::int32_t linearBit;
    } cases[] = {
        {u"M", 10, 6, {u"a", u"b", u"c", u""}, {u"M10.6", u"M10.7", u"M11.0", u""}, 86},
        {u"W", 10, 6, {u"a", u"b", u"c", u""}, {u"W10.6", u"W10.7", u"W10.8", u""}, 166},
        {u"X", 0, 4, {u"a", u"", u"b"}, {u"X4", u"", u"X5"}, 4},
        {u"W", 200000000, 3, {u""}, {u""}, INT32_MAX},  // as read from a file: clamped
        {u"W", -200000000, 3, {u""}, {u""}, INT32_MIN},
    };
    for (const auto& c : cases) {
        OpenAt(c.unit, c.address, c.bit, c.texts);
        EXPECT_EQ(Labels(), c.labels);
        EXPECT_EQ(m_alarms.m_nLinearBit, c.linearBit);
    }
}

TEST_F(AlarmListFormTest, AResetListOpensWithOneEmptyRowAndTypingThereAddsAnother) {
    m_alarms.Reset();
    EXPECT_EQ(OpenForm().GetRows(), (std::vector<CAlarmListForm::CRow>{{}}));
    EXPECT_EQ(m_alarms.m_texts, (Texts{u""}));
    EXPECT_EQ(Type(0, u"Oil"), std::nullopt);
    EXPECT_EQ(RowTexts(), (Texts{u"Oil", u""}));
    EXPECT_EQ(Labels(), (Texts{u"W0.0", u""}));
    m_form->TypeText(u"Oil low");
    EXPECT_EQ(RowTexts(), (Texts{u"Oil low", u""}));
}

TEST_F(AlarmListFormTest, TextsAreCutAt24ColumnsWithFullWidthTwoAndSurrogatePairsFourWhole) {
    const std::u16string x23(23, u'x'), smile = u"\U0001F600";
    std::u16string smiles;
    for (int i = 0; i < 7; ++i) smiles += smile;
    const std::pair<std::u16string, std::u16string> cases[] = {
        {x23 + u"y", x23 + u"y"},
        {x23 + u"yz", x23 + u"y"},
        {x23 + u"油", x23},
        {x23 + u"\u00e9", x23},  // every unit above 127 counts 2
        {x23.substr(1) + u"油", x23.substr(1) + u"油"},
        {smiles, smiles.substr(0, 12)},          // six pairs, 24 columns
        {x23 + char16_t{0xD800}, x23},           // a lone surrogate counts 2
        {x23.substr(2) + smile, x23.substr(2)},  // never half a pair
    };
    OpenAt(u"M", 0, 0, {u""});
    for (const auto& [typed, kept] : cases) {
        Type(0, typed);
        EXPECT_EQ(m_form->GetEditText(), kept);
        EXPECT_EQ(m_form->GetRows()[0].m_strText, kept);
    }
    EXPECT_EQ(CAlarmList::WithoutLastCharacter(u""), u"");
}

TEST_F(AlarmListFormTest, EmptyingARowRemovesItAndRelabelsKeepingOneEmptyRow) {
    OpenAt(u"M", 10, 6, {u"a", u"b", u"c", u""});
    Type(1, u"");
    EXPECT_EQ(RowTexts(), (Texts{u"a", u"c", u""}));
    EXPECT_EQ(Labels(), (Texts{u"M10.6", u"M10.7", u""}));
    Type(1, u"");
    EXPECT_EQ(RowTexts(), (Texts{u"a", u""}));
}

TEST_F(AlarmListFormTest, OnlyRowsUpToTheOneAfterTheLastAndBelowTheLimitOpenAnEditBox) {
    for (const auto& [plcIndex, limit] : {std::pair{0, 127}, std::pair{15, 56}}) {
        m_state.m_nPlcListIndex = plcIndex;
        OpenAt(u"M", 0, 0, Texts(limit, u"t"));
        EXPECT_EQ(m_form->BeginEdit(limit), u"报警列表上限！") << limit;
        EXPECT_FALSE(m_form->IsEditing()) << limit;
        EXPECT_EQ(m_form->BeginEdit(limit - 1), std::nullopt) << limit;
        EXPECT_TRUE(m_form->IsEditing()) << limit;
    }
    OpenAt(u"M", 0, 0, {u"a"});
    EXPECT_EQ(m_form->BeginEdit(3), std::nullopt);
    EXPECT_FALSE(m_form->IsEditing());
}

TEST_F(AlarmListFormTest, BitUnitRefusesTextsBeyondItsLastBit) {
    OpenAt(u"X", 0, 62, {u"a", u""});
    EXPECT_EQ(Type(1, u"b"), std::nullopt);
    EXPECT_EQ(Type(2, u"c"), u"已经达到地址最大值");
    EXPECT_FALSE(m_form->IsEditing());
    EXPECT_EQ(RowTexts(), (Texts{u"a", u"b", u""}));
}

TEST_F(AlarmListFormTest, SomePlcTypesStopTheRowsEarly) {
    const struct {
        const char16_t *plc, *unit;
        std::int32_t address, bit;
        Texts texts, rows;
    } cases[] = {
        {u"泽拓", u"X", 0, 62, {u"a", u"b", u"c", u"d"}, {u"a", u"b", u""}},    // at the last bit
        {u"西门子S7-200", u"M", 99, 6, {u"a", u"b", u"c"}, {u"a", u"b", u""}},  // last byte
        {u"永宏(MU/MA)", u"M", 0, 0, Texts(60, u"t"), Texts(56, u"t")},         // at most 56 rows
    };
    for (const auto& c : cases) {
        m_state.m_currentPlc.m_strName = c.plc;
        OpenAt(c.unit, c.address, c.bit, c.texts);
        EXPECT_EQ(RowTexts(), c.rows);
    }
}

TEST_F(AlarmListFormTest, FieldEditsRecomputeTheLinearBitAndBitUnitsHaveNoAddress) {
    CAlarmListForm& form = OpenAt(u"M", 10, 6, {u"a", u""});
    EXPECT_EQ(form.GetSpinRange(Field::kAddress), (CSpinRange{0, 99}));
    EXPECT_EQ(form.GetSpinRange(Field::kBit), (CSpinRange{0, 7}));
    form.SetFieldText(Field::kAddress, u"");
    form.SetFieldText(Field::kBit, u"2");
    EXPECT_EQ(m_alarms.m_nLinearBit, 86);  // all fields must hold values
    form.SetFieldText(Field::kAddress, u"4");
    EXPECT_EQ(m_alarms.m_nLinearBit, 34);
    EXPECT_EQ(Labels(), (Texts{u"M4.2", u""}));
    form.SelectUnit(kW);
    EXPECT_EQ(m_alarms.m_nLinearBit, 66);
    form.SetFieldText(Field::kAddress, u"200000000");
    EXPECT_EQ(m_alarms.m_nLinearBit, INT32_MAX);
    EXPECT_TRUE(form.IsAddressEnabled());
    form.SelectUnit(kX);
    EXPECT_FALSE(form.IsAddressEnabled());
    form.SetFieldText(Field::kAddress, u"7");
    EXPECT_EQ(form.GetFieldText(Field::kAddress), u"200000000");
}

TEST_F(AlarmListFormTest, OkStoresTheRowsAndClampsTheAddressAndStation) {
    for (const auto& [plcIndex, stationMax] : {std::pair{0, 255}, std::pair{16, 247}}) {
        m_state.m_nPlcListIndex = plcIndex;
        CAlarmListForm& form = OpenAt(u"M", 10, 6, {u"a", u""});
        form.SelectUnit(kM);
        Type(1, u"b");
        form.SetFieldText(Field::kStation, u"300");
        form.SetFieldText(Field::kAddress, u"150");
        form.SetFieldText(Field::kBit, u"9");
        form.Ok();
        EXPECT_EQ(m_alarms.m_texts, (Texts{u"a", u"b", u""}));
        EXPECT_EQ(m_alarms.m_nStation, stationMax);
        EXPECT_EQ(m_alarms.m_nAddress, 99);
        EXPECT_EQ(m_alarms.m_nBit, 7);
        EXPECT_EQ(m_alarms.m_nLinearBit, 99 * 8 + 7);
        EXPECT_EQ(form.GetFieldText(Field::kAddress), u"99");
    }
}

TEST_F(AlarmListFormTest, CancelPutsBackTheListFromBeforeTheCommand) {
    m_alarms.Reset();
    const CAlarmList before = m_alarms;
    OpenForm().SelectUnit(kX);
    Type(0, u"a");
    m_form->Cancel();
    EXPECT_EQ(m_alarms, before);
}

}  // namespace
}  // namespace tavelo
