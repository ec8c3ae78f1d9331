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
    v.m_Cards[4][20] = Card{1, 0};
    v.m_bAutoPlay = 1;
    t.surface.Take();

    t.Deal(1234);
    EXPECT_EQ(v.m_nSeconds + v.m_nSelected + v.m_bAutoPlay, 0);
    EXPECT_EQ(v.m_Cards[4][20], Card{});
    EXPECT_EQ(std::vector<int>(v.m_nTop, v.m_nTop + 8), (std::vector<int>{6, 6, 6, 6, 5, 5, 5, 5}));
    EXPECT_EQ(std::ranges::count(v.m_bCellUsed, 0), 4);
    EXPECT_EQ(t.window.title, "Kelmora #1234");
    EXPECT_EQ(t.window.timers.at(kGameTimer), 100);
    // The old table is erased first and the new count drawn last.
    const auto calls = t.surface.Take();
    EXPECT_EQ(calls.front(), "fill 0,0-632,407 0,0,128");
    EXPECT_EQ(calls.back(), "text 612,387 " + std::to_string(v.m_nMovesLeft));
}

TEST(SelectGameDialog, AcceptsOnlyGameNumbersFromOneTo45899) {
    // 4294967297 is 2^32 + 1: wrapped to 32 bits it would read as game 1.
    const std::pair<const char*, int> cases[] = {
        {"1", 1},    {"45899", 45899},  {"  \t1234 \t", 1234},
        {"0", 0},    {"45900", 0},      {"", 0},
        {"-5", 0},   {"+5", 0},         {"12abc", 0},
        {"12 3", 0}, {"4294967297", 0}, {"99999999999999999999", 0}};
    for (const auto& [typed, game] : cases) {
        SCOPED_TRACE(typed);
        FakeWindow window;
        CSelectGameDlg dlg;
        dlg.m_nGame = 777;
        dlg.m_strEdit = typed;
        EXPECT_EQ(dlg.OnOK(window), game != 0);
        EXPECT_EQ(dlg.m_nGame, game != 0 ? game : 777);
        EXPECT_EQ(window.messages.size(), game != 0 ? 0u : 1u);
        if (game == 0) {
            EXPECT_EQ(window.messages[0].first, "Select a Game Number between 0 & 45900");
            EXPECT_EQ(dlg.m_strEdit, "0");
        }
    }
}

// What each game command deals and counts, with its question answered `answer`;
// Restart Game afterwards deals the same number again.
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
        {"Select Game, losses one below the largest count", true, &CSolView::OnSelectGame, IDOK,
         1234, INT_MAX, 0, INT_MAX - 1},
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
        EXPECT_EQ(t.dialogs.shown["CNewGameDlg"] + t.dialogs.shown["CRestartDlg"], test.questions);
        if (dealt != kNothingDealt) {
            t.dialogs.restart = [](CRestartDlg&) { return IDOK; };
            t.view->OnRestartGame();
            EXPECT_EQ(t.view->m_nGameNumber, dealt) << "Restart Game deals it again";
        }
    }
}

// Two draws added, a third draw when the sum is past the last game, and 1560
// instead of 0; the sequence goes on, so two picks in one second differ.
TEST(GameCommands, RandomPickOfTheNextGame) {
    const struct {
        unsigned seed;
        int pick;
    } cases[] = {{0, 21468}, {23, 12880}, {30151, 1560}};
    for (const auto& test : cases) {
        FakeTable t;
        t.view->m_random = Random15(test.seed);
        EXPECT_EQ(t.view->PickRandomGame(), test.pick) << "seed " << test.seed;
        EXPECT_NE(t.view->PickRandomGame(), test.pick);
    }
}

}  // namespace
