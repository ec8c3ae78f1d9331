#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

struct BestTime {
    int time;
    int game;
    std::string name;

    friend bool operator==(const BestTime&, const BestTime&) = default;
};

std::ostream& operator<<(std::ostream& out, const BestTime& entry) {
    return out << entry.time << " #" << entry.game << " '" << entry.name << "'";
}

// A game just won: every card home, the won dialog closed without a choice.
struct WonGame : ::testing::Test {
    FakeTable t;

    void SetUp() override {
        t.Deal(321);
        for (int suit = 0; suit < 4; ++suit) {
            t.view->m_Cards[4 + suit][20] = Card{13, suit};
        }
        for (int& top : t.view->m_nTop) {
            top = -1;
        }
        t.dialogs.gameWon = [](CGameWonDlg&) { return IDCANCEL; };
    }
    void Store(std::vector<BestTime> entries) {
        for (int slot = 0; slot < 3; ++slot) {
            t.view->t_Time[slot] = entries[slot].time;
            t.view->t_Game[slot] = entries[slot].game;
            t.view->t_Name[slot] = entries[slot].name;
        }
    }
    std::vector<BestTime> Stored() const {
        std::vector<BestTime> entries;
        for (int slot = 0; slot < 3; ++slot) {
            entries.push_back({t.view->t_Time[slot], t.view->t_Game[slot], t.view->t_Name[slot]});
        }
        return entries;
    }
    void WinIn(int seconds, const std::string& typedName = "New") {
        t.view->m_nSeconds = seconds;
        t.dialogs.highScore = [typedName](CHighScoreDlg& dlg) {
            dlg.m_strName = typedName;
            return IDOK;
        };
        t.view->OnGameWon();
    }
    int NameDialogs() { return t.dialogs.shown["CHighScoreDlg"]; }
};

TEST_F(WonGame, StopsTheGameAndClearsTheReserveRow) {
    t.view->m_bAutoPlay = 1;
    t.view->m_nSelected = 152;
    t.surface.Take();
    WinIn(50);
    EXPECT_EQ(t.window.timers.count(kGameTimer), 0u);
    const std::vector<std::string> log = t.surface.Take();
    ASSERT_EQ(log.size(), 1u + 14u);
    EXPECT_EQ(log.front(), "fill 0,0-280,95 0,0,128");
    EXPECT_EQ(t.view->m_bPlaying, 0);
    EXPECT_EQ(t.view->m_bAutoPlay, 0);
    EXPECT_EQ(t.view->m_nSelected, 0);
    EXPECT_EQ(t.view->m_bWon, 1);
}

struct BestTimeCase {
    const char* what;
    std::vector<BestTime> stored;
    int seconds;
    std::vector<BestTime> expected;  // the "New" entry is game 321
};

TEST_F(WonGame, BestTimeTableTakesOnlyStrictlyBetterTimes) {
    const BestTime none{0, 0, ""}, a{100, 1, "A"}, b{200, 2, "B"}, c{300, 3, "C"};
    const BestTimeCase cases[] = {
        {"empty table", {none, none, none}, 90, {{90, 321, "New"}, none, none}},
        {"between two", {a, b, none}, 150, {a, {150, 321, "New"}, b}},
        {"into the empty slot", {a, b, none}, 300, {a, b, {300, 321, "New"}}},
        {"no better than the third", {a, b, c}, 300, {a, b, c}},
        {"a tie goes below", {a, b, c}, 100, {a, {100, 321, "New"}, b}},
    };
    for (const BestTimeCase& test : cases) {
        t.dialogs.shown.clear();
        Store(test.stored);
        WinIn(test.seconds);
        EXPECT_EQ(Stored(), test.expected) << test.what;
        EXPECT_EQ(NameDialogs(), test.expected == test.stored ? 0 : 1) << test.what;
    }
}

TEST_F(WonGame, NameIsKeptAsTyped) {
    WinIn(90, "[Name]\nt_Time1=1 ");
    EXPECT_EQ(t.view->t_Name[0], "[Name]\nt_Time1=1 ");
}

TEST_F(WonGame, DeclinedNameIsTwoSpacesOnTopAndOneSpaceBelow) {
    t.dialogs.highScore = [](CHighScoreDlg& dlg) {
        dlg.m_strName = "typed but not confirmed";
        return IDCANCEL;
    };
    t.view->m_nSeconds = 300;
    t.view->OnGameWon();
    EXPECT_EQ(t.view->t_Name[0], "  ");
    t.view->m_nSeconds = 400;
    t.view->OnGameWon();
    EXPECT_EQ(t.view->t_Name[1], " ");
    t.view->m_nSeconds = 500;
    t.view->OnGameWon();
    EXPECT_EQ(t.view->t_Name[2], " ");
}

TEST_F(WonGame, SameGameDealsTheWonNumberAgainWithoutAsking) {
    t.dialogs.gameWon = [](CGameWonDlg& dlg) {
        dlg.m_nChoice = CGameWonDlg::kSameGame;
        return IDOK;
    };
    const int won = t.view->m_Won;
    const int lost = t.view->m_Lost;
    WinIn(50);
    EXPECT_EQ(t.dialogs.shown["CRestartDlg"], 0);
    EXPECT_EQ(t.view->m_nGameNumber, 321);
    EXPECT_EQ(t.view->m_bPlaying, 1);
    EXPECT_EQ(t.view->m_Won, won + 1);
    EXPECT_EQ(t.view->m_Lost, lost);
    EXPECT_EQ(t.window.timers.count(kGameTimer), 1u);
}

