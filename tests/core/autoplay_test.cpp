#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Log = std::vector<std::string>;

constexpr int kClubs = 0, kSpades = 1, kHearts = 2, kDiamonds = 3;

// Index of the last card dealt to each column: its top card.
constexpr int kDealtTopIndex[8] = {6, 13, 20, 27, 33, 39, 45, 51};

bool HasAceOnAColumnTop(int game) {
    for (int k : kDealtTopIndex) {
        if (CSolDoc::DealtCard(game, k).nRank == 1) {
            return true;
        }
    }
    return false;
}

// A table with automatic play switched on, cards placed by each test.
struct AutoPlayTable : ::testing::Test {
    FakeTable t;

    void SetUp() override {
        t.ClearTable();
        t.view->m_bAutoPlay = 1;
        t.view->m_nMovesLeft = 5;
    }
    void Home(int suit, int rank) { t.view->m_Cards[4 + suit][20] = Card{rank, suit}; }
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

TEST_F(AutoPlayTable, TwoWaitsWhileAHomeCellIsEmpty) {
    Home(kClubs, 1);
    Home(kSpades, 1);
    Home(kHearts, 1);
    t.Column(0, {{2, kClubs}});
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_TRUE(Step().empty());
    }
    EXPECT_EQ(t.view->m_nMinHome, 0);
    EXPECT_EQ(t.view->m_nTop[0], 0);

    Home(kDiamonds, 1);
    Step();
    EXPECT_EQ(HomeRank(kClubs), 2);
    EXPECT_EQ(t.view->m_nTop[0], -1);
}

TEST_F(AutoPlayTable, FourthAceFreesLaterTwosInTheSameTickOnly) {
    Home(kClubs, 1);
    Home(kSpades, 1);
    Home(kHearts, 1);
    t.Column(1, {{2, kSpades}});
    t.Column(2, {{2, kDiamonds}, {1, kDiamonds}});
    t.Column(6, {{2, kHearts}});

    EXPECT_EQ(Step(), (Log{
                          // Ace of diamonds home; the Two under it shows again
                          "blt 40 550,0 75x95 copy",
                          "fill 160,203-235,228 0,0,128",
                          "blt 41 160,110 75x95 copy",
                          // Two of hearts home; its column is now empty
                          "blt 28 480,0 75x95 copy",
                          "fill 472,185-547,210 0,0,128",
                          "fill 472,110-547,210 0,0,128",
                      }));
    EXPECT_EQ(HomeRank(kHearts), 2);
    EXPECT_EQ(HomeRank(kSpades), 1) << "column index 1 was passed before the fourth Ace";
    EXPECT_EQ(HomeRank(kDiamonds), 1) << "the uncovered Two waits for the next tick";
    EXPECT_EQ(t.view->m_nTop[2], 0);
    EXPECT_EQ(t.view->m_nTop[6], -1);
    EXPECT_EQ(t.view->m_Cards[2][1], Card{});
    EXPECT_EQ(t.view->m_nCardCode, 28);

    Step();
    EXPECT_EQ(HomeRank(kSpades), 2);
    EXPECT_EQ(HomeRank(kDiamonds), 2);
}

TEST_F(AutoPlayTable, ReserveCellsFollowTheColumnsWithinTheTick) {
    Home(kSpades, 1);
    Home(kHearts, 1);
    Home(kDiamonds, 1);
    t.Column(4, {{1, kClubs}});
    Cell(1, {2, kClubs});

    const Log log = Step();
    ASSERT_EQ(log.size(), 3u + 2u + 14u);
    EXPECT_EQ(log[0], "blt 1 340,0 75x95 copy");
    EXPECT_EQ(log[3], "blt 2 340,0 75x95 copy");
    EXPECT_EQ(log[4], "fill 70,0-140,95 0,0,128");
    EXPECT_EQ(log[5], "line 0,0-0,95 0,0,128 notcopy");
    EXPECT_EQ(HomeRank(kClubs), 2);
    EXPECT_EQ(t.view->m_Cards[1][20], Card{});
    EXPECT_EQ(t.view->m_bCellUsed[1], 0);
}

TEST_F(AutoPlayTable, UnsafeCardsAreRefusedWhenAskedDirectly) {
    t.Column(0, {{3, kClubs}});
    Cell(0, {3, kSpades});
    t.view->m_nAutoSource = 0;
    t.view->AutoMoveToHome(0, kClubs);
    t.view->m_nAutoSource = 1;
    t.view->AutoMoveToHome(0, kSpades);
    t.view->AutoMoveToHome(2, kClubs);  // an empty cell
    EXPECT_TRUE(t.surface.Take().empty());
    EXPECT_EQ(HomeRank(kClubs), 0);
    EXPECT_EQ(HomeRank(kSpades), 0);
}

