#include <gtest/gtest.h>

#include "link/SimulatedPanel.h"

namespace tavelo {
namespace {

// The faults of tavelo-panel's --fault option.
TEST(SimulatedPanel, FaultTextsParseAndBadOnesAreRefused) {
    const auto fault = ParsePanelFault("readback:12");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->m_kind, EPanelFault::kWrongReadBack);
    EXPECT_EQ(fault->m_nRequest, 12);
    EXPECT_EQ(ParsePanelFault("silence:1")->m_kind, EPanelFault::kSilence);
    for (const char* bad : {"drop", "drop:", "drop:0", "drop:-2", "drop:3x", "jam:3", ":3"})
        EXPECT_FALSE(ParsePanelFault(bad)) << bad;
}

}  // namespace
}  // namespace tavelo
