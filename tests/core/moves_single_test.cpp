#include <gtest/gtest.h>

#include "moves_table.h"

namespace {

using namespace moves_test;

constexpr Card k9C{9, kClubs}, k4H{4, kHearts}, k5D{5, kDiamonds}, k3C{3, kClubs}, k2C{2, kClubs};
constexpr Card kKS{13, kSpades}, kAH{1, kHearts}, k8D{8, kDiamonds};

// Column 0: KC 9C 4H, column 1: 5D alone, column 2: QH 9S, column 3: 3C 2C,
// column 4 empty. Reserve cells: KS, AH, 8D and a free one. Clubs home up to
// the Ace.
void LayOutSingleTable(FakeTable& t) {
    TableBuilder(t)
        .Column(0, {{13, kClubs}, k9C, k4H})
        .Column(1, {k5D})
        .Column(2, {{12, kHearts}, {9, kSpades}})
        .Column(3, {k3C, k2C})
        .Reserve(0, kKS)
        .Reserve(1, kAH)
        .Reserve(2, k8D)
        .Home(kClubs, 1)
        .Spares(5);
}

int SelectionCode(Place place) {
    return place.kind == Place::kColumn ? place.index + 1 : kFirstReserveSelection + place.index;
}

TEST(SingleCardMove, ChangesTheTableAndDrawsInOrder) {
    struct Case {
        const char* what;
        Place from, to;
        int column, row;  // where the card lands
        Card landed;
        Log drawn;  // empty: the move is refused
    };
    const Case cases[] = {
        {"a column's last card to a reserve cell empties it down to 210", AtColumn(1), AtReserve(3),
         3, 20, k5D,
         Log{Face(k5D, 210, 0, 70, 100), Erase(82, 157, 185, 210), Erase(82, 157, 110, 210)}},
        {"a column's top card to a reserve cell uncovers the next card unmarked", AtColumn(0),
         AtReserve(3), 3, 20, k4H,
         Log{Face(k4H, 210, 0, 70, 100), Erase(4, 79, 221, 246), Face(k9C, 4, 128, 75, 95)}},
        {"a column's top card to its home cell", AtColumn(3), AtHome(0), 4, 20, k2C,
         Log{Face(k2C, 340, 0, 70, 100), Erase(238, 313, 203, 228), Face(k3C, 238, 110, 75, 95)}},
        {"a reserve card to its home cell", AtReserve(1), AtHome(2), 6, 20, kAH,
         Log{Face(kAH, 480, 0, 70, 100), Erase(70, 140, 0, 95), "frames"}},
        {"a reserve card onto a fitting column", AtReserve(2), AtColumn(2), 2, 2, k8D,
         Log{Face(k8D, 160, 146, 75, 95), Erase(140, 210, 0, 95), "frames"}},
        {"a King from a reserve cell into an empty column", AtReserve(0), AtColumn(4), 4, 0, kKS,
         Log{Face(kKS, 316, 110, 75, 95), Erase(0, 70, 0, 95), "frames"}},
        {"a column's only card into an empty column erases it down to 230", AtColumn(1),
         AtColumn(4), 4, 0, k5D,
         Log{Face(k5D, 316, 110, 75, 95), Erase(82, 157, 185, 210), Erase(82, 157, 110, 230)}},
        {"an Ace to the empty home cell of another suit", AtReserve(1), AtHome(1), 5, 20, {}, {}},
        {"a rank skipped on the way home", AtColumn(0), AtHome(2), 6, 20, {}, {}},
        {"a King onto a column", AtReserve(0), AtColumn(2), 0, 20, kKS, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        LayOutSingleTable(t);
        EXPECT_EQ(Move(t, c.from, c.to), c.drawn);
        EXPECT_EQ(t.view->m_nSelected, c.drawn.empty() ? SelectionCode(c.from) : 0);
        EXPECT_EQ(t.view->m_Cards[c.column][c.row], c.landed);
        ExpectEachCardOnce(*t.view);
    }
}

TEST(SingleCardMove, FullColumnTakesNoMoreCards) {
    FakeTable t;
    std::vector<Card> tall;  // clubs King to Ace, then hearts Eight to Two
    for (int i = 0; i < 20; ++i) {
        tall.push_back(i < 13 ? Card{13 - i, kClubs} : Card{21 - i, kHearts});
    }
    TableBuilder(t).Column(0, tall).Reserve(0, {1, kSpades}).Spares(1);
    EXPECT_TRUE(Move(t, AtReserve(0), AtColumn(0)).empty()) << "row 20 is the cell row";
    EXPECT_EQ(t.view->m_nTop[0], 19);
    EXPECT_EQ(t.view->m_nSelected, 151);
    ExpectEachCardOnce(*t.view);
}

}  // namespace
