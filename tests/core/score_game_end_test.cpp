#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/fake_platform.h"
#include "solver/table_spots.h"

namespace {

// Time, game number and name of one slot of the best-time table.
using BestTime = std::tuple<int, int, std::string>;

// Kept exactly as typed: the profile file guards itself against such names.
const std::string kTypedName = "[Name]\nt_Time1=1 ";

// A game that the next tick ends: game 321 with every card home and automatic
// play on, or game 500 with nothing that fits anywhere (all black cards, homes
// empty) after the release that counted no move left. Both dialogs are left
// without a new game unless a test answers them.
struct EndingGame {
    FakeTable t;

    explicit EndingGame(bool won) {
        t.Deal(won ? 321 : 500);
        t.dialogs.gameWon = [](CGameWonDlg&) { return IDCANCEL; };
        t.dialogs.gameLost = [](CGameLostDlg&) { return IDCANCEL; };
        Answer(IDOK);
        for (int k = 0; k < 4; ++k) {
            t.view->m_Cards[4 + k][20] = won ? Card{13, k} : Card{};
            t.view->m_Cards[k][20] = won ? Card{} : Card{2 * k + 2, 0};
            t.view->m_bCellUsed[k] = won ? 0 : 1;
        }
        const int topRanks[] = {13, 11, 9, 7, 5, 3, 12, 10};
        for (int k = 0; k < 8; ++k) {
            t.Column(k, won ? std::vector<Card>{} : std::vector<Card>{{topRanks[k], 1}});
        }
        t.view->OnLButtonUp(0, 600, 390);  // a release on the bare table
        EXPECT_EQ(t.view->m_nMovesLeft == 0, !won);
    }
    // Answers the name dialog of a best time.
    void Answer(int nameAnswer) {
        t.dialogs.highScore = [nameAnswer](CHighScoreDlg& dlg) {
            dlg.m_strName = kTypedName;
            return nameAnswer;
        };
    }
    void WinIn(int seconds) {
        t.view->m_nSeconds = seconds;
        t.view->OnTimer(kGameTimer);
    }
    std::vector<BestTime> Stored() const {
        std::vector<BestTime> entries;
        for (int slot = 0; slot < 3; ++slot) {
            entries.push_back({t.view->t_Time[slot], t.view->t_Game[slot], t.view->t_Name[slot]});
        }
        return entries;
    }
};

TEST(GameWon, BestTimeTableTakesOnlyStrictlyBetterTimes) {
    const BestTime none{0, 0, ""}, a{100, 1, "A"}, b{200, 2, "B"}, c{300, 3, "C"};
    const struct {
        const char* what;
        std::vector<BestTime> stored;
        int seconds;
        std::vector<BestTime> expected;
    } cases[] = {
        {"empty table", {none, none, none}, 90, {{90, 321, kTypedName}, none, none}},
        {"between two", {a, b, none}, 150, {a, {150, 321, kTypedName}, b}},
        {"into the empty slot", {a, b, none}, 300, {a, b, {300, 321, kTypedName}}},
        {"no better than the third", {a, b, c}, 300, {a, b, c}},
        {"a tie goes below", {a, b, c}, 100, {a, {100, 321, kTypedName}, b}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        EndingGame w(true);
        for (int slot = 0; slot < 3; ++slot) {
            std::tie(w.t.view->t_Time[slot], w.t.view->t_Game[slot], w.t.view->t_Name[slot]) =
                test.stored[slot];
        }
        w.WinIn(test.seconds);
        EXPECT_EQ(w.Stored(), test.expected);
        EXPECT_EQ(w.t.dialogs.shown["CHighScoreDlg"], test.expected == test.stored ? 0 : 1);
    }
}

// Same Game deals the ended number again without asking, Select Game the
// number chosen; the loss dialog's Yes alone deals a random number. Either way the ended game
// counts.
TEST(GameEnd, PlayingAgainDealsTheSameNumberOrARandomOne) {
    constexpr int kSelected = 77;
    const struct {
        bool won, sameGame;
        int choice = CGameWonDlg::kSameGame;
    } cases[] = {
        {true, true}, {false, true}, {false, false}, {true, false, CGameWonDlg::kSelectGame}};
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << (test.won ? "won" : "lost") << ", Same Game "
                                        << test.sameGame << ", choice " << test.choice);
        EndingGame g(test.won);
        FakeTable& t = g.t;
        const bool sameGame = test.sameGame;
        const int choice = test.choice;
        t.dialogs.gameWon = [choice](CGameWonDlg& dlg) {
            dlg.m_nChoice = choice;
            return IDOK;
        };
        t.dialogs.selectGame = [](CSelectGameDlg& dlg) {
            dlg.m_nGame = kSelected;
            return IDOK;
        };
        t.dialogs.gameLost = [sameGame](CGameLostDlg& dlg) {
            dlg.m_bSameGame = sameGame;
            return IDOK;
        };
        const int ended = t.view->m_nGameNumber;
        const int expected = test.choice == CGameWonDlg::kSelectGame ? kSelected
                             : sameGame                              ? ended
                                                                     : t.NextPick();
        t.view->OnTimer(kGameTimer);
        EXPECT_EQ(t.dialogs.shown["CRestartDlg"], 0);
        EXPECT_EQ(t.view->m_nGameNumber, expected);
        EXPECT_EQ(t.view->m_nReplayGame, expected);
        EXPECT_EQ(t.view->m_bPlaying, 1);
        EXPECT_EQ(t.window.timers.count(kGameTimer), 1u);
        EXPECT_EQ(t.view->m_Won, test.won ? 1 : 0);
        EXPECT_EQ(t.view->m_Lost, test.won ? 0 : 1);
    }
}

