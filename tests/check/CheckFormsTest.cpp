#include <gtest/gtest.h>

#include "check/AddressTableForm.h"
#include "check/CheckListForm.h"
#include "model/Screen.h"

namespace tavelo {
namespace {

CFinding MakeFinding(ESeverity severity, std::int32_t screen, const CGraphObj* element) {
    CFinding finding;
    finding.m_eSeverity = severity;
    finding.m_strCode = "overlap";
    finding.m_nScreen = screen;
    finding.m_pElement = element;
    finding.m_strMessage = u"m";
    return finding;
}

TEST(CheckListForm, RowsLeadToTheirScreenAndElementAndTheDownloadAsksOnErrors) {
    const CScreen element;
    CCheckResult result;
    result.m_findings = {MakeFinding(ESeverity::Error, CFinding::kProjectWide, nullptr),
                         MakeFinding(ESeverity::Warning, 3, &element)};
    result.m_compiled.m_layout[EImageArea::WideGlyphs].m_nSize = 3379;
    result.m_compiled.m_layout[EImageArea::AlarmTexts].m_nOffset = 3379;
    CCheckListForm form;
    form.Load(result);
    ASSERT_EQ(form.GetRows().size(), 2u);
    EXPECT_TRUE(form.GetRows()[0].m_bError);
    EXPECT_EQ(form.GetRows()[1].m_strSeverity, u"警告");
    EXPECT_FALSE(form.GetTarget(0));
    EXPECT_FALSE(form.GetTarget(2));
    ASSERT_TRUE(form.GetTarget(1));
    EXPECT_EQ(form.GetTarget(1)->m_nScreen, 3);
    EXPECT_EQ(form.GetTarget(1)->m_pElement, &element);
    EXPECT_EQ(form.GetSummary(), u"1 个错误，1 个警告");
    EXPECT_EQ(form.GetBudgetText(), u"下载数据 3379 / 33792 字节 (9%)");
    EXPECT_EQ(form.GetBudgetAreas()[0].m_nBytes, 3379u);
    EXPECT_TRUE(form.HasErrors());
    EXPECT_EQ(form.GetDownloadQuestion(),
              u"工程检查发现 1 个错误，下载后面板可能无法正常显示。仍然下载吗？");
    form.Load({});
    EXPECT_EQ(form.GetSummary(), u"没有发现问题");
    EXPECT_FALSE(form.HasErrors());
}

TEST(AddressTableForm, FiltersInAnyCaseAndSortsNumbersByValue) {
    std::vector<CAddressRow> rows(3);
    const std::int32_t addresses[] = {100, 9, 20};
    const char16_t* units[] = {u"DM", u"dm", u"X"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].m_nAddress = addresses[i];
        rows[i].m_strUnit = units[i];
        rows[i].m_users = {u"u"};
    }
    CAddressTableForm form;
    form.Load(rows);
    form.SortBy(2, false);
    auto visible = form.GetVisibleRows();
    ASSERT_EQ(visible.size(), 3u);
    EXPECT_EQ(visible[0][2], u"100");
    EXPECT_EQ(visible[1][2], u"20");
    form.SetFilter(u"Dm");
    visible = form.GetVisibleRows();
    ASSERT_EQ(visible.size(), 2u);
    EXPECT_EQ(visible[1][2], u"9");
}

}  // namespace
}  // namespace tavelo
