#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "fakes/fake_platform.h"

namespace {

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
    t.surface.Take();

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
    EXPECT_EQ(std::ranges::count(v.m_bCellUsed, 0), 4);
    EXPECT_GE(v.m_nMovesLeft, 4) << "the four empty reserve cells count";
    EXPECT_EQ(t.window.title, "Kelmora #1234");
    EXPECT_EQ(t.window.timers.at(kGameTimer), 100);

    // The old table is erased first and the new count drawn last.
    const auto calls = t.surface.Take();
    EXPECT_EQ(calls.front(), "fill 0,0-632,407 0,0,128");
    EXPECT_EQ(std::ranges::count_if(calls, [](auto& c) { return c.ends_with(" 80x100 copy"); }),
              52);
    EXPECT_EQ(calls[calls.size() - 2], "fill 611,386-629,404 0,0,128");
    EXPECT_EQ(calls.back(), "text 612,387 " + std::to_string(v.m_nMovesLeft));
}

TEST(SelectGameDialog, AcceptsOnlyGameNumbersFromOneTo45899) {
    const std::pair<const char*, int> accepted[] = {
        {"1", 1}, {"45899", 45899}, {"  \t1234", 1234}, {"1234 \t ", 1234}, {" 77 ", 77}};
    for (const auto& [typed, game] : accepted) {
        FakeWindow window;
        CSelectGameDlg dlg;
        dlg.m_strEdit = typed;
        EXPECT_TRUE(dlg.OnOK(window)) << typed;
        EXPECT_EQ(dlg.m_nGame, game);
        EXPECT_TRUE(window.messages.empty());
    }
    // 4294967297 is 2^32 + 1: wrapped to 32 bits it would read as game 1.
    for (const char* typed : {"0", "45900", "", "-5", "+5", "abc", "  ", "12abc", "12 3",
                              "4294967297", "99999999999999999999"}) {
        SCOPED_TRACE(typed);
        FakeWindow window;
        CSelectGameDlg dlg;
        dlg.m_nGame = 777;
        dlg.m_strEdit = typed;
        EXPECT_FALSE(dlg.OnOK(window));
        EXPECT_EQ(
            window.messages,
            (decltype(window.messages){{"Select a Game Number between 0 & 45900", "Kelmora"}}));
        EXPECT_EQ(dlg.m_strEdit, "0");
        EXPECT_EQ(dlg.m_nGame, 777);
    }
}

// What each game command deals and counts, with its question answered `answer`.
TEST(GameCommands, AskOnlyAboutAGameInPlayAndCountItLost) {
    constexpr int kNothingDealt = -1, kRandomPick = -2;
    const struct {
        const char* what;
        bool inPlay;
        void (CSolView::*command)();
        int answer;
        int dealt;
        int lost, questions;
        int lostBefore = 0;
    } cases[] = {
        {"first New Game", false, &CSolView::OnNewGame, IDCANCEL, kRandomPick, 0, 0},
        {"New Game, No", true, &CSolView::OnNewGame, IDCANCEL, kNothingDealt, 0, 1},
        {"New Game, Yes", true, &CSolView::OnNewGame, IDOK, kRandomPick, 1, 1},
        {"Select Game 1234", true, &CSolView::OnSelectGame, IDOK, 1234, 1, 0},
        {"Select Game refused", true, &CSolView::OnSelectGame, IDCANCEL, kNothingDealt, 0, 0},
        {"Restart before any game", false, &CSolView::OnRestartGame, IDOK, kNothingDealt, 0, 0},
        {"Restart, No", true, &CSolView::OnRestartGame, IDCANCEL, kNothingDealt, 0, 1},
        {"Restart, Yes", true, &CSolView::OnRestartGame, IDOK, 321, 1, 1},
        {"Select Game, losses at the largest count", true, &CSolView::OnSelectGame, IDOK, 1234,
         INT_MAX, 0, INT_MAX},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        FakeTable t;
        if (test.inPlay) {
            t.Deal(321);
            t.view->m_nNextGame = 9;  // the replay number decides, not the last pick
        }
        t.view->m_Lost = test.lostBefore;
        const int answer = test.answer;
        t.dialogs.newGame = [answer](CNewGameDlg&) { return answer; };
        t.dialogs.restart = [answer](CRestartDlg&) { return answer; };
        t.dialogs.selectGame = [answer](CSelectGameDlg& dlg) {
            dlg.m_nGame = 1234;
            return answer;
        };
        const int before = t.view->m_nGameNumber;
        const int picked = t.NextPick();
        t.profile.writes.clear();

        (t.view.get()->*test.command)();
        const int dealt = test.dealt == kRandomPick ? picked : test.dealt;
        EXPECT_EQ(t.view->m_nGameNumber, dealt == kNothingDealt ? before : dealt);
        EXPECT_EQ(t.profile.writes.size(), dealt == kNothingDealt ? 0u : 11u);
        EXPECT_EQ(t.view->m_Lost, test.lost);
        EXPECT_EQ(t.view->m_Won, 0);
        EXPECT_EQ(t.dialogs.shown["CNewGameDlg"] + t.dialogs.shown["CRestartDlg"], test.questions);
    }
}

TEST(GameCommands, RandomPicksStayInRangeAndDifferWithinTheSameSecond) {
    FakeTable t;
    t.dialogs.newGame = [](CNewGameDlg&) { return IDOK; };
    t.view->OnNewGame();
    const int first = t.view->m_nGameNumber;
    t.view->OnNewGame();
    EXPECT_NE(t.view->m_nGameNumber, first) << "two New Games in one second";
    EXPECT_EQ(t.view->m_Lost, 1);
    for (int pick = 0; pick < 2000; ++pick) {
        const int n = t.view->PickRandomGame();
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 45899);
    }
}

}  // namespace
