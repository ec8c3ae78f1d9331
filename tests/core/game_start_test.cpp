#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fakes/fake_platform.h"

namespace {

int Yes(CNewGameDlg&) {
    return IDOK;
}

// Answers Select Game with `typed`, pressing OK until the dialog accepts.
ScriptedDialogs::Answer<CSelectGameDlg> Type(FakeWindow& window, std::string typed) {
    return [&window, typed](CSelectGameDlg& dlg) {
        dlg.m_strEdit = typed;
        return dlg.OnOK(window) ? IDOK : IDCANCEL;
    };
}

bool Wrote(const MemoryProfile& profile, const std::string& entry) {
    return std::find(profile.writes.begin(), profile.writes.end(), entry) != profile.writes.end();
}

TEST(GameStart, LeavesAFreshTableEveryTime) {
    FakeTable t;
    t.Deal(1234);
    CSolView& v = *t.view;
    v.m_nSeconds = 77;
    v.m_nSelected = 3;
    v.m_nTop[2] = -1;
    v.m_bCellUsed[1] = 1;
    v.m_Cards[1][20] = Card{5, 2};
    v.m_Cards[4][20] = Card{1, 0};
    v.m_bAutoPlay = 1;

    t.Deal(1234);
    EXPECT_EQ(v.m_nSeconds, 0);
    EXPECT_EQ(v.m_nSelected, 0);
    EXPECT_EQ(v.m_bAutoPlay, 0);
    EXPECT_EQ(v.m_bPlaying, 1);
    EXPECT_EQ(v.m_nGameNumber, 1234);
    const int tops[8] = {6, 6, 6, 6, 5, 5, 5, 5};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(v.m_nTop[k], tops[k]);
        EXPECT_EQ(v.m_Cards[k][20], Card{});
    }
    for (int used : v.m_bCellUsed) {
        EXPECT_EQ(used, 0);
    }
    EXPECT_EQ(t.window.title, "Kelmora #1234");
    EXPECT_EQ(t.window.timers.at(kGameTimer), 100);
}

TEST(GameStart, DrawsTableThenDealsCardByCardThenTheCount) {
    FakeTable t;
    t.surface.Take();
    t.Deal(1);
    const auto calls = t.surface.Take();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front(), "fill 0,0-632,407 0,0,128");
    // The first card of column 1 is the Ten of clubs; the last of column 8 the Queen of hearts.
    const auto first = std::find(calls.begin(), calls.end(), "blt 10 4,110 80x100 copy");
    const auto last = std::find(calls.begin(), calls.end(), "blt 38 550,200 80x100 copy");
    ASSERT_NE(first, calls.end());
    ASSERT_NE(last, calls.end());
    EXPECT_LT(first, last);
    EXPECT_EQ(
        std::count_if(first, last + 1, [](const std::string& c) { return c.rfind("blt", 0) == 0; }),
        52);
    EXPECT_EQ(calls[calls.size() - 2], "fill 611,386-629,404 0,0,128");
    EXPECT_EQ(calls.back(), "text 612,387 " + std::to_string(t.view->m_nMovesLeft));
    EXPECT_EQ(t.view->m_nCardCode, 38);
}

TEST(GameStart, WritesAllElevenStatisticsInOrderEvenTheFirstTime) {
    FakeTable t;
    t.profile.values[{"Status", "m_Won"}] = "4";
    t.profile.values[{"Name", "t_Name2"}] = "Ada";
    t.Construct();
    t.profile.writes.clear();
    t.Deal(7);
    const std::vector<std::string> expected = {
        "Status/m_Won=4", "Status/m_Lost=0",  "Time/t_Time1=0", "Time/t_Time2=0",
        "Time/t_Time3=0", "Game/t_Game1=0",   "Game/t_Game2=0", "Game/t_Game3=0",
        "Name/t_Name1=",  "Name/t_Name2=Ada", "Name/t_Name3="};
    EXPECT_EQ(t.profile.writes, expected);
}

