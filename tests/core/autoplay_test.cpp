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

}  // namespace
