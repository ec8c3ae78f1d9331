#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Log = std::vector<std::string>;

constexpr ColorRef kNavy = MakeColorRef(0, 0, 128);
constexpr ColorRef kBlack = MakeColorRef(0, 0, 0);

int CountCalls(const Log& log, const std::string& prefix, const std::string& suffix = "") {
    return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& call) {
        return call.starts_with(prefix) && call.ends_with(suffix);
    }));
}

void ChooseColour(FakeTable& t, ColorRef colour) {
    t.window.chooseColor = [colour](ColorRef initial, ColorRef& chosen) {
        EXPECT_EQ(initial, kBlack);
        chosen = colour;
        return true;
    };
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

TEST(Options, OkWritesAllThreeKeysAndRepaintsOnlyForTheClock) {
    const struct {
        int show, dblClk, rclk;
        bool repaints;
    } cases[] = {{1, 1, 1, false}, {0, 0, 0, true}, {1, 0, 1, true}};
    FakeTable t;
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.show << test.dblClk << test.rclk);
        t.dialogs.options = [&test](COptionsDlg& dlg) {
            dlg.m_bShow = test.show;
            dlg.m_bDblClk = test.dblClk;
            dlg.m_bRclk = test.rclk;
            return IDOK;
        };
        t.profile.writes.clear();
        t.view->OnOptions();
        EXPECT_EQ(t.profile.writes, (Log{"Options/m_Show=" + std::to_string(test.show),
                                         "Options/DblClk=" + std::to_string(test.dblClk),
                                         "Options/Rclk=" + std::to_string(test.rclk)}));
        EXPECT_EQ(t.view->m_Show, test.show);
        EXPECT_EQ(t.view->m_DblClk, test.dblClk);
        EXPECT_EQ(t.view->m_Rclk, test.rclk);
        const Log log = t.surface.Take();
        EXPECT_EQ(!log.empty(), test.repaints);
        EXPECT_EQ(CountCalls(log, "text 307,9 "), test.repaints && test.show ? 1 : 0);
    }
}

TEST(Options, CancelLeavesTableAndProfileUntouched) {
    FakeTable t;
    t.dialogs.options = [](COptionsDlg& dlg) {
        dlg.m_bShow = dlg.m_bDblClk = dlg.m_bRclk = 0;
        return IDCANCEL;
    };
    t.view->OnOptions();
    t.view->OnBackgroundColor();  // the chooser is cancelled
    EXPECT_EQ(t.view->m_Show + t.view->m_DblClk + t.view->m_Rclk, 3) << "all three still on";
    EXPECT_EQ(t.view->m_crBackground, kNavy);
    EXPECT_TRUE(t.profile.writes.empty());
    EXPECT_TRUE(t.surface.Take().empty());
}

TEST(TableColour, ChosenColourRepaintsAndSurvivesARestartUntilDefaultColor) {
    FakeTable t;
    ChooseColour(t, kBlack);
    t.view->OnBackgroundColor();
    const Log log = t.surface.Take();
    EXPECT_EQ(log.front(), "fill 0,0-632,407 0,0,0");
    // A not-copy pen in the table colour paints its inverse: white outlines.
    EXPECT_EQ(CountCalls(log, "line 0,0-0,95 0,0,0 notcopy"), 1);
    EXPECT_EQ(t.profile.writes, (Log{"Color/m_Red=0", "Color/m_Green=0", "Color/m_Blue=0"}));

    ChooseColour(t, MakeColorRef(10, 200, 30));
    t.view->OnBackgroundColor();
    t.Construct();
    EXPECT_EQ(t.view->m_crBackground, MakeColorRef(10, 200, 30));

    t.view->m_nCardColor = 2;
    t.surface.Take();
    t.profile.writes.clear();
    t.view->OnDefaultColor();  // no game in play
    EXPECT_EQ(t.view->m_nCardColor, 0);
    EXPECT_EQ(t.view->m_crBackground, kNavy);
    EXPECT_EQ(t.surface.Take().front(), "fill 0,0-632,407 0,0,128");
    EXPECT_EQ(t.profile.writes, (Log{"Color/m_Red=0", "Color/m_Green=0", "Color/m_Blue=128"}));
    t.Construct();
    EXPECT_EQ(t.view->m_crBackground, kNavy);
}

// The names under which the statistics and settings are kept in the player's file.
TEST(Profile, ARestartReadsEveryKeyBack) {
    FakeTable t;
    const char* const keys[][3] = {
        {"Color", "m_Red", "1"},    {"Color", "m_Green", "2"}, {"Color", "m_Blue", "3"},
        {"Status", "m_Won", "4"},   {"Status", "m_Lost", "5"}, {"Time", "t_Time1", "6"},
        {"Time", "t_Time2", "7"},   {"Time", "t_Time3", "8"},  {"Game", "t_Game1", "9"},
        {"Game", "t_Game2", "10"},  {"Game", "t_Game3", "11"}, {"Options", "m_Show", "0"},
        {"Options", "DblClk", "0"}, {"Options", "Rclk", "0"},  {"Name", "t_Name1", "Ann"},
        {"Name", "t_Name2", "Bo"},  {"Name", "t_Name3", "Cy"}};
    for (const auto& [section, key, value] : keys) {
        t.profile.values[{section, key}] = value;
    }
    t.Construct();
    const CSolView& v = *t.view;
    EXPECT_EQ(v.m_crBackground, MakeColorRef(1, 2, 3));
    EXPECT_EQ(
        std::vector<int>({v.m_Won, v.m_Lost, v.t_Time[0], v.t_Time[1], v.t_Time[2], v.t_Game[0],
                          v.t_Game[1], v.t_Game[2], v.m_Show, v.m_DblClk, v.m_Rclk}),
        std::vector<int>({4, 5, 6, 7, 8, 9, 10, 11, 0, 0, 0}));
    EXPECT_EQ(std::vector<std::string>(v.t_Name, v.t_Name + 3),
              std::vector<std::string>({"Ann", "Bo", "Cy"}));
}

}  // namespace
