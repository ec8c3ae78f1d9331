#include <gtest/gtest.h>

#include "moves_table.h"

namespace {

using namespace moves_test;

constexpr Card kNineOfHearts{9, kHearts};
constexpr Card kEightOfSpades{8, kSpades};
constexpr Card kEightOfClubs{8, kClubs};
constexpr Card kQueenOfDiamonds{12, kDiamonds};
constexpr int kColumnCode = 3;  // column 2 selected
constexpr int kCellCode = 151;  // reserve cell 0 selected

// Column 0 ends with the Nine of hearts, column 1 is empty, column 2 ends with
// the Eight of spades; reserve cell 0 holds the Eight of clubs, cell 1 is
// free, cell 2 holds the Queen of diamonds; clubs and spades are home up to 7.
void LayOutPressTable(FakeTable& t) {
    TableBuilder(t)
        .Column(0, {{13, kDiamonds}, kNineOfHearts})
        .Column(2, {{13, kClubs}, kEightOfSpades})
        .Reserve(0, kEightOfClubs)
        .Reserve(2, kQueenOfDiamonds)
        .Home(kClubs, 7)
        .Home(kSpades, 7)
        .Spares(3);
}

TEST(LeftPress, DoesWhatTheSelectionAndTargetCallFor) {
    struct Case {
        const char* what;
        int selected;  // selection before the press
        Place press;
        int selectedAfter;
        int column, row;  // a grid place that shows the outcome
        Card expected;
    };
    const Case cases[] = {
        {"nothing, column", 0, AtColumn(0), 1, 0, 1, kNineOfHearts},
        {"nothing, empty column", 0, AtColumn(1), 0, 1, 0, Card{}},
        {"nothing, filled cell", 0, AtReserve(0), kCellCode, 0, 20, kEightOfClubs},
        {"nothing, empty cell", 0, AtReserve(1), 0, 1, 20, Card{}},
        {"nothing, home", 0, AtHome(1), 0, 5, 20, Card{7, kSpades}},
        {"column, itself", kColumnCode, AtColumn(2), 0, 2, 1, kEightOfSpades},
        {"column, fitting column", kColumnCode, AtColumn(0), 0, 0, 2, kEightOfSpades},
        {"column, empty column", kColumnCode, AtColumn(1), 0, 1, 0, kEightOfSpades},
        {"column, filled cell", kColumnCode, AtReserve(0), kColumnCode, 0, 20, kEightOfClubs},
        {"column, empty cell", kColumnCode, AtReserve(1), 0, 1, 20, kEightOfSpades},
        {"column, home", kColumnCode, AtHome(1), 0, 5, 20, kEightOfSpades},
        {"cell, fitting column", kCellCode, AtColumn(0), 0, 0, 2, kEightOfClubs},
        {"cell, empty column", kCellCode, AtColumn(1), 0, 1, 0, kEightOfClubs},
        {"cell, itself", kCellCode, AtReserve(0), 0, 0, 20, kEightOfClubs},
        {"cell, other filled cell", kCellCode, AtReserve(2), kCellCode, 2, 20, kQueenOfDiamonds},
        {"cell, empty cell", kCellCode, AtReserve(1), kCellCode, 1, 20, Card{}},
        {"cell, home", kCellCode, AtHome(0), 0, 4, 20, kEightOfClubs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        LayOutPressTable(t);
        if (c.selected != 0) {
            Click(t, c.selected == kColumnCode ? AtColumn(2) : AtReserve(0));
        }
        ASSERT_EQ(t.view->m_nSelected, c.selected);
        Press(t, c.press);
        EXPECT_EQ(t.view->m_nSelected, c.selectedAfter);
        EXPECT_EQ(t.view->m_Cards[c.column][c.row], c.expected);
        ExpectEachCardOnce(*t.view);
    }
}

TEST(LeftPress, SelectingDrawsTheMarkAndDeselectingTheCard) {
    FakeTable t;
    LayOutPressTable(t);
    t.surface.Take();
    Press(t, AtColumn(0));
    EXPECT_EQ(t.surface.Take(), Log{Mark(4, 128)});
    EXPECT_EQ(t.view->m_bMouseDown, 0) << "the press is used up";
    t.view->OnLButtonUp(0, 0, 0);
    EXPECT_EQ(t.view->m_bAutoPlay, 0) << "a release with a selection leaves automatic play off";
    t.surface.Take();  // the move count
    Press(t, AtColumn(0));
    EXPECT_EQ(t.surface.Take(), Log{Face(kNineOfHearts, 4, 128, 75, 95)});
    EXPECT_EQ(t.view->m_nSelected, 0);

    Press(t, AtReserve(0));
    EXPECT_EQ(t.surface.Take(), Log{Mark(0, 0)});
    Press(t, AtReserve(0));
    EXPECT_EQ(t.surface.Take(), Log{Face(kEightOfClubs, 0, 0, 75, 95)});
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

TEST(LeftPress, OverlapOfTwoHomeCellsTriesOnlyTheLeftOne) {
    FakeTable t;
    TableBuilder(t).Column(0, {{1, kSpades}}).Spares(4);
    Click(t, AtColumn(0));
    t.view->OnLButtonDown(0, 415, 50);  // home cell 0's right edge, over home cell 1
    EXPECT_EQ(t.view->m_nSelected, 1);
    EXPECT_EQ(t.view->m_Cards[5][20], Card{});
    t.view->OnLButtonDown(0, 425, 50);
    EXPECT_EQ(t.view->m_Cards[5][20], Card(1, kSpades));
    ExpectEachCardOnce(*t.view);
}

TEST(LeftRelease, WithNothingSelectedStartsAutomaticPlayAndShowsTheArrow) {
    FakeTable t;
    LayOutPressTable(t);
    t.window.pointer = kDropCursor;
    Click(t, AtReserve(1));  // an empty place
    EXPECT_EQ(t.view->m_bAutoPlay, 1);
    EXPECT_EQ(t.view->m_bMouseDown, 0);
    EXPECT_EQ(t.window.pointer, kArrowCursor);
}

TEST(LeftPress, IgnoredWhileNoGameIsInPlay) {
    FakeTable t;
    LayOutPressTable(t);
    t.view->m_bPlaying = 0;
    t.surface.Take();
    Click(t, AtColumn(0));
    EXPECT_EQ(t.view->m_nSelected, 0);
    EXPECT_EQ(t.view->m_bAutoPlay, 0);
    EXPECT_TRUE(t.surface.Take().empty());
}

}  // namespace
