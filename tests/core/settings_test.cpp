#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Log = std::vector<std::string>;

int Count(const Log& log, const std::string& part) {
    return static_cast<int>(std::ranges::count_if(
        log, [&part](const std::string& call) { return call.find(part) != std::string::npos; }));
}

// Only during a game; every card and the king take the tint, which is not kept.
TEST(CardColor, CyclesThroughTheTintsOnlyDuringAGame) {
    FakeTable t;
    t.view->OnCardColor();
    EXPECT_EQ(t.view->m_nCardColor + t.surface.Take().size(), 0u);
    t.Deal(1);
    t.surface.Take();
    t.profile.writes.clear();
    for (int tint : {1, 2, 3, 0}) {
        t.view->OnCardColor();
        const Log log = t.surface.Take();
        EXPECT_EQ(t.view->m_nCardColor, tint);
        EXPECT_EQ(Count(log, "blt " + std::to_string(200 + tint) + " "), tint == 0 ? 0 : 53);
        EXPECT_EQ(Count(log, " merge"), tint == 0 ? 0 : 53);
    }
    EXPECT_TRUE(t.profile.writes.empty());
}

// OK keeps and writes all three options and repaints only for the clock.
TEST(Options, OkWritesAllThreeAndRepaintsOnlyForTheClock) {
    FakeTable t;
    const Log written = {"Options/m_Show=0", "Options/DblClk=1", "Options/Rclk=0"};
    for (const auto& [answer, repaints] :
         {std::pair{IDCANCEL, false}, {IDOK, true}, {IDOK, false}}) {
        t.dialogs.options = [answer](COptionsDlg& dlg) {
            return dlg.m_bShow = dlg.m_bRclk = 0, answer;
        };
        t.view->OnOptions();
        EXPECT_EQ(std::exchange(t.profile.writes, {}), answer == IDOK ? written : Log{});
        EXPECT_EQ(std::exchange(t.profile.updates, 0), answer == IDOK ? 1 : 0) << "one change";
        EXPECT_EQ(Count(t.surface.Take(), "fill 0,0-632,407"), repaints ? 1 : 0);
    }
}

// The chooser opens on black; a not-copy pen in the table colour draws the
// frames in its inverse. The colour is kept until Default Color.
TEST(TableColour, ChosenColourRepaintsAndSurvivesARestartUntilDefaultColor) {
    FakeTable t;
    t.window.chooseColor = [](ColorRef initial, ColorRef& chosen) {
        EXPECT_EQ(initial, MakeColorRef(0, 0, 0));
        return chosen = MakeColorRef(10, 200, 30), true;
    };
    t.view->OnBackgroundColor();
    const Log log = t.surface.Take();
    EXPECT_EQ(log.front(), "fill 0,0-632,407 10,200,30");
    EXPECT_EQ(Count(log, "line 0,0-0,95 10,200,30 notcopy"), 1);
    EXPECT_EQ(std::exchange(t.profile.writes, {}),
              (Log{"Color/m_Red=10", "Color/m_Green=200", "Color/m_Blue=30"}));
    t.Construct();
    EXPECT_EQ(t.view->m_crBackground, MakeColorRef(10, 200, 30));
    t.view->m_nCardColor = 2;
    t.view->OnDefaultColor();
    EXPECT_EQ(t.view->m_nCardColor, 0);
    EXPECT_EQ(t.surface.Take().front(), "fill 0,0-632,407 0,0,128");
    EXPECT_EQ(t.profile.writes, (Log{"Color/m_Red=0", "Color/m_Green=0", "Color/m_Blue=128"}));
}

}  // namespace
