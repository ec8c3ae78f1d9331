#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Log = std::vector<std::string>;

int CountCalls(const Log& log, const std::string& prefix, const std::string& suffix = "") {
    return static_cast<int>(std::ranges::count_if(log, [&](const std::string& call) {
        return call.starts_with(prefix) && call.ends_with(suffix);
    }));
}

TEST(CardColor, CyclesThroughTheTintsOnlyDuringAGame) {
    FakeTable t;
    t.view->OnCardColor();
    EXPECT_EQ(t.view->m_nCardColor, 0);
    EXPECT_TRUE(t.surface.Take().empty());

    t.Deal(1);
    t.profile.writes.clear();
    for (int tint : {1, 2, 3, 0}) {
        t.surface.Take();
        t.view->OnCardColor();
        EXPECT_EQ(t.view->m_nCardColor, tint);
        const Log log = t.surface.Take();
        const int tinted = tint == 0 ? 0 : 52 + 1;  // every card and the king
        EXPECT_EQ(CountCalls(log, "", "merge"), tinted) << "tint " << tint;
        EXPECT_EQ(CountCalls(log, "blt " + std::to_string(200 + tint) + " "), tinted);
    }
    EXPECT_TRUE(t.profile.writes.empty()) << "the tint lasts only for the run";
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
        SCOPED_TRACE(&test - cases);
        t.dialogs.options = [&test](COptionsDlg& dlg) {
            dlg.m_bShow = test.show;
            dlg.m_bDblClk = test.dblClk;
            dlg.m_bRclk = test.rclk;
            return test.answer;
        };
        t.profile.writes.clear();
        t.view->OnOptions();
        EXPECT_EQ(std::tuple(t.view->m_Show, t.view->m_DblClk, t.view->m_Rclk),
                  test.answer == IDOK ? std::tuple(test.show, test.dblClk, test.rclk)
                                      : std::tuple(1, 1, 1));
        const Log written = {"Options/m_Show=" + std::to_string(test.show),
                             "Options/DblClk=" + std::to_string(test.dblClk),
                             "Options/Rclk=" + std::to_string(test.rclk)};
        EXPECT_EQ(t.profile.writes, test.answer == IDOK ? written : Log{});
        const Log log = t.surface.Take();
        EXPECT_EQ(!log.empty(), test.repaints);
        EXPECT_EQ(CountCalls(log, "text 307,9 "), test.repaints && test.show ? 1 : 0);
    }
}

TEST(TableColour, ChosenColourRepaintsAndSurvivesARestartUntilDefaultColor) {
    FakeTable t;
    t.view->OnBackgroundColor();  // the chooser cancelled
    EXPECT_TRUE(t.profile.writes.empty());
    EXPECT_TRUE(t.surface.Take().empty());
    for (const ColorRef colour : {MakeColorRef(0, 0, 0), MakeColorRef(10, 200, 30)}) {
        t.window.chooseColor = [colour](ColorRef initial, ColorRef& chosen) {
            EXPECT_EQ(initial, MakeColorRef(0, 0, 0));
            return chosen = colour, true;
        };
        t.profile.writes.clear();
        t.view->OnBackgroundColor();
        t.Construct();
        EXPECT_EQ(t.view->m_crBackground, colour);
    }
    const Log log = t.surface.Take();
    EXPECT_EQ(log.front(), "fill 0,0-632,407 0,0,0");
    // A not-copy pen in the table colour paints its inverse: white outlines.
    EXPECT_EQ(CountCalls(log, "line 0,0-0,95 0,0,0 notcopy"), 1);
    EXPECT_EQ(t.profile.writes, (Log{"Color/m_Red=10", "Color/m_Green=200", "Color/m_Blue=30"}));

    t.view->m_nCardColor = 2;
    t.profile.writes.clear();
    t.view->OnDefaultColor();  // no game in play
    EXPECT_EQ(t.view->m_nCardColor, 0);
    EXPECT_EQ(t.surface.Take().front(), "fill 0,0-632,407 0,0,128");
    EXPECT_EQ(t.profile.writes, (Log{"Color/m_Red=0", "Color/m_Green=0", "Color/m_Blue=128"}));
    t.Construct();
    EXPECT_EQ(t.view->m_crBackground, MakeColorRef(0, 0, 128));
}

}  // namespace
