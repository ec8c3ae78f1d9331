#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Log = std::vector<std::string>;

constexpr ColorRef kNavy = MakeColorRef(0, 0, 128);
constexpr ColorRef kBlack = MakeColorRef(0, 0, 0);

int CountStartingWith(const Log& log, const std::string& prefix) {
    return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& call) {
        return call.rfind(prefix, 0) == 0;
    }));
}

struct Settings : ::testing::Test {
    FakeTable t;

    void AnswerOptions(int show, int dblClk, int rclk, int result) {
        t.dialogs.options = [=](COptionsDlg& dlg) {
            dlg.m_bShow = show;
            dlg.m_bDblClk = dblClk;
            dlg.m_bRclk = rclk;
            return result;
        };
    }
    void ChooseColour(ColorRef colour) {
        t.window.chooseColor = [colour](ColorRef initial, ColorRef& chosen) {
            EXPECT_EQ(initial, kBlack);
            chosen = colour;
            return true;
        };
    }
};

TEST_F(Settings, FreshProfileGivesANavyTableWithEveryOptionOn) {
    EXPECT_EQ(t.view->m_crBackground, kNavy);
    EXPECT_EQ(t.view->m_Show, 1);
    EXPECT_EQ(t.view->m_DblClk, 1);
    EXPECT_EQ(t.view->m_Rclk, 1);
    EXPECT_EQ(t.view->m_nCardColor, 0);
}

TEST_F(Settings, CardColorWithoutAGameDoesNothing) {
    t.view->OnCardColor();
    EXPECT_EQ(t.view->m_nCardColor, 0);
    EXPECT_TRUE(t.surface.Take().empty());
}

TEST_F(Settings, CardColorCyclesThroughTheTintsDuringAGame) {
    t.Deal(1);
    t.profile.writes.clear();
    for (int tint : {1, 2, 3}) {
        t.surface.Take();
        t.view->OnCardColor();
        EXPECT_EQ(t.view->m_nCardColor, tint);
        const Log log = t.surface.Take();
        EXPECT_EQ(CountStartingWith(log, "blt " + std::to_string(200 + tint) + " "), 52 + 1)
            << "every card and the king are tinted";
    }
    t.view->OnCardColor();
    EXPECT_EQ(t.view->m_nCardColor, 0);
    const Log untinted = t.surface.Take();
    EXPECT_FALSE(std::any_of(untinted.begin(), untinted.end(),
                             [](const std::string& call) { return call.ends_with("merge"); }));
    EXPECT_TRUE(t.profile.writes.empty()) << "the tint lasts only for the run";
}

TEST_F(Settings, DefaultColorResetsEverythingEvenWithoutAGame) {
    t.view->m_nCardColor = 2;
    t.view->m_crBackground = kBlack;
    t.view->OnDefaultColor();
    EXPECT_EQ(t.view->m_nCardColor, 0);
    EXPECT_EQ(t.view->m_crBackground, kNavy);
    EXPECT_EQ(t.surface.Take().front(), "fill 0,0-632,407 0,0,128");
    EXPECT_EQ(t.profile.writes, (Log{"Color/m_Red=0", "Color/m_Green=0", "Color/m_Blue=128"}));
}

TEST_F(Settings, OptionsOkWritesAllThreeKeysAndRepaintsOnlyForTheClock) {
    AnswerOptions(1, 1, 1, IDOK);
    t.view->OnOptions();
    EXPECT_EQ(t.profile.writes, (Log{"Options/m_Show=1", "Options/DblClk=1", "Options/Rclk=1"}));
    EXPECT_TRUE(t.surface.Take().empty());

    AnswerOptions(1, 0, 0, IDOK);
    t.view->OnOptions();
    EXPECT_EQ(t.view->m_DblClk, 0);
    EXPECT_EQ(t.view->m_Rclk, 0);
    EXPECT_TRUE(t.surface.Take().empty());

    AnswerOptions(0, 0, 0, IDOK);
    t.view->OnOptions();
    EXPECT_EQ(t.view->m_Show, 0);
    const Log repaint = t.surface.Take();
    EXPECT_FALSE(repaint.empty());
    EXPECT_EQ(CountStartingWith(repaint, "text "), 0) << "the clock is no longer drawn";
}

TEST_F(Settings, CancelLeavesEverything) {
    AnswerOptions(0, 0, 0, IDCANCEL);
    t.view->OnOptions();
    t.view->OnBackgroundColor();  // the chooser is cancelled
    EXPECT_EQ(t.view->m_Show, 1);
    EXPECT_EQ(t.view->m_DblClk, 1);
    EXPECT_EQ(t.view->m_Rclk, 1);
    EXPECT_EQ(t.view->m_crBackground, kNavy);
    EXPECT_TRUE(t.profile.writes.empty());
    EXPECT_TRUE(t.surface.Take().empty());
}

TEST_F(Settings, BlackTableGetsWhiteCellOutlines) {
    ChooseColour(kBlack);
    t.view->OnBackgroundColor();
    EXPECT_EQ(t.view->m_crBackground, kBlack);
    const Log log = t.surface.Take();
    EXPECT_EQ(log.front(), "fill 0,0-632,407 0,0,0");
    // A not-copy pen in the table colour paints its inverse, white.
    EXPECT_EQ(CountStartingWith(log, "line 0,0-0,95 0,0,0 notcopy"), 1);
    EXPECT_EQ(t.profile.writes, (Log{"Color/m_Red=0", "Color/m_Green=0", "Color/m_Blue=0"}));
}

TEST_F(Settings, ChosenColourSurvivesARestartOfTheProgram) {
    ChooseColour(MakeColorRef(10, 200, 30));
    t.view->OnBackgroundColor();
    EXPECT_EQ(t.view->m_Green, 200);
    t.Construct();
    EXPECT_EQ(t.view->m_crBackground, MakeColorRef(10, 200, 30));

    t.view->OnDefaultColor();
    t.Construct();
    EXPECT_EQ(t.view->m_crBackground, kNavy);
}

}  // namespace