// Won or lost, the game stops within the tick; once its dialog is left without a
// new game the table is dead until New Game or Select Game, which count it.
TEST(GameEnd, StopsTheGameUntilNewOrSelectGameStartsTheNext) {
    for (bool won : {true, false}) {
        for (bool select : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << (won ? "won" : "lost") << (select ? ", Select" : ", New"));
            EndingGame g(won);
            FakeTable& t = g.t;
            t.view->m_nSelected = won ? 152 : 3;  // the lost table's lone Nine of spades
            t.view->OnTimer(kGameTimer);
            EXPECT_EQ(t.window.timers.count(kGameTimer), 0u);
            EXPECT_EQ(t.view->m_bPlaying, 0);
            EXPECT_EQ(t.view->m_bAutoPlay, 0);
            EXPECT_EQ(t.view->m_bWon, won ? 1 : 0);
            EXPECT_EQ(t.view->m_nSelected, 0);

            t.window.title = "finished";
            t.view->OnLButtonDown(0, 40, 150);  // on column 1
            t.view->OnRestartGame();
            EXPECT_EQ(t.view->m_nSelected, 0);
            EXPECT_EQ(t.window.title, "finished");

            t.dialogs.newGame = [](CNewGameDlg&) { return IDOK; };
            t.dialogs.selectGame = [](CSelectGameDlg& dlg) {
                dlg.m_nGame = 77;
                return IDOK;
            };
            select ? t.view->OnSelectGame() : t.view->OnNewGame();
            EXPECT_EQ(t.view->m_bPlaying, 1);
            EXPECT_NE(t.window.title, "finished");
            EXPECT_EQ(t.dialogs.shown["CNewGameDlg"], won || select ? 0 : 1)
                << "only a lost game asks before New Game";
            EXPECT_EQ(t.view->m_Won, won ? 1 : 0);
            EXPECT_EQ(t.view->m_Lost, won ? 0 : 1);
        }
    }
}

