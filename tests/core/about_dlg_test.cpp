#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

// The sentence scrolls through a 19-character window: the first run starts at
// its second frame, later runs at the first, each after a rest of 29 empty
// ticks. Ticks of other timers do nothing.
TEST(AboutTicker, RestsThenScrollsTheSentenceOneFramePerTick) {
    FakeWindow window;
    CAboutDlg dlg;
    dlg.OnInitDialog();
    std::vector<std::string> shown;
    for (int tick = 0; tick < 40; ++tick) {
        dlg.OnTimer(CAboutDlg::kTickerTimer + 1, window);
    }
    for (int tick = 0; tick < 29 + 58 + 1 + 29 + 1; ++tick) {
        dlg.OnTimer(CAboutDlg::kTickerTimer, window);
        shown.push_back(dlg.m_strTicker);
    }
    EXPECT_EQ(std::ranges::count(shown, ""), 29 + 1 + 29);
    EXPECT_EQ(shown[28], "");
    EXPECT_EQ(shown[29], std::string(17, ' ') + "Pl");
    EXPECT_EQ(shown[29 + 17], "Please feel free to");
    EXPECT_EQ(shown[29 + 39], "nd your suggestions");
    EXPECT_EQ(shown[29 + 57], "s" + std::string(18, ' '));
    EXPECT_EQ(shown[29 + 58], "");
    EXPECT_EQ(shown.back(), std::string(18, ' ') + "P");
    EXPECT_EQ(window.sleeps, std::vector<int>(58 + 1 + 1, 150)) << "a pause before each frame";
}

}  // namespace
