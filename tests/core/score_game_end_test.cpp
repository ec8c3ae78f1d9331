#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/table_text.h"
#include "fakes/fake_platform.h"
#include "solver/table_spots.h"

namespace {

enum Start { kNoGame, kInPlay, kWon, kLost };

// No game; game 321 in play; or one the next tick ends: 321 all home, automatic
// play on, or 500 with black cards only after a release that counted no move.
void Begin(FakeTable& t, Start start) {
    t.dialogs.gameWon = [](CGameWonDlg&) { return IDCANCEL; };
    t.dialogs.gameLost = [](CGameLostDlg&) { return IDCANCEL; };
    t.dialogs.highScore = [](CHighScoreDlg&) { return IDOK; };
    if (start == kInPlay) {
        t.Deal(321);
        t.view->m_nNextGame = 9;  // what Restart deals is the replay number, not the last pick
    } else if (start != kNoGame) {
        const bool won = start == kWon;
        t.Deal(won ? 321 : 500);
        Lay(*t.view, won ? Layout{.homes = "KC KS KH KD"}
                         : Layout{.cells = "2C 4C 6C 8C", .columns = "KS|JS|9S|7S|5S|3S|QS|TS"});
        t.view->OnLButtonUp(0, 600, 390);  // a release on the bare table
    }
}

// What a command or a tick deals and counts. Questions and Select Game (typed
// 77) answer `answer`, the ending dialog `choice` (0: left). A capital command
// ends the game by a tick inside its question; Restart then deals the same. A
// tick checks for a loss, runs the clock, then automatic play: the lost dialog
// sees the clock not yet run. A tick of another timer does nothing.
TEST(GameCommands, DealAndCountWhatTheAnswersAsk) {
    constexpr int kNothing = -1, kRandom = -2, kEnded = -3;
    constexpr int kNew = CGameWonDlg::kNewGame, kSelect = CGameWonDlg::kSelectGame,
                  kSame = CGameWonDlg::kSameGame;
    const struct {
        Start start;
        const char* steps;  // t/x: a tick of the game's/another timer; n/s/r: New/Select/Restart
        int answer, choice, dealt, lost, questions, lostBefore = 0;
    } cases[] = {
        {kNoGame, "n", IDCANCEL, 0, kRandom, 0, 0},
        {kInPlay, "n", IDCANCEL, 0, kNothing, 0, 1},
        {kInPlay, "n", IDOK, 0, kRandom, 1, 1},
        {kInPlay, "s", IDOK, 0, 77, 1, 0},
        {kInPlay, "s", IDCANCEL, 0, kNothing, 0, 0},
        {kNoGame, "r", IDOK, 0, kNothing, 0, 0},
        {kInPlay, "r", IDCANCEL, 0, kNothing, 0, 1},
        {kInPlay, "r", IDOK, 0, 321, 1, 1},
        {kInPlay, "s", IDOK, 0, 77, INT_MAX, 0, INT_MAX},  // the largest count stays
        {kWon, "t", IDOK, kSame, kEnded, 0, 0},
        {kWon, "t", IDOK, kSelect, 77, 0, 0},
        {kWon, "t", IDOK, kNew, kRandom, 0, 0},
        {kLost, "t", IDOK, kSame, kEnded, 1, 0},
        {kLost, "t", IDOK, kNew, kRandom, 1, 0},
        {kWon, "x", IDOK, kSame, kNothing, 0, 0},
        // an ended game is dead until New Game or Select Game; only a lost one asks
        {kWon, "tr", IDOK, 0, kNothing, 0, 0},
        {kWon, "tn", IDOK, 0, kRandom, 0, 0},
        {kLost, "tn", IDOK, 0, kRandom, 1, 1},
        // ended inside the question: counted once, the answer deals no more
        {kWon, "N", IDOK, kNew, kRandom, 0, 1},
        {kLost, "R", IDOK, kNew, kRandom, 1, 1},
        {kLost, "S", IDOK, 0, kNothing, 1, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &test - cases);
        FakeTable t;
        Begin(t, test.start);
        CSolView& v = *t.view;
        std::tie(v.m_Lost, v.m_nSeconds, v.m_nTickDivider) = std::tuple(test.lostBefore, 40, 10);
        int seen = -1, tickInside = 0;
        const auto ask = [&](auto&) {
            if (tickInside) {
                v.OnTimer(kGameTimer);
            }
            return test.answer;
        };
        t.dialogs.newGame = ask;
        t.dialogs.restart = ask;
        t.dialogs.selectGame = [ask](CSelectGameDlg& dlg) { return dlg.m_nGame = 77, ask(dlg); };
        t.dialogs.gameWon = [&](CGameWonDlg& dlg) {
            return seen = v.m_nSeconds, dlg.m_nChoice = test.choice, test.choice ? IDOK : IDCANCEL;
        };
        t.dialogs.gameLost = [&](CGameLostDlg& dlg) {
            dlg.m_bSameGame = test.choice == kSame;
            return seen = v.m_nSeconds, test.choice ? IDOK : IDCANCEL;
        };
        const int before = v.m_nGameNumber;
        const int dealt = test.dealt == kRandom  ? t.NextPick()
                          : test.dealt == kEnded ? before
                                                 : test.dealt;
        for (const char step : std::string(test.steps)) {
            tickInside = std::isupper(step);
            const char c = static_cast<char>(std::tolower(step));
            c == 't'   ? v.OnTimer(kGameTimer)
            : c == 'x' ? v.OnTimer(kGameTimer + kStartupTimer + 1)
                       : (v.*(c == 'n'   ? &CSolView::OnNewGame
                              : c == 's' ? &CSolView::OnSelectGame
                                         : &CSolView::OnRestartGame))();
        }
        const bool ends = test.start >= kWon && test.steps != std::string("x");
        const bool playing = dealt != kNothing || (test.start != kNoGame && !ends);
        EXPECT_EQ(seen, ends ? (test.start == kWon ? 41 : 40) : -1);
        EXPECT_EQ(v.m_nGameNumber, dealt == kNothing ? before : dealt);
        EXPECT_EQ(v.m_bPlaying, playing);
        EXPECT_EQ(t.window.timers.count(kGameTimer), playing ? 1u : 0u);
        EXPECT_EQ(std::tuple(v.m_Won, v.m_Lost), std::tuple(ends && test.start == kWon, test.lost));
        EXPECT_EQ(t.dialogs.shown["CNewGameDlg"] + t.dialogs.shown["CRestartDlg"], test.questions);
        if (dealt != kNothing) {
            t.dialogs.restart = [](CRestartDlg&) { return IDOK; };
            v.OnRestartGame();
            EXPECT_EQ(v.m_nGameNumber, dealt) << "Restart Game deals it again";
        }
    }
}

// Statistics, Clear pressed unless `clearAnswer` is 0; a tick inside first wins
// in `seconds`, named "D" unless not `named`. Only OK keeps what the dialog did
// and writes all. A time goes above a longer or empty slot, below an equal one.
TEST(Statistics, OnlyOkKeepsWhatTheDialogDid) {
    const std::string stored = "3 4 61 72 83 11 22 33 A B C",
                      cleared = "0 0 0 0 0 0 0 0" + std::string(6, ' ');  // blank names
    const struct {
        int clearAnswer, closeWith, seconds;
        std::string kept;
        bool named = true;
    } cases[] = {{0, IDOK, 0, stored},
                 {IDOK, IDOK, 0, cleared},
                 {IDOK, IDCANCEL, 0, stored},
                 {0, IDOK, 50, "4 4 50 61 72 321 11 22 D A B"},
                 {0, IDOK, 72, "4 4 61 72 72 11 22 321 A B D"},
                 {0, IDOK, 83, "4 4 61 72 83 11 22 33 A B C"},
                 {0, IDOK, 62, "4 4 61 62 72 11 321 22 A   B", false},
                 {0, IDOK, 60, "4 4 60 61 72 321 11 22    A B", false},
                 {IDOK, IDOK, 50, cleared}};
    for (const auto& test : cases) {
        FakeTable t;
        Begin(t, test.seconds > 0 ? kWon : kNoGame);
        CSolView& v = *t.view;
        const auto written = [&t] {
            std::string values;
            for (const std::string& w : std::exchange(t.profile.writes, {})) {
                values += (values.empty() ? "" : " ") + w.substr(w.find('=') + 1);
            }
            return values;
        };
        std::tie(v.m_Won, v.m_Lost, v.m_nSeconds) = std::tuple(3, 4, test.seconds);
        std::ranges::copy(std::array{61, 72, 83}, v.t_Time);
        std::ranges::copy(std::array{11, 22, 33}, v.t_Game);
        std::ranges::copy(std::array{"A", "B", "C"}, v.t_Name);
        t.dialogs.highScore = [&test](CHighScoreDlg& dlg) {
            return dlg.m_strName = "D", test.named ? IDOK : IDCANCEL;
        };
        t.dialogs.clearStats = [&test](CClearStatsDlg&) { return test.clearAnswer; };
        t.dialogs.statistics = [&](CStatisticsDlg& dlg) {
            if (test.seconds > 0) {
                v.OnTimer(kGameTimer);
            }
            t.profile.writes.clear();
            if (test.clearAnswer != 0) {
                dlg.OnClear(t.dialogs);
            }
            return test.closeWith;
        };
        v.OnStatistics();
        EXPECT_EQ(written(), test.closeWith == IDOK ? test.kept : "") << &test - cases;
        t.dialogs.statistics = [](CStatisticsDlg&) { return IDOK; };
        v.OnStatistics();
        EXPECT_EQ(written(), test.kept);
    }
}

// Three empty slots, the percentage won, which drops the remainder and never
// overflows, and the counts.
TEST(Statistics, TextShowsThreeSlotsThenThePercentageAndTheCounts) {
    const std::tuple<int, int, std::string> cases[] = {
        {0, 0, "0"}, {1, 2, "33"},        {2, 1, "66"},
        {0, 5, "0"}, {INT_MAX, 0, "100"}, {1 << 30, 1 << 30, "50"}};
    for (const auto& [won, lost, percent] : cases) {
        CStatisticsDlg dlg;
        std::tie(dlg.m_nWon, dlg.m_nLost) = std::tuple(won, lost);
        dlg.OnInitDialog();
        EXPECT_EQ(dlg.m_strText, "#0\t\t0\t\n#0\t\t0\t\n#0\t\t0\t\n\n\n" + percent + "%\n\nWon   " +
                                     std::to_string(won) + "\nLost    " + std::to_string(lost));
    }
}

// The count taken at a release gives nothing for an Ace: the loss waits until no
// card goes home and the table has no move. A right double-click checks at once.
TEST(GameLost, OnlyOnceNoCardGoesHomeAndNoMoveIsLeft) {
    const struct {
        const char *cell0, *column4;
        bool doubleClick;  // a right double-click on column 5's top card first
        int lostAt;        // after that many ticks; -1: not lost
    } cases[] = {{"2C", "5S", false, 1},
                 {"2C", "5S AH", false, 2},  // the Ace goes home by itself first
                 {"AH", "5S", false, -1},    // the Ace's cell frees once it is home
                 {"2C", "5S AH", true, 0}};
    for (const auto& test : cases) {
        FakeTable t;
        Begin(t, kLost);
        Lay(*t.view, {.cells = test.cell0 + std::string(" 4C 6C 8C"),
                      .columns = "KS|JS|9S|7S|" + std::string(test.column4) + "|3S|QS|TS"});
        t.view->OnLButtonUp(0, 600, 390);
        const solver::Spot at = solver::ColumnSpot(*t.view, 4);
        test.doubleClick ? t.view->OnRButtonDblClk(0, at.x, at.y) : void();
        int lostAt = t.dialogs.shown["CGameLostDlg"] == 1 ? 0 : -1;
        for (int tick = 1; tick <= 5 && lostAt < 0; ++tick) {
            t.view->OnTimer(kGameTimer);
            lostAt = t.dialogs.shown["CGameLostDlg"] == 1 ? tick : -1;
        }
        EXPECT_EQ(lostAt, test.lostAt) << test.cell0 << ", " << test.column4;
        EXPECT_EQ(t.view->m_nMovesLeft, 0) << "the count stays as the last release left it";
        EXPECT_EQ(t.view->m_Lost, lostAt < 0 ? 0 : 1);
    }
}

// The clock advances every eleven game ticks and is drawn only when shown; each
// digit moves it 4 pixels left.
TEST(GameClock, AdvancesEveryElevenTicksAndIsDrawnOnlyWhenShown) {
    FakeTable t;
    const auto ticks = [&t](int n) {
        for (int i = 0; i < n; ++i) {
            t.view->OnTimer(kGameTimer);
        }
        return std::tuple(t.view->m_nSeconds, t.surface.Take());
    };
    t.view->m_Show = 0;
    t.Deal(1);
    t.surface.Take();
    EXPECT_EQ(ticks(11), std::tuple(1, std::vector<std::string>{}));
    t.view->m_Show = 1;
    EXPECT_EQ(ticks(11), std::tuple(2, std::vector<std::string>{"text 307,9 2"}));
    for (const auto& [seconds, x] :
         {std::pair{9, 307}, {10, 303}, {99, 303}, {100, 299}, {999, 299}, {1000, 295}}) {
        t.view->m_nSeconds = seconds;
        t.view->DrawClock();
        EXPECT_EQ(t.surface.Take().at(0),
                  "text " + std::to_string(x) + ",9 " + std::to_string(seconds));
    }
}

TEST(StartupTick, DrawsTheEmptyTableOnce) {
    FakeTable t;
    t.view->OnInitialUpdate();
    for (const std::size_t drawn : {14u + 1u + 4u + 1u, 0u}) {  // frames, clock, king box, king
        t.view->OnTimer(kStartupTimer);
        EXPECT_EQ(t.surface.Take().size(), drawn);
        EXPECT_EQ(t.window.timers.count(kStartupTimer), 0u);
        EXPECT_EQ(t.window.title, "Kelmora");
    }
}

// Game 1 played with presses: "c0r3" column 1's top card to reserve cell 4, "c2h1"
// column 3's to the spades home. Move 41 fills the last reserve cell with the
// Jack of hearts over the Ace of hearts, counting no move; the Ace goes home.
constexpr const char* kGameOneLine =
    "c0r0 c0r1 c0r2 c3c4 c6c4 c1c4 c7c2 c1c7 c5r3 c5c6 c1c5 c1h3 c1h0 r3h0 c6r3 c6c1 c3c6 "
    "r3c1 c4r3 c4c1 c3c1 r1h0 c3r1 c3c5 r1c5 c3r1 r2c3 c6h1 c6c5 c6r2 r1c6 c7r1 c7c3 c7c2 "
    "c7h1 r1c3 c7r1 c7c1 c0c1 r0c7 c0r0 c0c3 c2c0 c2c7 c0c7 r0c0 c6c3 c2r0 c6c0 c2c6 c2h3 "
    "c6h1 c1h2 c2c6 c2c0 c2h2 c4h2 c4c2 c1h1 c4r2 c4h1 c0h2 c4h2 c2h1 c4c2 c0h1 c5h0 c5c4";
constexpr int kLastCellOverTheAce = 41;

TEST(GameLost, GameOneGoesOnToAWinAfterTheLastCellFillsOverTheAceOfHearts) {
    FakeTable t;
    Begin(t, kNoGame);
    t.dialogs.moveChoice = [](CMoveChoiceDlg& dlg) {
        return dlg.OnMoveSingleCard(), CMoveChoiceDlg::kMoved;
    };
    CSolView& v = *t.view;
    const auto press = [&v](const std::string& p) {  // "b" presses the bare table
        const auto kind = static_cast<solver::Move::Place>(std::string("crh").find(p[0]));
        const auto at = p == "b" ? solver::Spot{300, 100} : solver::SpotOf(v, kind, p[1] - '0');
        v.OnLButtonDown(1, at.x, at.y);
        v.OnLButtonUp(0, at.x, at.y);
    };
    const auto settle = [&] {
        for (int tick = 0; tick < 40 && t.window.timers.count(kGameTimer) == 1; ++tick) {
            v.OnTimer(kGameTimer);
        }
    };
    t.Deal(1);
    press("b");
    settle();
    std::istringstream line(kGameOneLine);
    std::string move;
    for (int number = 1; line >> move; ++number) {
        press(move.substr(0, 2));
        press(move.substr(2, 2));
        if (number == kLastCellOverTheAce) {
            EXPECT_EQ(std::ranges::count(v.m_bCellUsed, 1), 4) << move;
            EXPECT_EQ(v.m_Cards[0][v.m_nTop[0]], (Card{1, 2}));
            EXPECT_EQ(v.m_nMovesLeft, 0);
        }
        settle();
    }
    EXPECT_EQ(std::tuple(t.dialogs.shown["CGameWonDlg"], v.m_Won, v.m_Lost), std::tuple(1, 1, 0));
}

}  // namespace
