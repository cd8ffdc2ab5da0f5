#include <gtest/gtest.h>

#include "plc/PortForm.h"
namespace tavelo {
namespace {

CLinkSettings WithPort(int port) {
    CLinkSettings settings;
    settings.m_nDownloadPort = static_cast<std::uint8_t>(port);
    return settings;
}

TEST(PortForm, OpensOnTheStoredPortAndOkWithoutAChangeKeepsEvenAnUnlistedPort) {
    for (int port : {0, 1, 2, 3, 4, 5, 9, 255}) {
        CLinkSettings settings = WithPort(port);
        CPortForm form(settings);
        const bool listed = port >= 1 && port <= 4;
        EXPECT_EQ(form.GetSelection(), listed ? port - 1 : CPortForm::kNoSelection) << port;
        form.Ok();
        EXPECT_EQ(settings.m_nDownloadPort, port);
    }
}

TEST(PortForm, OkStoresTheChosenPositionPlusOneAndIgnoresPositionsOutsideTheList) {
    CLinkSettings settings = WithPort(1);
    CPortForm form(settings);
    form.SelectPort(2);
    form.SelectPort(4);
    form.SelectPort(-1);
    EXPECT_EQ(settings.m_nDownloadPort, 1);
    EXPECT_TRUE(form.Ok());
    EXPECT_EQ(settings.m_nDownloadPort, 3);
}

}  // namespace
}  // namespace tavelo
