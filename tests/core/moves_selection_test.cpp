#include <gtest/gtest.h>

#include <string>

#include "moves_table.h"

namespace {

using namespace moves_test;

constexpr Card kKC{13, kClubs}, k9H{9, kHearts}, k8S{8, kSpades}, k5D{5, kDiamonds};
constexpr Card k8C{8, kClubs}, kQD{12, kDiamonds};
constexpr int kColumnCode = 3;  // column 2 selected
constexpr int kCellCode = 151;  // reserve cell 0 selected

// Column 0 ends with the Nine of hearts, column 1 is empty, column 2 ends with
// the Eight of spades on the King of clubs, column 3 holds the Five of
// diamonds alone; reserve cell 0 holds the Eight of clubs, cell 2 the Queen of
// diamonds, cells 1 and 3 are free; clubs and spades are home up to 7.
void LayOutPressTable(FakeTable& t) {
    TableBuilder(t)
        .Column(0, {{13, kDiamonds}, k9H})
        .Column(2, {kKC, k8S})
        .Column(3, {k5D})
        .Reserve(0, k8C)
        .Reserve(2, kQD)
        .Home(kClubs, 7)
        .Home(kSpades, 7)
        .Spares(4);
}

TEST(LeftPress, SelectsMovesOrRefusesAsTheSelectionAndTargetCallFor) {
    const std::string uncoverKing[] = {Erase(160, 235, 203, 228), Face(kKC, 160, 110, 71, 96)};
    const std::string clearCell[] = {Erase(0, 70, 0, 95), "frames"};
    struct Case {
        const char* what;
        int selected;  // selection code before the press
        Place press;
        int selectedAfter;
        int column, row;  // a grid place that shows the outcome
        Card expected;
        Log drawn;
    };
    const Case cases[] = {
        {"nothing, column", 0, AtColumn(0), 1, 0, 1, k9H, Log{"blt 500 4,128 71x96 invert"}},
        {"nothing, empty column", 0, AtColumn(1), 0, 1, 0, Card{}, {}},
        {"nothing, filled cell", 0, AtReserve(0), kCellCode, 0, 20, k8C,
         Log{"blt 500 0,0 71x96 invert"}},
        {"nothing, empty cell", 0, AtReserve(1), 0, 1, 20, Card{}, {}},
        {"nothing, home", 0, AtHome(1), 0, 5, 20, Card{7, kSpades}, {}},
        {"column, itself", kColumnCode, AtColumn(2), 0, 2, 1, k8S,
         Log{Face(k8S, 160, 128, 71, 96)}},
        {"column, fitting column", kColumnCode, AtColumn(0), 0, 0, 2, k8S,
         Log{Face(k8S, 4, 146, 71, 96), uncoverKing[0], uncoverKing[1]}},
        {"column, empty column", kColumnCode, AtColumn(1), 0, 1, 0, k8S,
         Log{Face(k8S, 82, 110, 71, 96), uncoverKing[0], uncoverKing[1]}},
        {"column, filled cell", kColumnCode, AtReserve(0), kColumnCode, 0, 20, k8C, {}},
        {"column, empty cell", kColumnCode, AtReserve(1), 0, 1, 20, k8S,
         Log{Face(k8S, 70, 0, 70, 96), uncoverKing[0], uncoverKing[1]}},
        {"column, home", kColumnCode, AtHome(1), 0, 5, 20, k8S,
         Log{Face(k8S, 410, 0, 71, 96), uncoverKing[0], uncoverKing[1]}},
        {"cell, fitting column", kCellCode, AtColumn(0), 0, 0, 2, k8C,
         Log{Face(k8C, 4, 146, 71, 96), clearCell[0], clearCell[1]}},
        {"cell, empty column", kCellCode, AtColumn(1), 0, 1, 0, k8C,
         Log{Face(k8C, 82, 110, 71, 96), clearCell[0], clearCell[1]}},
        {"cell, itself", kCellCode, AtReserve(0), 0, 0, 20, k8C, Log{Face(k8C, 0, 0, 71, 96)}},
        {"cell, other filled cell", kCellCode, AtReserve(2), kCellCode, 2, 20, kQD, {}},
        {"cell, empty cell", kCellCode, AtReserve(1), kCellCode, 1, 20, Card{}, {}},
        {"cell, home", kCellCode, AtHome(0), 0, 4, 20, k8C,
         Log{Face(k8C, 340, 0, 70, 96), clearCell[0], clearCell[1]}},
        {"a column's last card to a cell empties it down to 210", 4, AtReserve(1), 0, 1, 20, k5D,
         Log{Face(k5D, 70, 0, 70, 96), Erase(238, 313, 185, 210), Erase(238, 313, 110, 210)}},
        {"another suit's home cell, though the rank fits", kCellCode, AtHome(1), kCellCode, 5, 20,
         Card{7, kSpades}, Log{}},
        {"a rank skipped on the way home", 1, AtHome(2), 1, 6, 20, Card{}, {}},
        {"a reserve card that does not fit", 153, AtColumn(0), 153, 0, 2, Card{}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        LayOutPressTable(t);
        if (c.selected != kNothingSelected) {
            Click(t, c.selected < kFirstReserveSelection
                         ? AtColumn(c.selected - 1)
                         : AtReserve(c.selected - kFirstReserveSelection));
        }
        ASSERT_EQ(t.view->m_nSelected, c.selected);
        t.surface.Take();
        Press(t, c.press);
        EXPECT_EQ(Steps(t.surface.Take()), c.drawn);
        EXPECT_EQ(t.view->m_nSelected, c.selectedAfter);
        EXPECT_EQ(t.view->m_Cards[c.column][c.row], c.expected);
        EXPECT_TRUE(EachCardOnce(*t.view));
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
    EXPECT_TRUE(EachCardOnce(*t.view));
}

TEST(LeftPress, EdgesOfTheRectanglesHitNothing) {
    FakeTable t;
    t.Deal(1);
    for (int k = 0; k < table::kColumns; ++k) {
        const int x = table::ColumnX(k);
        const int bottom = 205 + 18 * t.view->m_nTop[k];
        for (auto [px, py] : {std::pair{x, 150}, {x + 70, 150}, {x + 30, 110}, {x + 30, bottom}}) {
            t.view->OnLButtonDown(0, px, py);
            EXPECT_EQ(t.view->m_nSelected, 0) << "column " << k << " at " << px << ',' << py;
        }
        t.view->OnLButtonDown(0, x + 1, bottom - 1);
        EXPECT_EQ(t.view->m_nSelected, k + 1) << "the innermost pixel selects";
        t.view->OnLButtonDown(0, x + 69, 111);
        EXPECT_EQ(t.view->m_nSelected, 0);
    }
    t.view->m_bCellUsed[0] = t.view->m_bCellUsed[1] = t.view->m_bCellUsed[2] = 1;
    for (auto [px, py] : {std::pair{70, 50}, {140, 50}, {35, 0}, {35, 98}}) {
        t.view->OnLButtonDown(0, px, py);
        EXPECT_EQ(t.view->m_nSelected, 0) << px << ',' << py;
    }
}

TEST(LeftRelease, StartsAutomaticPlayOnlyWithNothingSelectedAndShowsTheArrow) {
    FakeTable t;
    LayOutPressTable(t);
    Press(t, AtColumn(0));
    EXPECT_EQ(t.view->m_bMouseDown, 0) << "selecting uses the press up";
    t.window.pointer = kDropCursor;
    t.view->OnLButtonUp(0, 0, 0);
    EXPECT_EQ(t.view->m_bAutoPlay, 0);
    EXPECT_EQ(t.window.pointer, kArrowCursor);
    Click(t, AtColumn(0));  // deselects
    EXPECT_EQ(t.view->m_bAutoPlay, 1);
}

}  // namespace
