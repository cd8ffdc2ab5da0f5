#include <gtest/gtest.h>

#include "plc/PortForm.h"
namespace tavelo {
namespace {

CLinkSettings WithPort(int port) {
    CLinkSettings settings;
    settings.m_nDownloadPort = static_cast<std::uint8_t>(port);
    return settings;
}

TEST(PortForm, OpensOnTheStoredPortOrWithoutSelectionOutsideOneToFour) {
    for (int port = 1; port <= 4; ++port) {
        CLinkSettings settings = WithPort(port);
        EXPECT_EQ(CPortForm(settings).GetSelection(), port - 1);
    }
    for (int port : {0, 5, 255}) {
        CLinkSettings settings = WithPort(port);
        EXPECT_EQ(CPortForm(settings).GetSelection(), CPortForm::kNoSelection);
    }
}

TEST(PortForm, OkStoresTheChosenPositionPlusOne) {
    CLinkSettings settings = WithPort(1);
    CPortForm form(settings);
    form.SelectPort(2);
    EXPECT_EQ(settings.m_nDownloadPort, 1);
    EXPECT_TRUE(form.Ok());
    EXPECT_EQ(settings.m_nDownloadPort, 3);
}

TEST(PortForm, OkWithoutAChangeKeepsEvenAnUnlistedPort) {
    for (int port : {0, 2, 9}) {
        CLinkSettings settings = WithPort(port);
        CPortForm form(settings);
        form.Ok();
        EXPECT_EQ(settings.m_nDownloadPort, port);
    }
}

TEST(PortForm, PositionsOutsideTheListAreIgnored) {
    CLinkSettings settings = WithPort(4);
    CPortForm form(settings);
    form.SelectPort(4);
    form.SelectPort(-1);
    form.Ok();
    EXPECT_EQ(settings.m_nDownloadPort, 4);
}

}  // namespace
}  // namespace tavelo
