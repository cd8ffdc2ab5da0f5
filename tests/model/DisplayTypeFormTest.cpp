#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/DisplayTypeForm.h"

namespace tavelo {
namespace {

// Stored index, radio checked on opening; a click sets the index at once and the version follows.
TEST(DisplayTypeForm, OpensOnTheCurrentModelAndAClickSetsItAtOnce) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {{0, 0}, {1, 1}, {2, 0}, {-1, 0}};
    for (const auto& [stored, checked] : cases) {
        CAppState state;
        state.m_nModelIndex = stored;
        CDisplayTypeForm form(state);
        EXPECT_EQ(form.GetSelection(), checked) << stored;
        EXPECT_EQ(state.m_nModelIndex, checked) << stored;
        form.Click(1 - checked);
        EXPECT_EQ(state.m_nModelIndex, 1 - checked);
        EXPECT_EQ(std::u16string(CDisplayTypeForm::GetVersionText(state)),
                  checked ? u"ZORA 测试版" : u"ZORB 测试版");
    }
}

}  // namespace
}  // namespace tavelo
