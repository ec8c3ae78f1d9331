#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Log = std::vector<std::string>;

constexpr int kClubs = 0, kSpades = 1, kHearts = 2, kDiamonds = 3;

// Index of the last card dealt to each column: its top card.
constexpr int kDealtTopIndex[8] = {6, 13, 20, 27, 33, 39, 45, 51};

bool HasAceOnAColumnTop(int game) {
    return std::ranges::any_of(kDealtTopIndex,
                               [game](int k) { return CSolDoc::DealtCard(game, k).nRank == 1; });
}

// A bare table with automatic play switched on; each test lays out its cards.
struct AutoTable {
    FakeTable t;

    AutoTable() {
        t.ClearTable();
        t.view->m_bAutoPlay = 1;
        t.view->m_nMovesLeft = 5;
    }
    void Home(int suit, int rank) { t.view->m_Cards[4 + suit][20] = Card{rank, suit}; }
    void AcesHome(std::initializer_list<int> suits) {
        for (int suit : suits) {
            Home(suit, 1);
        }
    }
    void Cell(int k, Card card) {
        t.view->m_Cards[k][20] = card;
        t.view->m_bCellUsed[k] = 1;
    }
    int HomeRank(int suit) const { return t.view->m_Cards[4 + suit][20].nRank; }
    Log Step() {
        t.surface.Take();
        t.view->AutoPlay();
        return t.surface.Take();
    }
};

TEST(AutoPlay, TwosWaitWhileAHomeCellIsEmpty) {
    AutoTable a;
    a.AcesHome({kClubs, kSpades, kHearts});
    a.t.Column(0, {{2, kClubs}});
    a.Cell(0, {2, kSpades});
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_TRUE(a.Step().empty());
    }
    EXPECT_EQ(a.t.view->m_nMinHome, 0);

    a.Home(kDiamonds, 1);
    a.Step();
    EXPECT_EQ(a.HomeRank(kClubs), 2);
    EXPECT_EQ(a.HomeRank(kSpades), 2);
    EXPECT_EQ(a.t.view->m_nTop[0], -1);
    EXPECT_EQ(a.t.view->m_bCellUsed[0], 0);
}

// A reserve cell offers its card after every column has offered one.
TEST(AutoPlay, FourthAceFreesLaterTwosInTheSameTickOnly) {
    AutoTable a;
    a.AcesHome({kClubs, kSpades, kHearts});
    a.t.Column(1, {{2, kSpades}});
    a.t.Column(2, {{2, kDiamonds}, {1, kDiamonds}});
    a.t.Column(6, {{2, kHearts}});
    a.Cell(1, {2, kClubs});

    const Log log = a.Step();
    EXPECT_EQ(a.HomeRank(kHearts), 2) << "column index 6 comes after the fourth Ace";
    EXPECT_EQ(a.HomeRank(kClubs), 2) << "reserve cells come after the columns";
    EXPECT_EQ(a.HomeRank(kSpades), 1) << "column index 1 was passed before the fourth Ace";
    EXPECT_EQ(a.HomeRank(kDiamonds), 1) << "the uncovered Two waits for the next tick";
    EXPECT_EQ(a.t.view->m_nTop[2], 0);
    EXPECT_EQ(a.t.view->m_bCellUsed[1], 0);
    ASSERT_EQ(log.size(), 3u + 3u + 2u + 14u + 4u);  // the cell cleared last, home cards redrawn
    EXPECT_EQ(log[6], "blt 2 340,0 70x96 copy");
    EXPECT_EQ(log[7], "fill 70,0-140,95 0,0,128");

    a.Step();
    EXPECT_EQ(a.HomeRank(kSpades), 2);
    EXPECT_EQ(a.HomeRank(kDiamonds), 2);
}

