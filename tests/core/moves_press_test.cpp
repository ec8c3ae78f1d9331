#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "moves_table.h"

namespace {

using namespace moves_test;
using Handler = void (CSolView::*)(unsigned, int, int);

constexpr Card kKC{13, kClubs}, kKD{13, kDiamonds}, k9H{9, kHearts}, k8S{8, kSpades};
constexpr Card kAH{1, kHearts}, k8C{8, kClubs}, kQD{12, kDiamonds};
constexpr int kNone = -1, kOff = -2;  // nothing selected; and both double-clicks off

// Column 0 ends with the Nine of hearts on the King of diamonds, column 1 is
// empty, column 2 ends with the Eight of spades on the King of clubs, column 3
// holds the Ace of hearts alone; reserve cell 0 holds the Eight of clubs, cell
// 2 the Queen of diamonds; clubs and spades are home up to the Seven. `selected`
// is clicked.
void LayOutPressTable(FakeTable& t, int selected = kNone) {
    LayOut(t, {{kKD, k9H}, {}, {kKC, k8S}, {kAH}}, {k8C, {}, kQD}, {7, 7, 0, 0}, 4);
    t.view->m_DblClk = t.view->m_Rclk = selected != kOff;
    if (selected >= 0) {
        Click(t, selected);
    }
    t.surface.Take();
}

TEST(Press, SelectsMovesOrRefusesAsTheSelectionAndTargetCallFor) {
    const Handler kPress = &CSolView::OnLButtonDown, kLeft = &CSolView::OnLButtonDblClk,
                  kRight = &CSolView::OnRButtonDblClk;
    const int kCol0 = 1, kCol2 = 3, kCell0 = 151, kCell2 = 153;  // selection codes
    const Log uncoverKing = {Erase(160, 235, 203, 228), Face(kKC, 160, 110)};
    const Log emptyColumn3 = {Erase(238, 313, 185, 210), Erase(238, 313, 110, 210)};
    const Log k8CHome = {Face(k8C, 340, 0, 70, 96), Erase(0, 70, 0, 95), "frames"};
    const Log k9HToCell1 = {Face(k9H, 70, 0, 70, 96), Erase(4, 79, 203, 228), Face(kKD, 4, 110)};
    const auto then = [](Log first, const Log& rest) {
        first.insert(first.end(), rest.begin(), rest.end());
        return first;
    };
    const struct {
        const char* what;
        int selected;  // the place clicked before
        Handler action;
        int at, selectedAfter;
        Log drawn;
    } cases[] = {
        {"nothing, column", kNone, kPress, 0, kCol0, Log{"blt 500 4,128 71x96 invert"}},
        {"nothing, empty column", kNone, kPress, 1, 0, Log{}},
        {"nothing, filled cell", kNone, kPress, kCell + 0, kCell0, Log{"blt 500 0,0 71x96 invert"}},
        {"column, itself", 2, kPress, 2, 0, Log{Face(k8S, 160, 128)}},
        {"column, fitting column", 2, kPress, 0, 0, then({Face(k8S, 4, 146)}, uncoverKing)},
        {"column, empty column", 2, kPress, 1, 0, then({Face(k8S, 82, 110)}, uncoverKing)},
        {"column, filled cell", 2, kPress, kCell + 0, kCol2, Log{}},
        {"column, empty cell", 2, kPress, kCell + 1, 0,
         then({Face(k8S, 70, 0, 70, 96)}, uncoverKing)},
        {"column, home", 2, kPress, kHome + 1, 0, then({Face(k8S, 410, 0)}, uncoverKing)},
        {"cell, fitting column", kCell + 0, kPress, 0, 0,
         Log{Face(k8C, 4, 146), Erase(0, 70, 0, 95), "frames"}},
        {"cell, empty column", kCell + 0, kPress, 1, 0,
         Log{Face(k8C, 82, 110), Erase(0, 70, 0, 95), "frames"}},
        {"cell, itself", kCell + 0, kPress, kCell + 0, 0, Log{Face(k8C, 0, 0)}},
        {"cell, other filled cell", kCell + 0, kPress, kCell + 2, kCell0, Log{}},
        {"cell, home", kCell + 0, kPress, kHome + 0, 0, k8CHome},
        {"last card to a cell", 3, kPress, kCell + 1, 0,
         then({Face(kAH, 70, 0, 70, 96)}, emptyColumn3)},
        {"last card home", 3, kPress, kHome + 2, 0, then({Face(kAH, 480, 0)}, emptyColumn3)},
        {"another suit's home cell", kCell + 0, kPress, kHome + 1, kCell0, Log{}},
        {"a rank skipped on the way home", 0, kPress, kHome + 2, kCol0, Log{}},
        {"a reserve card that does not fit", kCell + 2, kPress, 0, kCell2, Log{}},
        // A left double-click sends a column's top card to the lowest free cell.
        {"left double, nothing selected", kNone, kLeft, 0, 0, k9HToCell1},
        {"left double, the column selected", 0, kLeft, 0, 0, k9HToCell1},
        {"left double, a last card", kNone, kLeft, 3, 0,
         then({Face(kAH, 70, 0, 70, 96)}, emptyColumn3)},
        {"left double, another column selected", 2, kLeft, 0, kCol2, Log{}},
        {"left double, an empty column", kNone, kLeft, 1, 0, Log{}},
        {"left double, off", kOff, kLeft, 0, 0, Log{}},
        // A right double-click sends an uncovered card home that is due there.
        {"right double, a top card", kNone, kRight, 2, 0, then({Face(k8S, 410, 0)}, uncoverKing)},
        {"right double, a reserve card", kNone, kRight, kCell + 0, 0, k8CHome},
        {"right double, a last card", kNone, kRight, 3, 0, then({Face(kAH, 480, 0)}, emptyColumn3)},
        {"right double, a card not due", kNone, kRight, 0, 0, Log{}},
        {"right double, off", kOff, kRight, 2, 0, Log{}},
        {"right double, something selected", 0, kRight, 2, kCol0, Log{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        LayOutPressTable(t, c.selected);
        const auto [x, y] = Middle(*t.view, c.at);
        ((*t.view).*c.action)(0, x, y);
        EXPECT_EQ(Steps(t.surface.Take()), c.drawn);
        EXPECT_EQ(t.view->m_nSelected, c.selectedAfter);
        EXPECT_TRUE(EachCardOnce(*t.view));
        t.window.pointer = kDropCursor;
        t.view->OnLButtonUp(0, x, y);  // the arrow again; automatic play only with no selection
        EXPECT_EQ(t.window.pointer, kArrowCursor);
        EXPECT_EQ(t.view->m_bAutoPlay, c.selectedAfter == kNothingSelected);
    }
}

// A point on an edge hits nothing: for each box, an action at the two inner
// corners draws, at the middle of each edge it draws nothing.
TEST(Press, HitBoxesEndJustInsideTheirEdges) {
    using Handler = void (CSolView::*)(unsigned, int, int);
    const struct {
        const char* what;
        Handler action;
        int left, top, right, bottom;
    } boxes[] = {
        {"column 0 down to its top card", &CSolView::OnLButtonDown, 4, 110, 74, 223},
        {"reserve cell 0", &CSolView::OnLButtonDown, 0, 0, 70, 98},
        {"the covered King's strip", &CSolView::OnRButtonDown, 4, 110, 74, 128},
        {"the king box", &CSolView::OnLButtonDblClk, 295, 35, 327, 67},
        {"column 2's top card, 75 wide", &CSolView::OnRButtonDblClk, 160, 128, 235, 223},
        {"reserve cell 0's card", &CSolView::OnRButtonDblClk, 0, 0, 70, 95},
    };
    for (const auto& c : boxes) {
        const int x = (c.left + c.right) / 2, y = (c.top + c.bottom) / 2;
        const int px[] = {c.left + 1, c.right - 1, c.left, c.right, x, x};
        const int py[] = {c.top + 1, c.bottom - 1, y, y, c.top, c.bottom};
        for (int i = 0; i < 6; ++i) {  // two inside, four on the edges
            FakeTable t;
            LayOutPressTable(t);
            ((*t.view).*c.action)(0, px[i], py[i]);
            EXPECT_EQ(!t.surface.Take().empty(), i < 2) << c.what << ", point " << i;
        }
    }
}

TEST(KingBox, DoubleClickTurnsTheKingTwiceThenShowsTheGameNumber) {
    FakeTable t;
    t.Deal(12345);
    t.view->OnLButtonDblClk(0, 311, 50);
    EXPECT_EQ(t.window.sleeps, (std::vector<int>{400, 400, 400, 400}));
    using Message = std::pair<std::string, std::string>;
    EXPECT_EQ(t.window.messages, (std::vector<Message>{{"12345", "Game Number"}}));
}

// The right button shows a covered card whole until released; a card selected
// meanwhile gets its mark again on release.
TEST(Peek, RightButtonShowsACoveredCardWholeUntilReleased) {
    FakeTable t;
    const Cards column = {{13, kClubs}, {6, kHearts}, {10, kDiamonds}, {3, kSpades}, {8, kClubs}};
    LayOut(t, {{}, {}, column}, {}, {}, 3);
    t.surface.Take();
    t.view->OnRButtonDown(0, 200, 150);  // row 2's strip
    EXPECT_EQ(t.surface.Take(), Log{Face(column[2], 160, 146)});
    Click(t, 2);
    t.view->OnRButtonUp(0, 200, 150);
    EXPECT_EQ(Log(t.surface.calls.end() - 4, t.surface.calls.end()),
              (Log{Face(column[2], 160, 146), Face(column[3], 160, 164), Face(column[4], 160, 182),
                   "blt 500 160,182 71x96 invert"}));
    t.view->OnRButtonDown(0, 200, 150);
    EXPECT_EQ(t.surface.Take().back(), "blt 500 160,182 71x96 invert")
        << "no peek with a selection";
}

}  // namespace
