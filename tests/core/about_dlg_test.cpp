#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace {

// The sentence scrolls through a 19-character window: the first run starts at its
// second frame, later runs at the first, each after a rest of 29 empty ticks.
TEST(AboutTicker, RestsThenScrollsTheSentenceOneFramePerTick) {
    FakeWindow window;
    CAboutDlg dlg;
    dlg.OnInitDialog();
    for (int tick = 0; tick < 40; ++tick) {
        dlg.OnTimer(CAboutDlg::kTickerTimer + 1, window);  // not the ticker's timer
    }
    const auto rest = [&] {
        for (int tick = 1; tick <= 29; ++tick) {
            dlg.OnTimer(CAboutDlg::kTickerTimer, window);
            ASSERT_EQ(dlg.m_strTicker, "") << "rest tick " << tick;
        }
    };
    rest();
    EXPECT_TRUE(window.sleeps.empty());

    std::vector<std::string> shown(60);  // by frame number
    for (int frame = 2; frame <= 59; ++frame) {
        dlg.OnTimer(CAboutDlg::kTickerTimer, window);
        shown[frame] = dlg.m_strTicker;
    }
    EXPECT_EQ(shown[2], std::string(17, ' ') + "Pl");
    EXPECT_EQ(shown[19], "Please feel free to");
    EXPECT_EQ(shown[41], "nd your suggestions");
    EXPECT_EQ(shown[59], "s" + std::string(18, ' '));
    EXPECT_EQ(window.sleeps, std::vector<int>(58, 150)) << "a pause before each frame";
    dlg.OnTimer(CAboutDlg::kTickerTimer, window);
    EXPECT_EQ(dlg.m_strTicker, "");

    rest();
    dlg.OnTimer(CAboutDlg::kTickerTimer, window);
    EXPECT_EQ(dlg.m_strTicker, std::string(18, ' ') + "P");
}

}  // namespace