// Whatever was selected is dropped, and its mark does not outlive the selection.
struct AutoMoveSelection : AutoPlayTable {
    // The drawing of one tick with place `selected` selected; the selection must be gone after.
    Log StepWithSelected(int selected) {
        t.view->m_nSelected = selected;
        t.view->m_bMouseDown = 1;
        Log log = Step();
        EXPECT_EQ(t.view->m_nSelected, 0);
        EXPECT_EQ(t.view->m_bMouseDown, 0);
        return log;
    }
};

TEST_F(AutoMoveSelection, MarkOnAnotherPlaceIsDrawnAway) {
    t.Column(0, {{1, kHearts}});
    t.Column(3, {{5, kClubs}, {9, kDiamonds}});
    Log log = StepWithSelected(4);
    ASSERT_EQ(log.size(), 3u + 1u);
    EXPECT_EQ(log.back(), "blt 48 238,128 75x95 copy");
    EXPECT_EQ(t.view->m_nCardCode, 48);

    t.Column(5, {{1, kSpades}});
    Cell(2, {12, kHearts});
    log = StepWithSelected(153);
    ASSERT_EQ(log.size(), 3u + 1u);
    EXPECT_EQ(log.back(), "blt 38 140,0 75x95 copy");

    Cell(3, {1, kDiamonds});
    log = StepWithSelected(4);
    ASSERT_EQ(log.size(), 2u + 14u + 1u);
    EXPECT_EQ(log.back(), "blt 48 238,128 75x95 copy");
}

TEST_F(AutoMoveSelection, MarkLeavingWithTheCardNeedsNoRedraw) {
    t.Column(1, {{7, kClubs}, {1, kClubs}});
    EXPECT_EQ(StepWithSelected(2).size(), 3u);  // home, strip, the new top drawn plainly
    Home(kSpades, 1);
    Home(kHearts, 1);
    Home(kDiamonds, 1);
    Cell(0, {2, kClubs});
    EXPECT_EQ(StepWithSelected(151).size(), 2u + 14u);  // home, cell erased, frames
}

TEST(AutoPlayStart, NothingMovesBeforeTheFirstReleaseWithNothingSelected) {
    FakeTable t;
    int game = 1;
    while (!HasAceOnAColumnTop(game)) {
        ++game;
    }
    t.Deal(game);
    for (int tick = 0; tick < 5; ++tick) {
        t.view->OnTimer(kGameTimer);
    }
    for (int suit = 0; suit < 4; ++suit) {
        EXPECT_EQ(t.view->m_Cards[4 + suit][20].nRank, 0);
    }

    t.view->OnLButtonUp(0, 600, 390);  // on the bare table below the columns
    EXPECT_EQ(t.view->m_bAutoPlay, 1);
    t.view->OnTimer(kGameTimer);
    int acesHome = 0;
    for (int suit = 0; suit < 4; ++suit) {
        acesHome += t.view->m_Cards[4 + suit][20].nRank >= 1;
    }
    EXPECT_GE(acesHome, 1);
}

TEST_F(AutoPlayTable, NewGameFromTheWonDialogPlaysTheNewDealInTheSameTick) {
    // The clock time whose random pick deals an Ace on a column top.
    while (!HasAceOnAColumnTop(t.view->PickRandomGame())) {
        ++t.window.now;
    }
    const int game = t.view->PickRandomGame();

    for (int suit = 0; suit < 4; ++suit) {
        Home(suit, 13);
    }
    t.view->m_bNoGameYet = 0;
    t.view->m_nSeconds = 40;
    t.dialogs.highScore = [](CHighScoreDlg& dlg) {
        dlg.m_strName = "Ann";
        return IDOK;
    };
    t.dialogs.gameWon = [](CGameWonDlg& dlg) {
        dlg.m_nChoice = CGameWonDlg::kNewGame;
        return IDOK;
    };
    const int wonBefore = t.view->m_Won;

    t.view->OnTimer(kGameTimer);

    EXPECT_EQ(t.dialogs.shown["CGameWonDlg"], 1);
    EXPECT_EQ(t.view->m_nGameNumber, game);
    EXPECT_EQ(t.view->m_Won, wonBefore + 1);
    EXPECT_EQ(t.view->m_bPlaying, 1);
    EXPECT_EQ(t.window.timers.count(kGameTimer), 1u);
    for (int column = 0; column < 8; ++column) {
        const Card dealtTop = CSolDoc::DealtCard(game, kDealtTopIndex[column]);
        if (dealtTop.nRank == 1) {
            EXPECT_EQ(HomeRank(dealtTop.nSuit), 1) << "column " << column;
            EXPECT_EQ(t.view->m_nTop[column], column < 4 ? 5 : 4) << "column " << column;
        }
    }
}

}  // namespace
