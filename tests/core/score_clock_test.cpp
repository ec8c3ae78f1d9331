#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

bool DrewText(const std::vector<std::string>& log) {
    return std::any_of(log.begin(), log.end(),
                       [](const std::string& call) { return call.rfind("text ", 0) == 0; });
}

struct GameClock : ::testing::Test {
    FakeTable t;

    void Ticks(int n) {
        for (int i = 0; i < n; ++i) {
            t.view->OnTimer(kGameTimer);
        }
    }
};

TEST_F(GameClock, AdvancesOnceEveryElevenTicks) {
    t.Deal(1);
    t.surface.Take();
    Ticks(10);
    EXPECT_EQ(t.view->m_nSeconds, 0);
    EXPECT_TRUE(t.surface.Take().empty());
    Ticks(1);
    EXPECT_EQ(t.view->m_nSeconds, 1);
    EXPECT_EQ(t.surface.Take(), std::vector<std::string>{"text 307,9 1"});
    Ticks(11);
    EXPECT_EQ(t.view->m_nSeconds, 2);
}

TEST_F(GameClock, CountsWhileHidden) {
    t.view->m_Show = 0;
    t.Deal(1);
    t.surface.Take();
    Ticks(22);
    EXPECT_EQ(t.view->m_nSeconds, 2);
    EXPECT_FALSE(DrewText(t.surface.Take()));
}

TEST_F(GameClock, TickDividerCarriesIntoTheNextGame) {
    t.Deal(1);
    Ticks(5);
    t.Deal(2);
    EXPECT_EQ(t.view->m_nSeconds, 0);
    Ticks(6);
    EXPECT_EQ(t.view->m_nSeconds, 1);
}

TEST(StartupTick, DrawsTheEmptyTableOnceAndTitlesTheWindow) {
    FakeTable t;
    t.view->OnInitialUpdate();
    EXPECT_EQ(t.window.timers.at(kStartupTimer), 100);

    t.view->OnTimer(kStartupTimer);
    const std::vector<std::string> log = t.surface.Take();
    ASSERT_EQ(log.size(), 14u + 1u + 4u + 1u);
    EXPECT_EQ(log.front(), "line 0,0-0,95 0,0,128 notcopy");
    EXPECT_EQ(log[14], "text 307,9 0");
    EXPECT_EQ(log.back(), "blt 1000 295,35 32x32 copy");
    EXPECT_EQ(t.window.title, "Kelmora");
    EXPECT_EQ(t.view->m_bFirstTick, 0);
    EXPECT_EQ(t.window.timers.count(kStartupTimer), 0u);

    t.window.title = "unchanged";
    t.view->OnTimer(kStartupTimer);
    EXPECT_TRUE(t.surface.Take().empty());
    EXPECT_EQ(t.window.title, "unchanged");
}

}  // namespace
