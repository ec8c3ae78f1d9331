#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/table_text.h"
#include "fakes/fake_platform.h"
#include "score/statistics_record.h"
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
        int answer = IDOK, choice = 0, dealt = kNothing, lost = 0, questions = 0, lostBefore = 0;
    } cases[] = {
        // clang-format off
        {.start = kNoGame, .steps = "n", .answer = IDCANCEL, .dealt = kRandom},
        {.start = kInPlay, .steps = "n", .answer = IDCANCEL, .questions = 1},
        {.start = kInPlay, .steps = "n", .dealt = kRandom, .lost = 1, .questions = 1},
        {.start = kInPlay, .steps = "s", .dealt = 77, .lost = 1},
        {.start = kInPlay, .steps = "s", .answer = IDCANCEL},
        {.start = kNoGame, .steps = "r"},
        {.start = kInPlay, .steps = "r", .answer = IDCANCEL, .questions = 1},
        {.start = kInPlay, .steps = "r", .dealt = 321, .lost = 1, .questions = 1},
        // the largest count stays
        {.start = kInPlay, .steps = "s", .dealt = 77, .lost = INT_MAX, .lostBefore = INT_MAX},
        {.start = kWon, .steps = "t", .choice = kSame, .dealt = kEnded},
        {.start = kWon, .steps = "t", .choice = kSelect, .dealt = 77},
        {.start = kWon, .steps = "t", .choice = kNew, .dealt = kRandom},
        {.start = kLost, .steps = "t", .choice = kSame, .dealt = kEnded, .lost = 1},
        {.start = kLost, .steps = "t", .choice = kNew, .dealt = kRandom, .lost = 1},
        {.start = kWon, .steps = "x", .choice = kSame},
        // an ended game is dead until New Game or Select Game; only a lost one asks
        {.start = kWon, .steps = "tr"},
        {.start = kWon, .steps = "tn", .dealt = kRandom},
        {.start = kLost, .steps = "tn", .dealt = kRandom, .lost = 1, .questions = 1},
        // ended inside the question: counted once, the answer deals no more
        {.start = kWon, .steps = "N", .choice = kNew, .dealt = kRandom, .questions = 1},
        {.start = kLost, .steps = "R", .choice = kNew, .dealt = kRandom, .lost = 1, .questions = 1},
        {.start = kLost, .steps = "S", .lost = 1},
        // clang-format on
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &test - cases);
        FakeTable t;
        Begin(t, test.start);
        CSolView& v = *t.view;
        keys::Write(t.profile, keys::kLost, test.lostBefore);
        std::tie(v.m_nSeconds, v.m_nTickDivider) = std::tuple(40, 10);
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
        int clearAnswer = 0, closeWith = IDOK, seconds = 0;
        std::string kept = {};
        bool named = true;
    } cases[] = {
        {.kept = stored},
        {.clearAnswer = IDOK, .kept = cleared},
        {.clearAnswer = IDOK, .closeWith = IDCANCEL, .kept = stored},
        {.seconds = 50, .kept = "4 4 50 61 72 321 11 22 D A B"},
        {.seconds = 72, .kept = "4 4 61 72 72 11 22 321 A B D"},
        {.seconds = 83, .kept = "4 4 61 72 83 11 22 33 A B C"},
        {.seconds = 62, .kept = "4 4 61 62 72 11 321 22 A   B", .named = false},
        {.seconds = 60, .kept = "4 4 60 61 72 321 11 22    A B", .named = false},
        {.clearAnswer = IDOK, .seconds = 50, .kept = cleared},
    };
    for (const auto& test : cases) {
        FakeTable t;
        WriteStatistics(t.profile, {3, 4, {61, 72, 83}, {11, 22, 33}, {"A", "B", "C"}});
        t.Construct();
        Begin(t, test.seconds > 0 ? kWon : kNoGame);
        CSolView& v = *t.view;
        const auto written = [&t] {
            std::string values;
            for (const std::string& w : std::exchange(t.profile.writes, {})) {
                values += (values.empty() ? "" : " ") + w.substr(w.find('=') + 1);
            }
            return values;
        };
        v.m_nSeconds = test.seconds;
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

// Each result is one change of what the profile holds at that moment, where
// other running games put theirs: the win before its name is asked, the name
// where the entry stands by then. Out of the profile's reach, the game's own
// values keep the result.
TEST(Statistics, EachResultIsOneChangeOfWhatTheProfileHoldsNow) {
    FakeTable t;
    Begin(t, kWon);
    CSolView& v = *t.view;
    EXPECT_EQ(t.profile.updates, 1) << "a game start";
    WriteStatistics(t.profile, {7, 2, {100}, {9}, {"X"}});
    v.m_nSeconds = 50;
    t.dialogs.highScore = [&t](CHighScoreDlg& dlg) {
        const Statistics won = ReadStatistics(t.profile);
        EXPECT_EQ(std::tuple(won.won, won.times[1], won.names[0]), std::tuple(8, 100, "  "));
        WriteStatistics(t.profile, {8, 2, {40, 50, 100}, {3, 321, 9}, {"Y", "  ", "X"}});
        return dlg.m_strName = "Ann", IDOK;
    };
    v.OnTimer(kGameTimer);
    EXPECT_EQ(t.profile.updates, 3) << "the win, then its name";
    EXPECT_EQ(ReadStatistics(t.profile).names[1], "Ann");
    EXPECT_EQ(std::tuple(v.m_Won, v.t_Time[0], v.t_Game[1], v.t_Name[1]),
              std::tuple(8, 40, 321, "Ann"));
    t.profile.unreachable = true;
    t.Deal(5);
    t.Deal(6);
    EXPECT_EQ(std::tuple(v.m_Lost, ReadStatistics(t.profile).lost), std::tuple(3, 2));
}

// Typed names keep one line of at most 32 characters; longer stored ones show
// shortened, and none shows a control character.
TEST(Statistics, NamesShowOnOneLineOfAtMost32Characters) {
    const std::string w30(30, 'w');
    const struct {
        std::string given, typed, shown;
    } cases[] = {
        {"Ann\tLee\r\n", "AnnLee", "AnnLee"},
        {"\x01Zo\u00eb\x7f \u0085\u540d\u2028\u2029", "Zo\u00eb \u540d", "Zo\u00eb \u540d"},
        {"ww" + w30, "ww" + w30, "ww" + w30},
        {"\u0800\u540d" + w30 + "\t", "\u0800\u540d" + w30, "\u0800\u540d" + w30},
        {"\U0001F600ww" + w30, "\U0001F600w" + w30, "\U0001F600" + w30 + "\u2026"}};
    for (const auto& test : cases) {
        CHighScoreDlg typed;
        typed.m_strName = test.given;
        typed.OnOK();
        EXPECT_EQ(typed.m_strName, test.typed);
        CStatisticsDlg stored;
        stored.m_strBestName[0] = test.given;
        stored.OnInitDialog();
        EXPECT_TRUE(stored.m_strText.starts_with("#0\t\t0\t" + test.shown + "\n#0\t\t0\t\n"))
            << stored.m_strText;
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
        bool doubleClick = false;  // a right double-click on column 5's top card first
        int lostAt;                // after that many ticks; -1: not lost
    } cases[] = {
        {.cell0 = "2C", .column4 = "5S", .lostAt = 1},
        {.cell0 = "2C", .column4 = "5S AH", .lostAt = 2},  // the Ace goes home by itself first
        {.cell0 = "AH", .column4 = "5S", .lostAt = -1},    // the Ace's cell frees once it is home
        {.cell0 = "2C", .column4 = "5S AH", .doubleClick = true, .lostAt = 0},
    };
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

// An ended game stays on the table: the win erases only the reserve row and
// draws the four Kings whole over the outlines; a repaint draws the ended game,
// won or lost and left with "No", without a mark. Before the first deal a
// repaint draws no card.
TEST(GameEnd, TheEndedTableStaysThroughARepaint) {
    const std::vector<std::string> kings = {"blt 13 340,0 70x96 copy", "blt 26 410,0 70x96 copy",
                                            "blt 39 480,0 70x96 copy", "blt 52 550,0 71x96 copy"};
    for (const auto& [start, faces] : {std::pair{kNoGame, 0u}, {kWon, 4u}, {kLost, 12u}}) {
        SCOPED_TRACE(start);
        FakeTable t;
        Begin(t, start);
        const solver::Spot column = solver::ColumnSpot(*t.view, 0);
        t.view->OnLButtonDown(1, column.x, column.y);  // the lost game ends with a selection
        t.surface.Take();
        t.view->OnTimer(kGameTimer);
        const std::vector<std::string> ending = t.surface.Take();
        t.view->OnPaint();
        std::vector<std::string> cardsAndMarks;
        std::ranges::copy_if(
            t.surface.Take(), std::back_inserter(cardsAndMarks), [](const std::string& call) {
                int id = 0;
                return (std::sscanf(call.c_str(), "blt %d", &id) == 1 && id >= 0 && id <= 52) ||
                       call.ends_with("invert");
            });
        EXPECT_EQ(cardsAndMarks.size(), faces);
        EXPECT_EQ(
            std::ranges::count_if(ending, [](auto& call) { return call.starts_with("fill"); }),
            start == kWon ? 1 : 0);
        if (start == kWon) {
            EXPECT_EQ(cardsAndMarks, kings);
            EXPECT_EQ(ending.front(), "fill 0,0-280,95 0,0,128");
            EXPECT_EQ(std::vector(ending.end() - 4, ending.end()), kings);
        }
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

}  // namespace
