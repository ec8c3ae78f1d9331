#include <gtest/gtest.h>

#include <functional>
#include <string>

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
        .Spares({3, 4, 5, 6, 7});
}

struct PressCase {
    std::string what;
    int selected;  // selection before the press
    std::function<void(FakeTable&)> press;
    int selectedAfter;
    int column, row;  // a grid place that shows the outcome
    Card expected;
};

TEST(LeftPress, DoesWhatTheSelectionAndTargetCallFor) {
    const PressCase cases[] = {
        {"nothing, column", 0, [](FakeTable& t) { PressColumn(t, 0); }, 1, 0, 1, kNineOfHearts},
        {"nothing, empty column", 0, [](FakeTable& t) { PressColumn(t, 1); }, 0, 1, 0, Card{}},
        {"nothing, filled cell", 0, [](FakeTable& t) { PressReserve(t, 0); }, 151, 0, 20,
         kEightOfClubs},
        {"nothing, empty cell", 0, [](FakeTable& t) { PressReserve(t, 1); }, 0, 1, 20, Card{}},
        {"nothing, home", 0, [](FakeTable& t) { PressHome(t, 1); }, 0, 5, 20, Card{7, kSpades}},
        {"column, itself", kColumnCode, [](FakeTable& t) { PressColumn(t, 2); }, 0, 2, 1,
         kEightOfSpades},
        {"column, fitting column", kColumnCode, [](FakeTable& t) { PressColumn(t, 0); }, 0, 0, 2,
         kEightOfSpades},
        {"column, empty column", kColumnCode, [](FakeTable& t) { PressColumn(t, 1); }, 0, 1, 0,
         kEightOfSpades},
        {"column, filled cell", kColumnCode, [](FakeTable& t) { PressReserve(t, 0); }, kColumnCode,
         0, 20, kEightOfClubs},
        {"column, empty cell", kColumnCode, [](FakeTable& t) { PressReserve(t, 1); }, 0, 1, 20,
         kEightOfSpades},
        {"column, home", kColumnCode, [](FakeTable& t) { PressHome(t, 1); }, 0, 5, 20,
         kEightOfSpades},
        {"cell, fitting column", kCellCode, [](FakeTable& t) { PressColumn(t, 0); }, 0, 0, 2,
         kEightOfClubs},
        {"cell, empty column", kCellCode, [](FakeTable& t) { PressColumn(t, 1); }, 0, 1, 0,
         kEightOfClubs},
        {"cell, itself", kCellCode, [](FakeTable& t) { PressReserve(t, 0); }, 0, 0, 20,
         kEightOfClubs},
        {"cell, other filled cell", kCellCode, [](FakeTable& t) { PressReserve(t, 2); }, kCellCode,
         2, 20, kQueenOfDiamonds},
        {"cell, empty cell", kCellCode, [](FakeTable& t) { PressReserve(t, 1); }, kCellCode, 1, 20,
         Card{}},
        {"cell, home", kCellCode, [](FakeTable& t) { PressHome(t, 0); }, 0, 4, 20, kEightOfClubs},
    };
    for (const PressCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        LayOutPressTable(t);
        if (c.selected == kColumnCode) {
            SelectColumn(t, 2);
        } else if (c.selected == kCellCode) {
            SelectReserve(t, 0);
        }
        ASSERT_EQ(t.view->m_nSelected, c.selected);
        c.press(t);
        EXPECT_EQ(t.view->m_nSelected, c.selectedAfter);
        EXPECT_EQ(t.view->m_Cards[c.column][c.row], c.expected);
        ExpectEachCardOnce(*t.view);
    }
}

TEST(LeftPress, SelectingAndDeselectingDrawTheMarkAndThenTheCard) {
    FakeTable t;
    LayOutPressTable(t);
    t.surface.Take();
    PressColumn(t, 0);
    EXPECT_EQ(t.surface.Take(), std::vector<std::string>{Mark(4, 128)});
    EXPECT_EQ(t.view->m_bMouseDown, 0);
    t.view->OnLButtonUp(0, 0, 0);
    EXPECT_EQ(t.view->m_bAutoPlay, 0) << "a release with a selection leaves automatic play off";
    t.surface.Take();
    PressColumn(t, 0);
    EXPECT_EQ(t.surface.Take(), std::vector<std::string>{Face(kNineOfHearts, 4, 128, 75, 95)});
    EXPECT_EQ(t.view->m_nCardCode, CardCode(kNineOfHearts));
    EXPECT_EQ(t.view->m_nSelected, 0);

    PressReserve(t, 0);
    EXPECT_EQ(t.surface.Take(), std::vector<std::string>{Mark(0, 0)});
    PressReserve(t, 0);
    EXPECT_EQ(t.surface.Take(), std::vector<std::string>{Face(kEightOfClubs, 0, 0, 75, 95)});
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
    for (auto [px, py] : {std::pair{70, 50}, {140, 50}, {35, 0}, {35, 98}}) {
        t.view->m_bCellUsed[1] = t.view->m_bCellUsed[2] = t.view->m_bCellUsed[0] = 1;
        t.view->OnLButtonDown(0, px, py);
        EXPECT_EQ(t.view->m_nSelected, 0) << px << ',' << py;
    }
}

TEST(LeftPress, OverlapOfTwoHomeCellsTriesOnlyTheLeftOne) {
    FakeTable t;
    TableBuilder(t).Column(0, {{1, kSpades}}).Spares({4, 5, 6});
    SelectColumn(t, 0);
    t.view->OnLButtonDown(0, 415, 50);  // home cell 0's right edge, over home cell 1
    EXPECT_EQ(t.view->m_nSelected, 1);
    EXPECT_EQ(t.view->m_Cards[5][20], Card{});
    t.view->OnLButtonDown(0, 425, 50);
    EXPECT_EQ(t.view->m_Cards[5][20], Card(1, kSpades));
    EXPECT_EQ(t.view->m_nTop[0], -1);
    ExpectEachCardOnce(*t.view);
}

TEST(LeftRelease, WithNothingSelectedStartsAutomaticPlayAndShowsTheArrow) {
    FakeTable t;
    LayOutPressTable(t);
    t.window.pointer = kDropCursor;
    PressReserve(t, 1);  // an empty place
    t.view->OnLButtonUp(0, 0, 0);
    EXPECT_EQ(t.view->m_bAutoPlay, 1);
    EXPECT_EQ(t.view->m_bMouseDown, 0);
    EXPECT_EQ(t.window.pointer, kArrowCursor);
}

TEST(LeftPress, IgnoredWhileNoGameIsInPlay) {
    FakeTable t;
    LayOutPressTable(t);
    t.view->m_bPlaying = 0;
    t.surface.Take();
    PressColumn(t, 0);
    t.view->OnLButtonUp(0, 0, 0);
    EXPECT_EQ(t.view->m_nSelected, 0);
    EXPECT_EQ(t.view->m_bAutoPlay, 0);
    EXPECT_TRUE(t.surface.Take().empty());
}

}  // namespace
