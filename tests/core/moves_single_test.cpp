#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moves_table.h"

namespace {

using namespace moves_test;
using Log = std::vector<std::string>;

constexpr Card kKingOfSpades{13, kSpades};
constexpr Card kAceOfHearts{1, kHearts};

TEST(ColumnToReserveCell, LastCardOfAColumnEmptiesItDownTo210) {
    FakeTable t;
    const Card card{5, kDiamonds};
    TableBuilder(t).Column(1, {card}).Spares({4, 5, 6});
    SelectColumn(t, 1);
    t.surface.Take();
    PressReserve(t, 3);
    EXPECT_EQ(Steps(t.surface.Take()), (Log{Face(card, 210, 0, 70, 100), Erase(82, 157, 185, 210),
                                            Erase(82, 157, 110, 210)}));
    EXPECT_EQ(t.view->m_nTop[1], -1);
    EXPECT_EQ(t.view->m_Cards[3][20], card);
    EXPECT_EQ(t.view->m_bCellUsed[3], 1);
    EXPECT_EQ(t.view->m_nSelected, 0);
    EXPECT_EQ(t.view->m_bMouseDown, 0);
    ExpectEachCardOnce(*t.view);
}

TEST(ColumnToReserveCell, UncoversTheNextCardWithoutTheMark) {
    FakeTable t;
    const Card under{9, kClubs}, top{4, kHearts};
    TableBuilder(t).Column(2, {{13, kClubs}, under, top}).Spares({4, 5, 6});
    SelectColumn(t, 2);
    t.surface.Take();
    PressReserve(t, 0);
    EXPECT_EQ(Steps(t.surface.Take()), (Log{Face(top, 0, 0, 70, 100), Erase(160, 235, 221, 246),
                                            Face(under, 160, 128, 75, 95)}));
    EXPECT_EQ(t.view->m_nCardCode, CardCode(under));
    ExpectEachCardOnce(*t.view);
}

TEST(ToHomeCell, TakesOnlyTheNextCardOfItsOwnSuit) {
    FakeTable t;
    TableBuilder(t)
        .Reserve(1, kAceOfHearts)
        .Home(kClubs, 1)
        .Column(0, {{3, kClubs}, {2, kClubs}})
        .Spares({4, 5, 6});
    SelectReserve(t, 1);
    PressHome(t, 0);
    PressHome(t, 1);
    EXPECT_EQ(t.view->m_nSelected, 152) << "the Ace of hearts is refused by clubs and spades";
    t.surface.Take();
    PressHome(t, 2);
    EXPECT_EQ(Steps(t.surface.Take()),
              (Log{Face(kAceOfHearts, 480, 0, 70, 100), Erase(70, 140, 0, 95), "frames"}));
    EXPECT_EQ(t.view->m_Cards[6][20], kAceOfHearts);
    EXPECT_EQ(t.view->m_bCellUsed[1], 0);
    EXPECT_EQ(t.view->m_Cards[1][20], Card{});

    SelectColumn(t, 0);
    PressHome(t, 0);
    EXPECT_EQ(t.view->m_Cards[4][20], Card(2, kClubs));
    SelectColumn(t, 0);
    EXPECT_EQ(t.view->m_nSelected, 1);
    t.surface.Take();
    PressHome(t, 0);
    EXPECT_EQ(t.view->m_Cards[4][20], Card(3, kClubs)) << "the Three follows the Two";
    EXPECT_EQ(Steps(t.surface.Take()), (Log{Face({3, kClubs}, 340, 0, 70, 100),
                                            Erase(4, 79, 185, 210), Erase(4, 79, 110, 210)}));
    ExpectEachCardOnce(*t.view);
}

TEST(ToHomeCell, SkippingARankIsRefused) {
    FakeTable t;
    TableBuilder(t).Column(0, {{3, kClubs}}).Spares({4, 5, 6});
    SelectColumn(t, 0);
    t.surface.Take();
    PressHome(t, 0);
    EXPECT_TRUE(t.surface.Take().empty());
    EXPECT_EQ(t.view->m_nSelected, 1);
    EXPECT_EQ(t.view->m_Cards[4][20], Card{});
}

TEST(ReserveCellToColumn, FittingCardGoesOnTheNextRowAndTheCellIsCleared) {
    FakeTable t;
    const Card card{8, kDiamonds};
    TableBuilder(t).Column(3, {{12, kHearts}, {9, kSpades}}).Reserve(2, card).Spares({4, 5, 6});
    SelectReserve(t, 2);
    t.surface.Take();
    PressColumn(t, 3);
    EXPECT_EQ(Steps(t.surface.Take()),
              (Log{Face(card, 238, 146, 75, 95), Erase(140, 210, 0, 95), "frames"}));
    EXPECT_EQ(t.view->m_nTop[3], 2);
    EXPECT_EQ(t.view->m_Cards[3][2], card);
    EXPECT_EQ(t.view->m_bCellUsed[2], 0);
    EXPECT_EQ(t.view->m_nSelected, 0);
    ExpectEachCardOnce(*t.view);
}

TEST(ReserveCellToColumn, KingGoesOnlyIntoAnEmptyColumn) {
    FakeTable t;
    TableBuilder(t).Column(0, {{1, kHearts}}).Reserve(0, kKingOfSpades).Spares({4, 5, 6});
    SelectReserve(t, 0);
    for (int k : {0, 4, 5, 6}) {
        PressColumn(t, k);
        EXPECT_EQ(t.view->m_nSelected, 151) << "column " << k;
    }
    t.surface.Take();
    PressColumn(t, 7);
    EXPECT_EQ(Steps(t.surface.Take()),
              (Log{Face(kKingOfSpades, 550, 110, 75, 95), Erase(0, 70, 0, 95), "frames"}));
    EXPECT_EQ(t.view->m_nTop[7], 0);
    EXPECT_EQ(t.view->m_Cards[7][0], kKingOfSpades);
    EXPECT_EQ(t.view->m_nSelected, 0);
    ExpectEachCardOnce(*t.view);
}

TEST(ReserveCellToColumn, FullColumnTakesNoMoreCards) {
    FakeTable t;
    std::vector<Card> tall;
    for (int rank = 13; rank >= 2; --rank) {
        tall.push_back(Card{rank, rank % 2 == 0 ? kClubs : kHearts});
    }
    for (int rank = 13; rank >= 6; --rank) {
        tall.insert(tall.begin(), Card{rank, rank % 2 == 0 ? kSpades : kDiamonds});
    }
    TableBuilder(t).Column(0, tall).Reserve(0, {1, kSpades}).Spares({4, 5, 6});
    ASSERT_EQ(t.view->m_nTop[0], 19);
    SelectReserve(t, 0);
    PressColumn(t, 0);
    EXPECT_EQ(t.view->m_nTop[0], 19) << "row 20 is the cell row";
    EXPECT_EQ(t.view->m_nSelected, 151);
}

TEST(CardToEmptyColumn, OnlyCardOfTheSourceErasesItDownTo230) {
    FakeTable t;
    const Card card{7, kClubs};
    TableBuilder(t)
        .Column(0, {card})
        .Reserve(0, {1, kDiamonds})
        .Reserve(1, {2, kDiamonds})
        .Reserve(2, {3, kDiamonds})
        .Reserve(3, {4, kDiamonds})
        .Spares({4, 5, 6});
    SelectColumn(t, 0);
    t.surface.Take();
    PressColumn(t, 2);
    EXPECT_EQ(Steps(t.surface.Take()),
              (Log{Face(card, 160, 110, 75, 95), Erase(4, 79, 185, 210), Erase(4, 79, 110, 230)}));
    EXPECT_EQ(t.view->m_nTop[0], -1);
    EXPECT_EQ(t.view->m_Cards[2][0], card);
    ExpectEachCardOnce(*t.view);
}

}  // namespace
