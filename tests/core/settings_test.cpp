#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Log = std::vector<std::string>;

int Count(const Log& log, const std::string& part) {
    return static_cast<int>(std::ranges::count_if(
        log, [&part](const std::string& call) { return call.find(part) != std::string::npos; }));
}

// Every card and the king take the tint; nothing of it is kept in the profile.
TEST(CardColor, CyclesThroughTheTintsOnlyDuringAGame) {
    FakeTable t;
    for (int tint : {0, 1, 2, 3, 0}) {
        t.view->OnCardColor();
        EXPECT_EQ(t.view->m_nCardColor, tint);
        const Log log = t.surface.Take();
        EXPECT_EQ(Count(log, " merge"), tint == 0 ? 0 : 52 + 1) << "tint " << tint;
        EXPECT_EQ(Count(log, "blt " + std::to_string(200 + tint) + " "), tint == 0 ? 0 : 53);
        if (t.view->m_bPlaying == 0) {
            EXPECT_TRUE(log.empty());
            t.Deal(1);
            t.surface.Take();
            t.profile.writes.clear();
        }
    }
    EXPECT_TRUE(t.profile.writes.empty());
}

// OK writes all three keys and repaints only for the clock; Cancel changes nothing.
TEST(Options, OkWritesAllThreeKeysAndRepaintsOnlyForTheClock) {
    const struct {
        int answer, show, dblClk, rclk;
        bool repaints;
    } cases[] = {{IDCANCEL, 0, 0, 0, false},
                 {IDOK, 1, 1, 1, false},
                 {IDOK, 0, 0, 0, true},
                 {IDOK, 1, 0, 1, true}};
    FakeTable t;
    for (const auto& test : cases) {
        t.dialogs.options = [&test](COptionsDlg& dlg) {
            dlg.m_bShow = test.show;
            dlg.m_bDblClk = test.dblClk;
            dlg.m_bRclk = test.rclk;
            return test.answer;
        };
        t.profile.writes.clear();
        t.view->OnOptions();
        const Log written = {"Options/m_Show=" + std::to_string(t.view->m_Show),
                             "Options/DblClk=" + std::to_string(t.view->m_DblClk),
                             "Options/Rclk=" + std::to_string(t.view->m_Rclk)};
        EXPECT_EQ(t.profile.writes, test.answer == IDOK ? written : Log{}) << &test - cases;
        EXPECT_EQ(t.view->m_Show + t.view->m_DblClk + t.view->m_Rclk,
                  test.answer == IDOK ? test.show + test.dblClk + test.rclk : 3);
        const Log log = t.surface.Take();
        EXPECT_EQ(!log.empty(), test.repaints);
        EXPECT_EQ(Count(log, "text 307,9 "), test.repaints && test.show ? 1 : 0);
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
    EXPECT_EQ(t.profile.writes, (Log{"Color/m_Red=10", "Color/m_Green=200", "Color/m_Blue=30"}));
    t.Construct();
    EXPECT_EQ(t.view->m_crBackground, MakeColorRef(10, 200, 30));

    t.view->m_nCardColor = 2;
    t.profile.writes.clear();
    t.view->OnDefaultColor();
    EXPECT_EQ(t.view->m_nCardColor, 0);
    EXPECT_EQ(t.surface.Take().front(), "fill 0,0-632,407 0,0,128");
    EXPECT_EQ(t.profile.writes, (Log{"Color/m_Red=0", "Color/m_Green=0", "Color/m_Blue=128"}));
}

}  // namespace
