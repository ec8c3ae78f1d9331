#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "moves_table.h"

namespace {

using namespace moves_test;

TEST(PointerShape, ShowsWhetherTheColumnUnderItTakesTheSelection) {
    const Place kCol[] = {{Place::kColumn, 0}, {Place::kColumn, 1}, {Place::kColumn, 2},
                          {Place::kColumn, 3}, {Place::kColumn, 4}, {Place::kColumn, 5}};
    const Place kCell0{Place::kReserve, 0}, kCell3{Place::kReserve, 3};
    const struct {
        const char* what;
        std::optional<Place> selected;
        Place over;
        CursorHandle pointer;
    } cases[] = {
        {"nothing selected", std::nullopt, kCol[1], kArrowCursor},
        {"an empty column, though only one card would move", kCol[0], kCol[3], kEmptyCursor},
        {"a column the top card fits on", kCol[0], kCol[1], kDropCursor},
        {"a column only a run of the same colour would fit", kCol[0], kCol[2], kArrowCursor},
        {"the selected column itself", kCol[0], kCol[0], kArrowCursor},
        {"the upper row", kCol[0], kCell0, kArrowCursor},
        {"a run of two with one free place", kCol[4], kCol[2], kDropCursor},
        {"a column whose top card has the selection's colour", kCol[4], kCol[1], kArrowCursor},
        {"a run of three with one free place", kCol[4], kCol[5], kArrowCursor},
        {"a column the reserve card fits on", kCell3, kCol[0], kDropCursor},
        {"a column the reserve card does not fit on", kCell3, kCol[1], kArrowCursor},
        {"an empty column, a reserve card selected", kCell3, kCol[3], kEmptyCursor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        // Reserve cells all used, column 3 empty: one free place.
        TableBuilder(t)
            .Column(0, {{9, kHearts}, {8, kHearts}})
            .Column(1, {{9, kClubs}})
            .Column(2, {{10, kClubs}})
            .Column(4, {{10, kSpades}, {9, kDiamonds}, {8, kSpades}})
            .Column(5, {{11, kHearts}})
            .UsedCells(3)
            .Reserve(3, {7, kSpades})
            .Home(kClubs, 8)
            .Spares(6);
        if (c.selected) {
            Click(t, *c.selected);
        }
        const auto [x, y] = Middle(*t.view, c.over);
        t.view->OnMouseMove(0, x, y);
        EXPECT_EQ(t.window.pointer, c.pointer);
    }
}

// The king pictures drawn since the last look, in order.
Log KingsDrawn(FakeTable& t) {
    Log kings;
    std::ranges::copy_if(t.surface.Take(), std::back_inserter(kings), [](const std::string& call) {
        return call.starts_with("blt 1000 ") || call.starts_with("blt 2000 ");
    });
    return kings;
}
const std::string kKingLeft = "blt 1000 295,35 32x32 copy",
                  kKingRight = "blt 2000 295,35 32x32 copy";

TEST(King, TurnsWhenThePointerCrossesTheMiddleAndTwiceOnADoubleClick) {
    FakeTable t;
    t.Deal(12345);
    t.view->m_Show = 0;
    t.surface.Take();
    const std::pair<int, Log> moves[] = {
        {310, {}}, {311, {kKingRight}}, {400, {}}, {310, {kKingLeft}}};  // starts looking left
    for (const auto& [x, kings] : moves) {
        t.view->OnMouseMove(0, x, 200);
        EXPECT_EQ(KingsDrawn(t), kings) << "x = " << x;
    }
    t.view->OnLButtonDblClk(0, 311, 50);
    EXPECT_EQ(KingsDrawn(t), (Log{kKingLeft, kKingRight, kKingLeft, kKingRight}));
    EXPECT_EQ(t.window.sleeps, (std::vector<int>{400, 400, 400, 400}));
    using Message = std::pair<std::string, std::string>;
    EXPECT_EQ(t.window.messages, (std::vector<Message>{{"12345", "Game Number"}}));
}

TEST(Peek, RightButtonShowsACoveredCardWholeUntilReleased) {
    FakeTable t;
    const Cards column = {{13, kClubs}, {6, kHearts}, {10, kDiamonds}, {3, kSpades}, {8, kClubs}};
    TableBuilder(t).Column(2, column).Spares(3);
    t.surface.Take();
    t.view->OnRButtonDown(0, 200, 150);  // row 2's strip
    EXPECT_EQ(t.surface.Take(), Log{Face(column[2], 160, 146)});
    t.view->OnRButtonUp(0, 200, 150);
    const Log drawn = t.surface.Take();
    ASSERT_EQ(drawn.size(), 5u) << "the move count, then the three cards";
    EXPECT_EQ(
        Log(drawn.begin() + 2, drawn.end()),
        (Log{Face(column[2], 160, 146), Face(column[3], 160, 164), Face(column[4], 160, 182)}));
    EXPECT_EQ(t.view->m_bPeeking, 0);

    // A card selected while the button is held gets its mark again on release.
    t.view->OnRButtonDown(0, 200, 150);
    Click(t, {Place::kColumn, 2});
    t.view->OnRButtonUp(0, 200, 150);
    EXPECT_EQ(t.surface.Take().back(), "blt 500 160,182 71x96 invert");
    t.view->OnRButtonDown(0, 200, 150);
    EXPECT_TRUE(t.surface.Take().empty()) << "nothing is peeked at while something is selected";
}

}  // namespace