TEST_F(WonGame, AfterLeavingTheDialogOnlyNewOrSelectGameStartsAGame) {
    const int won = t.view->m_Won;
    WinIn(50);
    t.window.title = "finished";
    t.view->OnRestartGame();
    EXPECT_EQ(t.window.title, "finished");
    EXPECT_EQ(t.view->m_bPlaying, 0);

    t.view->OnNewGame();  // a won game needs no confirmation
    EXPECT_EQ(t.dialogs.shown["CNewGameDlg"], 0);
    EXPECT_EQ(t.view->m_bPlaying, 1);
    EXPECT_EQ(t.view->m_Won, won + 1);
}

// A full table on which nothing fits anywhere: all black cards, homes empty.
struct StuckGame : ::testing::Test {
    FakeTable t;

    void SetUp() override {
        t.Deal(500);
        t.dialogs.gameLost = [this](CGameLostDlg& dlg) {
            dlg.m_bSameGame = sameGame;
            return answer;
        };
        for (int suit = 0; suit < 4; ++suit) {
            t.view->m_Cards[4 + suit][20] = Card{};
        }
        const int cellRanks[] = {2, 4, 6, 8};
        for (int k = 0; k < 4; ++k) {
            t.view->m_Cards[k][20] = Card{cellRanks[k], 0};
            t.view->m_bCellUsed[k] = 1;
        }
        const int topRanks[] = {13, 11, 9, 7, 5, 3, 12, 10};
        for (int k = 0; k < 8; ++k) {
            t.Column(k, {{topRanks[k], 1}});
        }
        t.view->m_nSelected = 0;
        t.view->OnLButtonUp(0, 600, 390);  // a release on the bare table recounts
        ASSERT_EQ(t.view->m_nMovesLeft, 0);
    }

    int sameGame = 0;
    int answer = IDCANCEL;
};

TEST_F(StuckGame, LossIsDeclaredOnTheNextTick) {
    t.view->OnTimer(kGameTimer);
    EXPECT_EQ(t.dialogs.shown["CGameLostDlg"], 1);
    EXPECT_EQ(t.window.timers.count(kGameTimer), 0u);
    EXPECT_EQ(t.view->m_bPlaying, 0);
    EXPECT_EQ(t.view->m_bAutoPlay, 0);
    EXPECT_EQ(t.view->m_bWon, 0);
}

TEST_F(StuckGame, ASelectionLeftOnTheLostTableLosesItsMark) {
    t.view->m_nSelected = 3;  // column 3's lone Nine of spades, drawn inverted
    t.surface.Take();
    t.view->OnTimer(kGameTimer);
    const auto calls = t.surface.Take();
    EXPECT_EQ(t.view->m_nSelected, 0);
    EXPECT_NE(std::find(calls.begin(), calls.end(), "blt 22 160,110 75x95 copy"), calls.end());
}

TEST_F(StuckGame, YesWithSameGameDealsTheSameNumber) {
    sameGame = 1;
    answer = IDOK;
    const int lost = t.view->m_Lost;
    t.view->OnTimer(kGameTimer);
    EXPECT_EQ(t.view->m_nGameNumber, 500);
    EXPECT_EQ(t.view->m_Lost, lost + 1);
    EXPECT_EQ(t.view->m_bPlaying, 1);
    EXPECT_EQ(t.window.timers.count(kGameTimer), 1u);
}

TEST_F(StuckGame, YesAloneDealsARandomNumber) {
    answer = IDOK;
    const int expected = t.view->PickRandomGame();
    ASSERT_NE(expected, 500);
    t.view->OnTimer(kGameTimer);
    EXPECT_EQ(t.view->m_nGameNumber, expected);
    EXPECT_EQ(t.view->m_nReplayGame, expected);
    EXPECT_EQ(t.view->m_bPlaying, 1);
}

TEST_F(StuckGame, AfterNoOnlyNewOrSelectGameStartsAGame) {
    const int lost = t.view->m_Lost;
    const int won = t.view->m_Won;
    t.view->OnTimer(kGameTimer);
    t.window.title = "finished";
    t.view->OnRestartGame();
    EXPECT_EQ(t.window.title, "finished");

    t.dialogs.selectGame = [](CSelectGameDlg& dlg) {
        dlg.m_nGame = 77;
        return IDOK;
    };
    t.view->OnSelectGame();
    EXPECT_EQ(t.view->m_nGameNumber, 77);
    EXPECT_EQ(t.view->m_Lost, lost + 1);
    EXPECT_EQ(t.view->m_Won, won);
}

TEST_F(StuckGame, NewGameAfterALossStillAsksAndCountsItLost) {
    const int lost = t.view->m_Lost;
    t.view->OnTimer(kGameTimer);
    t.dialogs.newGame = [](CNewGameDlg&) { return IDOK; };
    t.view->OnNewGame();
    EXPECT_EQ(t.dialogs.shown["CNewGameDlg"], 1);
    EXPECT_EQ(t.view->m_bPlaying, 1);
    EXPECT_EQ(t.view->m_Lost, lost + 1);
}

}  // namespace
