#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/DisplayTypeForm.h"

namespace tavelo {
namespace {

TEST(DisplayTypeForm, OpensOnTheCurrentModelAfterResettingAnUnknownIndex) {
    // Stored index, radio checked on opening.
    const std::pair<std::int32_t, std::int32_t> cases[] = {{0, 0}, {1, 1}, {2, 0}, {-1, 0}};
    for (const auto& [stored, checked] : cases) {
        CAppState state;
        state.m_nModelIndex = stored;
        const CDisplayTypeForm form(state);
        EXPECT_EQ(form.GetSelection(), checked) << stored;
        EXPECT_EQ(state.m_nModelIndex, checked) << stored;
    }
}

TEST(DisplayTypeForm, AClickSetsTheModelIndexAtOnceAndTheVersionTextFollows) {
    CAppState state;
    CDisplayTypeForm form(state);
    EXPECT_EQ(std::u16string(CDisplayTypeForm::GetVersionText(state)), u"ZORA 测试版");
    form.Click(CAppState::kModelZorB);
    EXPECT_EQ(state.m_nModelIndex, CAppState::kModelZorB);
    EXPECT_EQ(std::u16string(CDisplayTypeForm::GetVersionText(state)), u"ZORB 测试版");
}

}  // namespace
}  // namespace tavelo