// One tick on a table where a Nine of diamonds (column 3) and a Queen of hearts (reserve
// cell 2) stay put, while Aces leave from columns 0 and 1 or else from reserve cell 0.
Log TickWithSelected(bool acesInColumns, int selected) {
    AutoTable a;
    a.t.Column(3, {{5, kClubs}, {9, kDiamonds}});
    a.Cell(2, {12, kHearts});
    if (acesInColumns) {
        a.t.Column(0, {{1, kHearts}});
        a.t.Column(1, {{7, kClubs}, {1, kClubs}});
    } else {
        a.Cell(0, {1, kDiamonds});
    }
    a.t.view->m_nSelected = selected;
    a.t.view->m_bMouseDown = 1;
    Log log = a.Step();
    EXPECT_EQ(a.t.view->m_nSelected, 0);
    EXPECT_EQ(a.t.view->m_bMouseDown, 0);
    return log;
}

// Whatever was selected is dropped, and its mark does not outlive the selection.
TEST(AutoPlay, MoveDropsTheSelectionAndDrawsAwayAMarkLeftBehind) {
    const struct {
        bool acesInColumns;
        int selected;
        const char* redraw;  // the marked card drawn plainly, if its mark stayed behind
    } cases[] = {
        {true, 4, "blt 48 238,128 71x96 copy"},
        {false, 153, "blt 38 140,0 71x96 copy"},
        {true, 1, nullptr},
        {false, 151, nullptr},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.acesInColumns << " selected " << test.selected);
        const Log plain = TickWithSelected(test.acesInColumns, 0);
        const Log log = TickWithSelected(test.acesInColumns, test.selected);
        if (test.redraw == nullptr) {
            EXPECT_EQ(log, plain);
            continue;
        }
        EXPECT_EQ(log.size(), plain.size() + 1);
        EXPECT_NE(std::find(log.begin(), log.end(), test.redraw), log.end());
    }
}

TEST(AutoPlay, NothingMovesBeforeTheFirstReleaseWithNothingSelected) {
    FakeTable t;
    int game = 1;
    while (!HasAceOnAColumnTop(game)) {
        ++game;
    }
    t.Deal(game);
    const auto acesHome = [&t] {
        return std::ranges::count_if(t.view->m_Cards + 4, t.view->m_Cards + 8,
                                     [](const auto& column) { return column[20].nRank == 1; });
    };
    for (int tick = 0; tick < 5; ++tick) {
        t.view->OnTimer(kGameTimer);
    }
    EXPECT_EQ(acesHome(), 0);

    t.view->OnLButtonUp(0, 600, 390);  // on the bare table below the columns
    t.view->OnTimer(kGameTimer);
    EXPECT_GE(acesHome(), 1);
}

TEST(AutoPlay, NewGameFromTheWonDialogPlaysTheNewDealInTheSameTick) {
    AutoTable a;
    FakeTable& t = a.t;
    // Picks are used up until the next one deals an Ace on a column top.
    while (!HasAceOnAColumnTop(t.NextPick())) {
        t.view->PickRandomGame();
    }
    const int game = t.NextPick();
    for (int suit = 0; suit < 4; ++suit) {
        a.Home(suit, 13);
    }
    t.dialogs.highScore = [](CHighScoreDlg&) { return IDOK; };
    t.dialogs.gameWon = [](CGameWonDlg& dlg) {
        dlg.m_nChoice = CGameWonDlg::kNewGame;
        return IDOK;
    };

    t.view->OnTimer(kGameTimer);
    EXPECT_EQ(t.view->m_nGameNumber, game);
    EXPECT_EQ(t.view->m_Won, 1);
    for (int column = 0; column < 8; ++column) {
        const Card dealtTop = CSolDoc::DealtCard(game, kDealtTopIndex[column]);
        if (dealtTop.nRank == 1) {
            EXPECT_EQ(a.HomeRank(dealtTop.nSuit), 1) << "column " << column;
            EXPECT_EQ(t.view->m_nTop[column], column < 4 ? 5 : 4) << "column " << column;
        }
    }
}

}  // namespace
