#include <gtest/gtest.h>

#include "model/AlarmCsv.h"
#include "model/AlarmList.h"
#include "model/AppState.h"
#include "model/CsvText.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

class AlarmCsv : public ::testing::Test {
protected:
    AlarmCsv() {
        state.m_currentPlc =
            test::MakePlc(u"PLC", {test::MakeUnit(u"M", CRegUnitConfig::kBit, 3, 9)});
        alarms.m_strUnitName = u"M";
    }
    CAppState state;
    CAlarmList alarms;
};

TEST_F(AlarmCsv, TextsWithCommasQuotesAndChineseComeBackAsTheyWere) {
    const std::vector<std::u16string> texts = {u"电机过热, 停机", u"Pump \"2\" fault", u"液位\n低"};
    alarms.m_texts = texts;
    const std::string csv = ExportAlarmCsv(alarms, state);
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF序号,字符串\r\n"));
    EXPECT_NE(csv.find(",\"Pump \"\"2\"\" fault\"\r\n"), std::string::npos) << csv;
    CAlarmList back;
    back.m_strUnitName = u"M";
    const CAlarmImport imported = ImportAlarmCsv(csv, back, state);
    EXPECT_EQ(imported.m_nImported, 3u);
    EXPECT_TRUE(imported.m_notes.empty());
    EXPECT_EQ(std::vector(back.m_texts.begin(), back.m_texts.begin() + 3), texts);
}

TEST_F(AlarmCsv, AnImportCutsLongTextsAndRefusesRowsBeyondTheUnitsBits) {
    // Bits 0..9 of the unit hold ten alarms; the first starts at bit 0.
    std::string csv = "1,Alarm text that runs far past the panel's line\n";
    for (int row = 0; row < 10; ++row) csv += ",报警" + std::to_string(row) + "\r\n";
    const CAlarmImport imported = ImportAlarmCsv(csv, alarms, state);
    EXPECT_EQ(imported.m_nImported, 10u);
    ASSERT_EQ(imported.m_notes.size(), 2u);
    EXPECT_EQ(imported.m_notes[0], u"第 1 行超过 24 列，已截为：Alarm text that runs far");
    EXPECT_EQ(imported.m_notes[1], u"第 11 行未导入：已经达到地址最大值");
    EXPECT_EQ(alarms.m_texts[1], u"报警0");
}

TEST(CsvText, ParsesWhatSpreadsheetsWrite) {
    EXPECT_EQ(ParseCsv("\xEF\xBB\xBF"
                       "a,\"b,\"\"c\"\"\"\r\n\r\n,d\n\"open"),
              (std::vector<CsvRow>{{u"a", u"b,\"c\""}, {u"", u"d"}, {u"open"}}));
}

}  // namespace
}  // namespace tavelo
