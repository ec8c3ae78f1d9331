#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

// The sentence scrolls through a 19-character window after a rest of 29 empty
// ticks, the first run from its second frame, later runs from the first, with
// a pause before each frame. Ticks of other timers do nothing.
TEST(AboutTicker, RestsThenScrollsTheSentenceOneFramePerTick) {
    FakeWindow window;
    CAboutDlg dlg;
    dlg.OnInitDialog();
    std::vector<std::string> shown;
    for (int tick = 0; tick < 40 + 29 + 58 + 1 + 29 + 1; ++tick) {
        dlg.OnTimer(CAboutDlg::kTickerTimer + (tick < 40 ? 1 : 0), window);
        shown.push_back(dlg.m_strTicker);
    }
    const int first = 40 + 29;  // the first frame shown
    EXPECT_EQ(std::ranges::count(shown, ""), first + 1 + 29);
    EXPECT_EQ(shown[first], std::string(17, ' ') + "Pl");
    EXPECT_EQ(shown[first + 17], "Please feel free to");
    EXPECT_EQ(shown[first + 57], "s" + std::string(18, ' '));
    EXPECT_EQ(shown[first + 58], "");
    EXPECT_EQ(shown.back(), std::string(18, ' ') + "P");
    EXPECT_EQ(window.sleeps, std::vector<int>(58 + 1 + 1, 150));
}

}  // namespace