// Ticks run inside the questions of New Game, Restart Game and Select Game. A
// game that ends in there counts once, and the answer deals nothing more: the
// game it was about is over.
TEST(GameEnd, InsideAQuestionCountsOnceAndTheAnswerDealsNoMore) {
    const struct {
        const char* what;
        void (CSolView::*command)();
        bool won;
        bool playsAgain;  // New Game from the won dialog, Yes in the lost one
    } cases[] = {
        {"New Game, won, New Game", &CSolView::OnNewGame, true, true},
        {"New Game, lost, Yes", &CSolView::OnNewGame, false, true},
        {"Restart, won, left", &CSolView::OnRestartGame, true, false},
        {"Restart, lost, Yes", &CSolView::OnRestartGame, false, true},
        {"Select Game, won, New Game", &CSolView::OnSelectGame, true, true},
        {"Select Game, lost, No", &CSolView::OnSelectGame, false, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        EndingGame g(test.won);
        FakeTable& t = g.t;
        const int answer = test.playsAgain ? IDOK : IDCANCEL;
        t.dialogs.gameWon = [answer](CGameWonDlg& dlg) {
            dlg.m_nChoice = CGameWonDlg::kNewGame;
            return answer;
        };
        t.dialogs.gameLost = [answer](CGameLostDlg& dlg) {
            dlg.m_bSameGame = 0;
            return answer;
        };
        const auto tickThenYes = [&t] {
            t.view->OnTimer(kGameTimer);
            return IDOK;
        };
        t.dialogs.newGame = [tickThenYes](CNewGameDlg&) { return tickThenYes(); };
        t.dialogs.restart = [tickThenYes](CRestartDlg&) { return tickThenYes(); };
        t.dialogs.selectGame = [tickThenYes](CSelectGameDlg& dlg) {
            dlg.m_nGame = 77;
            return tickThenYes();
        };
        const int ended = t.view->m_nGameNumber;
        const int next = t.NextPick();

        (t.view.get()->*test.command)();
        EXPECT_EQ(t.view->m_Won, test.won ? 1 : 0);
        EXPECT_EQ(t.view->m_Lost, test.won ? 0 : 1);
        EXPECT_EQ(t.view->m_nGameNumber, test.playsAgain ? next : ended);
        EXPECT_EQ(t.view->m_bPlaying, test.playsAgain ? 1 : 0);
    }
}

// The count of moves gives nothing for an Ace, and automatic play changes the
// table after the count was taken: the loss waits until no card goes home by
// itself and the table as it now stands has no move either. The count shown
// stays as the last button release left it.
TEST(GameLost, NotWhileACardCanStillGoHome) {
    const struct {
        const char* what;
        Card cell0;      // in reserve cell 1
        Card onColumn5;  // laid on column 5's Five of spades
        int lostAtTick;  // 0: not lost
    } cases[] = {
        {"nothing goes home", {2, 0}, {}, 1},
        {"an Ace on a column, nothing after it", {2, 0}, {1, 2}, 2},
        {"an Ace in the full reserve, whose cell then frees", {1, 2}, {}, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        EndingGame g(false);
        FakeTable& t = g.t;
        t.view->m_Cards[0][20] = test.cell0;
        if (test.onColumn5 != Card{}) {
            t.Column(4, {{5, 1}, test.onColumn5});
        }
        t.view->OnLButtonUp(0, 600, 390);
        ASSERT_EQ(t.view->m_nMovesLeft, 0);

        int lostAt = 0;
        for (int tick = 1; tick <= 5 && lostAt == 0; ++tick) {
            t.view->OnTimer(kGameTimer);
            lostAt = t.dialogs.shown["CGameLostDlg"] == 1 ? tick : 0;
        }
        EXPECT_EQ(lostAt, test.lostAtTick);
        EXPECT_EQ(t.view->m_nMovesLeft, 0);
        EXPECT_EQ(t.view->m_Lost, lostAt == 0 ? 0 : 1);
    }
}

// A right double-click that sends a card home looks for a loss at once.
TEST(GameLost, RightDoubleClickThatLeavesNoMoveLosesAtOnce) {
    EndingGame g(false);
    g.t.Column(0, {{13, 1}, {1, 2}});  // the Ace of hearts on the lone King of spades
    g.t.view->OnRButtonDblClk(0, 39, 178);
    EXPECT_EQ(g.t.view->m_Cards[6][20], (Card{1, 2}));
    EXPECT_EQ(g.t.dialogs.shown["CGameLostDlg"], 1);
}

// A game tick checks for a loss, then runs the clock, then automatic play; a
// tick of another timer does nothing. The ending dialog sees the clock as the
// order leaves it.
TEST(GameTick, LossCheckThenClockThenAutomaticPlay) {
    const struct {
        const char* what;
        bool won;
        unsigned timer;
        int secondsSeen;  // by the ending dialog, or -1 for no dialog
    } cases[] = {
        {"lost: the clock has not run yet", false, kGameTimer, 40},
        {"won: the clock has run", true, kGameTimer, 41},
        {"lost, another timer", false, kGameTimer + kStartupTimer + 1, -1},
        {"won, another timer", true, kGameTimer + kStartupTimer + 1, -1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        EndingGame g(test.won);
        FakeTable& t = g.t;
        int seen = -1;
        t.dialogs.gameWon = [&](CGameWonDlg&) { return seen = t.view->m_nSeconds, IDCANCEL; };
        t.dialogs.gameLost = [&](CGameLostDlg&) { return seen = t.view->m_nSeconds, IDCANCEL; };
        t.view->m_nSeconds = 40;
        t.view->m_nTickDivider = 10;
        t.view->OnTimer(test.timer);
        EXPECT_EQ(seen, test.secondsSeen);
        EXPECT_EQ(t.view->m_nSeconds, test.secondsSeen < 0 ? 40 : 41);
    }
}

// Game 1, played with presses on places: "c0r3" takes column 1's top card to
// reserve cell 4, "c2h1" column 3's to the spades home cell. Move 41 puts the
// Jack of hearts into the last free reserve cell and leaves the Ace of hearts
// on top with a count of no moves; automatic play sends the Ace home.
constexpr const char* kGameOneLine =
    "c0r0 c0r1 c0r2 c3c4 c6c4 c1c4 c7c2 c1c7 c5r3 c5c6 c1c5 c1h3 c1h0 r3h0 c6r3 c6c1 c3c6 "
    "r3c1 c4r3 c4c1 c3c1 r1h0 c3r1 c3c5 r1c5 c3r1 r2c3 c6h1 c6c5 c6r2 r1c6 c7r1 c7c3 c7c2 "
    "c7h1 r1c3 c7r1 c7c1 c0c1 r0c7 c0r0 c0c3 c2c0 c2c7 c0c7 r0c0 c6c3 c2r0 c6c0 c2c6 c2h3 "
    "c6h1 c1h2 c2c6 c2c0 c2h2 c4h2 c4c2 c1h1 c4r2 c4h1 c0h2 c4h2 c2h1 c4c2 c0h1 c5h0 c5c4";
constexpr int kLastCellOverTheAce = 41;
// A press on bare table, between the cells and the columns.
constexpr solver::Spot kBareTable{300, 100};

solver::Spot SpotOf(const CSolView& view, const std::string& place) {
    const int i = place[1] - '0';
    switch (place[0]) {
        case 'c':
            return solver::ColumnSpot(view, i);
        case 'r':
            return solver::ReserveSpot(i);
        default:
            return solver::HomeSpot(i);
    }
}

TEST(GameLost, GameOneGoesOnToAWinAfterTheLastCellFillsOverTheAceOfHearts) {
    FakeTable t;
    t.surface.keepLog = false;
    t.dialogs.moveChoice = [](CMoveChoiceDlg& dlg) {
        dlg.OnMoveSingleCard();
        return CMoveChoiceDlg::kMoved;
    };
    t.dialogs.highScore = [](CHighScoreDlg&) { return IDOK; };
    t.dialogs.gameWon = [](CGameWonDlg&) { return IDCANCEL; };
    t.dialogs.gameLost = [](CGameLostDlg&) { return IDCANCEL; };
    CSolView& v = *t.view;
    const auto click = [&v](solver::Spot at) {
        v.OnLButtonDown(1, at.x, at.y);
        v.OnLButtonUp(0, at.x, at.y);
    };
    const auto settle = [&] {
        for (int tick = 0; tick < 40 && t.window.timers.count(kGameTimer) == 1; ++tick) {
            v.OnTimer(kGameTimer);
        }
    };
    t.Deal(1);
    click(kBareTable);
    settle();

    std::istringstream line(kGameOneLine);
    std::string move;
    for (int number = 1; line >> move; ++number) {
        SCOPED_TRACE(testing::Message() << "move " << number << " " << move);
        click(SpotOf(v, move.substr(0, 2)));
        click(SpotOf(v, move.substr(2, 2)));
        if (number == kLastCellOverTheAce) {
            EXPECT_EQ(std::ranges::count(v.m_bCellUsed, 1), 4);
            EXPECT_EQ(v.m_Cards[0][v.m_nTop[0]], (Card{1, 2}));
            EXPECT_EQ(v.m_nMovesLeft, 0);
        }
        settle();
        ASSERT_EQ(t.dialogs.shown["CGameLostDlg"], 0);
    }
    EXPECT_EQ(t.dialogs.shown["CGameWonDlg"], 1);
    EXPECT_EQ(v.m_Won, 1);
    EXPECT_EQ(v.m_Lost, 0);
}

}  // namespace