TEST(GameCommands, FirstNewGameAsksNothingAndCountsNothing) {
    FakeTable t;
    t.view->OnNewGame();
    EXPECT_EQ(t.dialogs.shown["CNewGameDlg"], 0);
    EXPECT_EQ(t.view->m_Won + t.view->m_Lost, 0);
    EXPECT_GE(t.view->m_nGameNumber, 1);
    EXPECT_LE(t.view->m_nGameNumber, 45899);
    EXPECT_EQ(t.view->m_nReplayGame, t.view->m_nGameNumber);
}

TEST(GameCommands, NewGameDuringPlayAsksAndCountsTheAbandonedGameAsLost) {
    FakeTable t;
    t.Deal(5);
    t.dialogs.newGame = [](CNewGameDlg&) { return IDCANCEL; };
    t.profile.writes.clear();
    t.view->OnNewGame();
    EXPECT_EQ(t.view->m_nGameNumber, 5);
    EXPECT_EQ(t.view->m_Lost, 0);
    EXPECT_TRUE(t.profile.writes.empty());

    t.dialogs.newGame = Yes;
    t.window.now += 1;
    t.view->OnNewGame();
    EXPECT_EQ(t.dialogs.shown["CNewGameDlg"], 2);
    EXPECT_EQ(t.view->m_Lost, 1);
    EXPECT_TRUE(Wrote(t.profile, "Status/m_Lost=1"));
}

TEST(GameCommands, TwoNewGamesInTheSameSecondDealTheSameNumber) {
    FakeTable t;
    t.dialogs.newGame = Yes;
    t.view->OnNewGame();
    const int first = t.view->m_nGameNumber;
    t.view->OnNewGame();
    EXPECT_EQ(t.view->m_nGameNumber, first);
    for (std::int64_t second = 0; second < 2000; ++second) {
        t.window.now = second * 7919;
        const int n = t.view->PickRandomGame();
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 45899);
    }
}

TEST(GameCommands, SelectGameDealsOnlyNumbersItAccepts) {
    FakeTable t;
    t.dialogs.selectGame = Type(t.window, "1234");
    t.view->OnSelectGame();
    EXPECT_EQ(t.view->m_nGameNumber, 1234);
    EXPECT_EQ(t.window.title, "Kelmora #1234");

    t.dialogs.selectGame = Type(t.window, "45899");
    t.view->OnSelectGame();
    EXPECT_EQ(t.view->m_nGameNumber, 45899);
    EXPECT_EQ(t.view->m_Lost, 1);

    for (const char* refused : {"0", "45900", "", "-5", "abc", "4294967297"}) {
        t.dialogs.selectGame = Type(t.window, refused);
        t.view->OnSelectGame();
        EXPECT_EQ(t.view->m_nGameNumber, 45899) << refused;
    }
    EXPECT_EQ(t.view->m_Lost, 1);
}

TEST(GameCommands, RestartAsksThenDealsTheSameNumberAndIsRefusedWithoutAGame) {
    FakeTable t;
    t.view->OnRestartGame();
    EXPECT_EQ(t.dialogs.shown["CRestartDlg"], 0);
    EXPECT_EQ(t.view->m_bPlaying, 0);

    t.Deal(321);
    t.view->m_nNextGame = 9;  // the replay number decides, not the last pick
    t.dialogs.restart = [](CRestartDlg&) { return IDCANCEL; };
    t.view->OnRestartGame();
    EXPECT_EQ(t.view->m_Lost, 0);

    t.dialogs.restart = [](CRestartDlg&) { return IDOK; };
    t.view->OnRestartGame();
    EXPECT_EQ(t.view->m_nGameNumber, 321);
    EXPECT_EQ(t.view->m_Lost, 1);
}

TEST(GameCommands, SameGameAfterAWinDealsAgainWithoutAskingAndCountsTheWin) {
    FakeTable t;
    t.Deal(600);
    t.view->m_bWon = 1;
    t.view->m_bPlaying = 1;
    t.view->OnRestartGame();
    EXPECT_EQ(t.dialogs.shown["CRestartDlg"], 0);
    EXPECT_EQ(t.view->m_nGameNumber, 600);
    EXPECT_EQ(t.view->m_Won, 1);
    EXPECT_EQ(t.view->m_Lost, 0);
}

}  // namespace
