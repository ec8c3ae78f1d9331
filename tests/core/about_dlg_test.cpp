#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace {

TEST(AboutFrames, SentenceScrollsThroughNineteenColumns) {
    CAboutDlg dlg;
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.m_strFrames[0], "");
    EXPECT_EQ(dlg.m_strFrames[1], std::string(18, ' ') + "P");
    EXPECT_EQ(dlg.m_strFrames[2], std::string(17, ' ') + "Pl");
    EXPECT_EQ(dlg.m_strFrames[19], "Please feel free to");
    EXPECT_EQ(dlg.m_strFrames[41], "nd your suggestions");
    EXPECT_EQ(dlg.m_strFrames[59], "s" + std::string(18, ' '));
    EXPECT_EQ(dlg.m_strFrames[60], "");
    for (int frame = 1; frame <= 59; ++frame) {
        EXPECT_EQ(dlg.m_strFrames[frame].size(), 19u) << "frame " << frame;
    }
}

struct AboutTicker : ::testing::Test {
    FakeWindow window;
    CAboutDlg dlg;

    void SetUp() override { dlg.OnInitDialog(); }
    // Ticks until the ticker shows text, returning that first text.
    std::string TickUntilShown() {
        for (int tick = 0; tick < 100; ++tick) {
            dlg.OnTimer(CAboutDlg::kTickerTimer, window);
            if (!dlg.m_strTicker.empty()) {
                return dlg.m_strTicker;
            }
        }
        return {};
    }
};

TEST_F(AboutTicker, RestsTwentyNineTicksThenStartsAtFrameTwo) {
    for (int tick = 1; tick <= 29; ++tick) {
        dlg.OnTimer(CAboutDlg::kTickerTimer, window);
        EXPECT_EQ(dlg.m_strTicker, "") << "tick " << tick;
    }
    EXPECT_TRUE(window.sleeps.empty());
    dlg.OnTimer(CAboutDlg::kTickerTimer, window);
    EXPECT_EQ(dlg.m_strTicker, dlg.m_strFrames[2]);
    EXPECT_EQ(window.sleeps, std::vector<int>{150});
}

TEST_F(AboutTicker, RunEndsEmptyAndTheNextRunStartsAtFrameOne) {
    EXPECT_EQ(TickUntilShown(), dlg.m_strFrames[2]);
    // Frames 3..59 follow one per tick, then frame 60 empties the ticker.
    for (int frame = 3; frame <= 59; ++frame) {
        dlg.OnTimer(CAboutDlg::kTickerTimer, window);
        ASSERT_EQ(dlg.m_strTicker, dlg.m_strFrames[frame]) << "frame " << frame;
    }
    dlg.OnTimer(CAboutDlg::kTickerTimer, window);
    EXPECT_EQ(dlg.m_strTicker, "");
    EXPECT_EQ(dlg.m_nFrame, 0);
    EXPECT_EQ(dlg.m_nTickerWait, 0);
    EXPECT_EQ(window.sleeps.size(), 59u);

    window.sleeps.clear();
    EXPECT_EQ(TickUntilShown(), dlg.m_strFrames[1]);
    EXPECT_EQ(window.sleeps, std::vector<int>{150});
}

TEST_F(AboutTicker, OtherTimersLeaveTheTickerAlone) {
    for (int tick = 0; tick < 40; ++tick) {
        dlg.OnTimer(CAboutDlg::kTickerTimer + 1, window);
    }
    EXPECT_EQ(dlg.m_nTickerWait, 0);
    EXPECT_EQ(dlg.m_strTicker, "");
}

}  // namespace
