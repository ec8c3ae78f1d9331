#include <gtest/gtest.h>

#include "moves_table.h"

namespace {

using namespace moves_test;

constexpr Card kKC{13, kClubs}, kKD{13, kDiamonds}, k9H{9, kHearts}, k8S{8, kSpades};
constexpr Card kAH{1, kHearts}, k7S{7, kSpades}, k8C{8, kClubs}, kQD{12, kDiamonds};
constexpr int kCol0 = 1, kCol2 = 3, kCol3 = 4, kCell0 = 151, kCell2 = 153;  // selection codes
constexpr Place kColumn[] = {
    {Place::kColumn, 0}, {Place::kColumn, 1}, {Place::kColumn, 2}, {Place::kColumn, 3}};
constexpr Place kCell[] = {{Place::kReserve, 0}, {Place::kReserve, 1}, {Place::kReserve, 2}};
constexpr Place kHome[] = {{Place::kHome, 0}, {Place::kHome, 1}, {Place::kHome, 2}};

// Column 0 ends with the Nine of hearts on the King of diamonds, column 1 is
// empty, column 2 ends with the Eight of spades on the King of clubs, column 3
// holds the Ace of hearts alone; reserve cell 0 holds the Eight of clubs, cell
// 2 the Queen of diamonds; clubs and spades are home up to the Seven.
void LayOut(FakeTable& t) {
    TableBuilder(t)
        .Column(0, {kKD, k9H})
        .Column(2, {kKC, k8S})
        .Column(3, {kAH})
        .Reserve(0, k8C)
        .Reserve(2, kQD)
        .Home(kClubs, 7)
        .Home(kSpades, 7)
        .Spares(4);
    t.view->m_DblClk = t.view->m_Rclk = 1;
}

enum Action { kPress, kLeftDouble, kRightDouble, kLeftDoubleOff, kRightDoubleOff };

TEST(Press, SelectsMovesOrRefusesAsTheSelectionAndTargetCallFor) {
    const Log uncoverKing = {Erase(160, 235, 203, 228), Face(kKC, 160, 110)};
    const Log emptyColumn3 = {Erase(238, 313, 185, 210), Erase(238, 313, 110, 210)};
    const auto then = [](Log first, const Log& rest) {
        first.insert(first.end(), rest.begin(), rest.end());
        return first;
    };
    const struct {
        const char* what;
        int selected;  // selection code before
        Action action;
        Place at;
        int selectedAfter;
        int column, row;  // a grid place that shows the outcome
        Card expected;
        Log drawn;
    } cases[] = {
        {"nothing, column",
         0,
         kPress,
         kColumn[0],
         kCol0,
         0,
         1,
         k9H,
         {"blt 500 4,128 71x96 invert"}},
        {"nothing, empty column", 0, kPress, kColumn[1], 0, 1, 0, {}, {}},
        {"nothing, filled cell",
         0,
         kPress,
         kCell[0],
         kCell0,
         0,
         20,
         k8C,
         {"blt 500 0,0 71x96 invert"}},
        {"nothing, empty cell", 0, kPress, kCell[1], 0, 1, 20, {}, {}},
        {"nothing, home", 0, kPress, kHome[1], 0, 5, 20, k7S, {}},
        {"column, itself", kCol2, kPress, kColumn[2], 0, 2, 1, k8S, {Face(k8S, 160, 128)}},
        {"column, fitting column", kCol2, kPress, kColumn[0], 0, 0, 2, k8S,
         then({Face(k8S, 4, 146)}, uncoverKing)},
        {"column, empty column", kCol2, kPress, kColumn[1], 0, 1, 0, k8S,
         then({Face(k8S, 82, 110)}, uncoverKing)},
        {"column, filled cell", kCol2, kPress, kCell[0], kCol2, 0, 20, k8C, {}},
        {"column, empty cell", kCol2, kPress, kCell[1], 0, 1, 20, k8S,
         then({Face(k8S, 70, 0, 70, 96)}, uncoverKing)},
        {"column, home", kCol2, kPress, kHome[1], 0, 5, 20, k8S,
         then({Face(k8S, 410, 0)}, uncoverKing)},
        {"cell, fitting column",
         kCell0,
         kPress,
         kColumn[0],
         0,
         0,
         2,
         k8C,
         {Face(k8C, 4, 146), Erase(0, 70, 0, 95), "frames"}},
        {"cell, empty column",
         kCell0,
         kPress,
         kColumn[1],
         0,
         1,
         0,
         k8C,
         {Face(k8C, 82, 110), Erase(0, 70, 0, 95), "frames"}},
        {"cell, itself", kCell0, kPress, kCell[0], 0, 0, 20, k8C, {Face(k8C, 0, 0)}},
        {"cell, other filled cell", kCell0, kPress, kCell[2], kCell0, 2, 20, kQD, {}},
        {"cell, empty cell", kCell0, kPress, kCell[1], kCell0, 1, 20, {}, {}},
        {"cell, home",
         kCell0,
         kPress,
         kHome[0],
         0,
         4,
         20,
         k8C,
         {Face(k8C, 340, 0, 70, 96), Erase(0, 70, 0, 95), "frames"}},
        {"a column's last card to a cell", kCol3, kPress, kCell[1], 0, 1, 20, kAH,
         then({Face(kAH, 70, 0, 70, 96)}, emptyColumn3)},
        {"a column's last card home", kCol3, kPress, kHome[2], 0, 6, 20, kAH,
         then({Face(kAH, 480, 0)}, emptyColumn3)},
        {"another suit's home cell, though the rank fits",
         kCell0,
         kPress,
         kHome[1],
         kCell0,
         5,
         20,
         k7S,
         {}},
        {"a rank skipped on the way home", kCol0, kPress, kHome[2], kCol0, 6, 20, {}, {}},
        {"a reserve card that does not fit", kCell2, kPress, kColumn[0], kCell2, 0, 2, {}, {}},
        // A left double-click sends a column's top card to the lowest free cell.
        {"left double, nothing selected",
         0,
         kLeftDouble,
         kColumn[0],
         0,
         1,
         20,
         k9H,
         {Face(k9H, 70, 0, 70, 96), Erase(4, 79, 203, 228), Face(kKD, 4, 110)}},
        {"left double, the column selected",
         kCol0,
         kLeftDouble,
         kColumn[0],
         0,
         1,
         20,
         k9H,
         {Face(k9H, 70, 0, 70, 96), Erase(4, 79, 203, 228), Face(kKD, 4, 110)}},
        {"left double, a column's last card", 0, kLeftDouble, kColumn[3], 0, 1, 20, kAH,
         then({Face(kAH, 70, 0, 70, 96)}, emptyColumn3)},
        {"left double, another column selected",
         kCol2,
         kLeftDouble,
         kColumn[0],
         kCol2,
         0,
         1,
         k9H,
         {}},
        {"left double, an empty column", 0, kLeftDouble, kColumn[1], 0, 1, 20, {}, {}},
        {"left double, the option off", 0, kLeftDoubleOff, kColumn[0], 0, 0, 1, k9H, {}},
        // A right double-click sends an uncovered card home that is due there.
        {"right double, a top card", 0, kRightDouble, kColumn[2], 0, 5, 20, k8S,
         then({Face(k8S, 410, 0)}, uncoverKing)},
        {"right double, a reserve card",
         0,
         kRightDouble,
         kCell[0],
         0,
         4,
         20,
         k8C,
         {Face(k8C, 340, 0, 70, 96), Erase(0, 70, 0, 95), "frames"}},
        {"right double, a column's last card", 0, kRightDouble, kColumn[3], 0, 6, 20, kAH,
         then({Face(kAH, 480, 0)}, emptyColumn3)},
        {"right double, a card not due", 0, kRightDouble, kColumn[0], 0, 0, 1, k9H, {}},
        {"right double, an empty cell", 0, kRightDouble, kCell[1], 0, 1, 20, {}, {}},
        {"right double, the option off", 0, kRightDoubleOff, kColumn[2], 0, 2, 1, k8S, {}},
        {"right double, something selected", kCol0, kRightDouble, kColumn[2], kCol0, 2, 1, k8S, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        LayOut(t);
        if (c.selected != kNothingSelected) {
            Click(t, c.selected < kFirstReserveSelection
                         ? Place{Place::kColumn, c.selected - 1}
                         : Place{Place::kReserve, c.selected - kFirstReserveSelection});
        }
        t.view->m_DblClk = c.action != kLeftDoubleOff;
        t.view->m_Rclk = c.action != kRightDoubleOff;
        t.surface.Take();
        const auto [x, y] = Middle(*t.view, c.at);
        if (c.action == kPress) {
            t.view->OnLButtonDown(0, x, y);
        } else if (c.action == kLeftDouble || c.action == kLeftDoubleOff) {
            t.view->OnLButtonDblClk(0, x, y);
        } else {
            t.view->OnRButtonDblClk(0, x, y);
        }
        EXPECT_EQ(Steps(t.surface.Take()), c.drawn);
        EXPECT_EQ(t.view->m_nSelected, c.selectedAfter);
        EXPECT_EQ(t.view->m_Cards[c.column][c.row], c.expected);
        EXPECT_TRUE(EachCardOnce(*t.view));
    }
}

// Every edge is outside: a point on it hits nothing. Each row says whether an
// action at a point, with nothing selected, draws anything.
TEST(Press, HitBoxesEndJustInsideTheirEdges) {
    enum HitAction { kLeftDown, kRightDown, kLeftDbl, kRightDbl };
    const struct {
        HitAction action;
        int x, y;
        bool hits;
    } cases[] = {
        // Column 0's press box, down to the bottom of its top card.
        {kLeftDown, 5, 222, true},
        {kLeftDown, 73, 111, true},
        {kLeftDown, 4, 150, false},
        {kLeftDown, 74, 150, false},
        {kLeftDown, 30, 110, false},
        {kLeftDown, 30, 223, false},
        // Reserve cell 0's press box.
        {kLeftDown, 1, 97, true},
        {kLeftDown, 69, 1, true},
        {kLeftDown, 0, 50, false},
        {kLeftDown, 70, 50, false},
        {kLeftDown, 35, 0, false},
        {kLeftDown, 35, 98, false},
        // The covered King of diamonds' visible strip.
        {kRightDown, 5, 127, true},
        {kRightDown, 73, 111, true},
        {kRightDown, 4, 120, false},
        {kRightDown, 74, 120, false},
        {kRightDown, 40, 110, false},
        {kRightDown, 40, 128, false},
        // The king box.
        {kLeftDbl, 296, 66, true},
        {kLeftDbl, 326, 36, true},
        {kLeftDbl, 295, 50, false},
        {kLeftDbl, 327, 50, false},
        {kLeftDbl, 311, 35, false},
        {kLeftDbl, 311, 67, false},
        // Column 2's top card, 75 pixels wide, and not the covered card.
        {kRightDbl, 161, 222, true},
        {kRightDbl, 234, 129, true},
        {kRightDbl, 160, 178, false},
        {kRightDbl, 235, 178, false},
        {kRightDbl, 200, 120, false},
        {kRightDbl, 200, 223, false},
        // Reserve cell 0's card.
        {kRightDbl, 1, 94, true},
        {kRightDbl, 69, 1, true},
        {kRightDbl, 0, 50, false},
        {kRightDbl, 70, 50, false},
        {kRightDbl, 35, 0, false},
        {kRightDbl, 35, 95, false},
    };
    for (const auto& c : cases) {
        FakeTable t;
        LayOut(t);
        t.surface.Take();
        void (CSolView::*const handler[])(unsigned, int, int) = {
            &CSolView::OnLButtonDown, &CSolView::OnRButtonDown, &CSolView::OnLButtonDblClk,
            &CSolView::OnRButtonDblClk};
        ((*t.view).*handler[c.action])(0, c.x, c.y);
        EXPECT_EQ(!t.surface.Take().empty(), c.hits) << c.action << " at " << c.x << ',' << c.y;
    }
}

TEST(SingleCardMove, FullColumnTakesNoMoreCards) {
    FakeTable t;
    Cards tall;  // clubs King to Ace, then hearts Eight to Two
    for (int i = 0; i < 20; ++i) {
        tall.push_back(i < 13 ? Card{13 - i, kClubs} : Card{21 - i, kHearts});
    }
    TableBuilder(t).Column(0, tall).Reserve(0, {1, kSpades}).Spares(1);
    EXPECT_TRUE(Move(t, kCell[0], kColumn[0]).empty()) << "row 20 is the cell row";
    EXPECT_EQ(t.view->m_nTop[0], 19);
}

TEST(LeftRelease, StartsAutomaticPlayOnlyWithNothingSelectedAndShowsTheArrow) {
    FakeTable t;
    LayOut(t);
    Press(t, kColumn[0]);
    EXPECT_EQ(t.view->m_bMouseDown, 0) << "selecting uses the press up";
    t.window.pointer = kDropCursor;
    t.view->OnLButtonUp(0, 0, 0);
    EXPECT_EQ(t.view->m_bAutoPlay, 0);
    EXPECT_EQ(t.window.pointer, kArrowCursor);
    Click(t, kColumn[0]);  // deselects
    EXPECT_EQ(t.view->m_bAutoPlay, 1);
}

}  // namespace
