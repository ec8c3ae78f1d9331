#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Log = std::vector<std::string>;

void Ticks(FakeTable& t, int n) {
    for (int i = 0; i < n; ++i) {
        t.view->OnTimer(kGameTimer);
    }
}

TEST(GameClock, AdvancesEveryElevenTicksAndIsDrawnOnlyWhenShown) {
    for (int show : {1, 0}) {
        FakeTable t;
        t.view->m_Show = show;
        t.Deal(1);
        t.surface.Take();
        Ticks(t, 10);
        EXPECT_EQ(t.view->m_nSeconds, 0);
        EXPECT_TRUE(t.surface.Take().empty());
        Ticks(t, 1);
        EXPECT_EQ(t.view->m_nSeconds, 1);
        EXPECT_EQ(t.surface.Take(), show ? Log{"text 307,9 1"} : Log{});
        Ticks(t, 5);
        t.Deal(2);  // the divider carries into the next game
        EXPECT_EQ(t.view->m_nSeconds, 0);
        Ticks(t, 6);
        EXPECT_EQ(t.view->m_nSeconds, 1);
    }
}

TEST(GameClock, MovesLeftFourPixelsPerDigit) {
    FakeTable t;
    const std::pair<int, int> cases[] = {{9, 307},   {10, 303},  {99, 303},
                                         {100, 299}, {999, 299}, {1000, 295}};
    for (const auto& [seconds, x] : cases) {
        t.view->m_nSeconds = seconds;
        t.view->DrawClock();
        EXPECT_EQ(t.surface.Take(),
                  Log{"text " + std::to_string(x) + ",9 " + std::to_string(seconds)});
    }
}

TEST(StartupTick, DrawsTheEmptyTableOnceAndTitlesTheWindow) {
    FakeTable t;
    t.view->OnInitialUpdate();
    EXPECT_EQ(t.window.timers.at(kStartupTimer), 100);
    t.view->OnTimer(kStartupTimer);
    const Log log = t.surface.Take();
    ASSERT_EQ(log.size(), 14u + 1u + 4u + 1u) << "cell frames, clock, king box frame, king";
    EXPECT_EQ(log.back(), "blt 1000 295,35 32x32 copy");
    EXPECT_EQ(t.window.title, "Kelmora");
    EXPECT_EQ(t.window.timers.count(kStartupTimer), 0u);

    t.window.title = "unchanged";
    t.view->OnTimer(kStartupTimer);
    EXPECT_TRUE(t.surface.Take().empty());
    EXPECT_EQ(t.window.title, "unchanged");
}

}  // namespace
