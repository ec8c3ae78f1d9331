#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moves_table.h"

namespace {

using namespace moves_test;
using Log = std::vector<std::string>;

// The pointer over the middle of column k's top card (or of an empty column).
void MoveOverColumn(FakeTable& t, int k) {
    const int top = t.view->m_nTop[k];
    t.view->OnMouseMove(0, table::ColumnX(k) + 35, top < 0 ? 150 : table::RowY(top) + 50);
}

TEST(PointerShape, ShowsWhetherThePlaceUnderItTakesTheSelection) {
    FakeTable t;
    // Column 0: 9H 8H, so only the Eight could move. Column 1 takes it, column
    // 2 would take only the run of two; column 3 is empty; no cell is free.
    TableBuilder(t)
        .Column(0, {{9, kHearts}, {8, kHearts}})
        .Column(1, {{9, kClubs}})
        .Column(2, {{10, kClubs}})
        .Reserve(0, {1, kDiamonds})
        .Reserve(1, {2, kDiamonds})
        .Reserve(2, {3, kDiamonds})
        .Reserve(3, {7, kSpades})
        .Spares({4, 5, 6, 7});

    MoveOverColumn(t, 1);
    EXPECT_EQ(t.window.pointer, kArrowCursor) << "nothing selected";

    SelectColumn(t, 0);
    MoveOverColumn(t, 3);
    EXPECT_EQ(t.window.pointer, kEmptyCursor) << "only the Eight would move, still 226";
    MoveOverColumn(t, 1);
    EXPECT_EQ(t.window.pointer, kDropCursor);
    MoveOverColumn(t, 2);
    EXPECT_EQ(t.window.pointer, kArrowCursor);
    MoveOverColumn(t, 0);
    EXPECT_EQ(t.window.pointer, kArrowCursor) << "the selected column itself";
    t.view->OnMouseMove(0, 35, 50);
    EXPECT_EQ(t.window.pointer, kArrowCursor) << "the upper row";

    SelectColumn(t, 0);  // deselect
    SelectReserve(t, 3);
    MoveOverColumn(t, 0);
    EXPECT_EQ(t.window.pointer, kDropCursor) << "the Seven of spades fits on the Eight";
    MoveOverColumn(t, 1);
    EXPECT_EQ(t.window.pointer, kArrowCursor);
    MoveOverColumn(t, 3);
    EXPECT_EQ(t.window.pointer, kEmptyCursor);
}

TEST(PointerShape, RunOfTwoNeedsAFreePlace) {
    for (int usedCells : {3, 4}) {
        FakeTable t;
        TableBuilder builder(t);
        builder.Column(0, {{9, kHearts}, {8, kSpades}}).Column(1, {{10, kClubs}});
        builder.UsedCells(usedCells);
        builder.Spares({2, 3, 4, 5, 6, 7});
        SelectColumn(t, 0);
        MoveOverColumn(t, 1);
        EXPECT_EQ(t.window.pointer, usedCells == 3 ? kDropCursor : kArrowCursor)
            << usedCells << " cells used";
    }
}

TEST(PointerShape, KingTurnsOnlyWhenThePointerCrossesTheMiddle) {
    FakeTable t;
    t.view->m_Show = 0;
    auto kingDrawings = [&t] {
        int count = 0;
        for (const std::string& call : t.surface.Take()) {
            count += call.starts_with("blt 1000 ") || call.starts_with("blt 2000 ");
        }
        return count;
    };
    t.view->OnMouseMove(0, 310, 200);
    EXPECT_EQ(kingDrawings(), 0) << "no game yet, and already looking left";
    t.view->OnMouseMove(0, 311, 200);
    EXPECT_EQ(t.surface.calls.back(), "blt 2000 295,35 32x32 copy");
    EXPECT_EQ(kingDrawings(), 1);
    EXPECT_EQ(t.view->m_bKingTurned, 1);
    t.view->OnMouseMove(0, 400, 200);
    EXPECT_EQ(kingDrawings(), 0);
    EXPECT_EQ(t.view->m_bKingTurned, 0);
    t.view->OnMouseMove(0, 310, 200);
    EXPECT_EQ(t.surface.calls.back(), "blt 1000 295,35 32x32 copy");
    EXPECT_EQ(kingDrawings(), 1);
    EXPECT_EQ(t.view->m_bPointerRight, 0);
}

TEST(Peek, RightButtonShowsACoveredCardWholeUntilReleased) {
    FakeTable t;
    const std::vector<Card> column = {
        {13, kClubs}, {6, kHearts}, {10, kDiamonds}, {3, kSpades}, {8, kClubs}};
    TableBuilder(t).Column(2, column).Spares({4, 5, 6});
    t.surface.Take();
    t.view->OnRButtonDown(0, 200, 150);  // row 2's band: 146 < y < 164
    EXPECT_EQ(t.surface.Take(), Log{Face(column[2], 160, 146, 70, 100)});
    EXPECT_EQ(t.view->m_bPeeking, 1);
    t.view->OnRButtonUp(0, 200, 150);
    Log log = t.surface.Take();
    ASSERT_EQ(log.size(), 5u) << "the move count, then the three cards";
    EXPECT_EQ(Log(log.begin() + 2, log.end()),
              (Log{Face(column[2], 160, 146, 70, 100), Face(column[3], 160, 164, 70, 100),
                   Face(column[4], 160, 182, 70, 100)}));
    EXPECT_EQ(t.view->m_bPeeking, 0);

    t.view->OnRButtonDown(0, 200, 164);  // between two bands
    t.view->OnRButtonDown(0, 200, 190);  // the top card
    EXPECT_TRUE(t.surface.Take().empty());

    SelectColumn(t, 4);
    t.surface.Take();
    t.view->OnRButtonDown(0, 200, 150);
    EXPECT_TRUE(t.surface.Take().empty()) << "nothing is peeked at while something is selected";
    EXPECT_EQ(t.view->m_bPeeking, 0);
}

}  // namespace
