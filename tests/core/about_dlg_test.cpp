#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace {

TEST(AboutFrames, SentenceScrollsThroughNineteenColumns) {
    CAboutDlg dlg;
    dlg.OnInitDialog();
    const std::pair<int, std::string> frames[] = {
        {0, ""},
        {1, std::string(18, ' ') + "P"},
        {19, "Please feel free to"},
        {41, "nd your suggestions"},
        {59, "s" + std::string(18, ' ')},
        {60, ""},
    };
    for (const auto& [frame, text] : frames) {
        EXPECT_EQ(dlg.m_strFrames[frame], text) << "frame " << frame;
    }
    for (int frame = 1; frame <= 59; ++frame) {
        EXPECT_EQ(dlg.m_strFrames[frame].size(), 19u) << "frame " << frame;
    }
}

TEST(AboutTicker, RestsThenRunsFromFrameTwoAndLaterRunsFromFrameOne) {
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

    // One frame per tick, each after the pause, then an empty ticker.
    for (int frame = 2; frame <= 59; ++frame) {
        dlg.OnTimer(CAboutDlg::kTickerTimer, window);
        ASSERT_EQ(dlg.m_strTicker, dlg.m_strFrames[frame]) << "frame " << frame;
    }
    EXPECT_EQ(dlg.m_strFrames[2], std::string(17, ' ') + "Pl");
    dlg.OnTimer(CAboutDlg::kTickerTimer, window);
    EXPECT_EQ(dlg.m_strTicker, "");
    EXPECT_EQ(window.sleeps, std::vector<int>(59, 150));

    rest();
    dlg.OnTimer(CAboutDlg::kTickerTimer, window);
    EXPECT_EQ(dlg.m_strTicker, dlg.m_strFrames[1]);
}

}  // namespace
