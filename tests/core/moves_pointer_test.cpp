#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "moves_table.h"

namespace {

using namespace moves_test;

TEST(PointerShape, ShowsWhetherTheColumnUnderItTakesTheSelection) {
    struct Case {
        const char* what;
        std::optional<Place> selected;
        Place over;
        CursorHandle pointer;
    };
    const Case cases[] = {
        {"nothing selected", std::nullopt, AtColumn(1), kArrowCursor},
        {"an empty column, though only one card would move", AtColumn(0), AtColumn(3),
         kEmptyCursor},
        {"a column the top card fits on", AtColumn(0), AtColumn(1), kDropCursor},
        {"a column only a run of the same colour would fit", AtColumn(0), AtColumn(2),
         kArrowCursor},
        {"the selected column itself", AtColumn(0), AtColumn(0), kArrowCursor},
        {"the upper row", AtColumn(0), AtReserve(0), kArrowCursor},
        {"a run of two with one free place", AtColumn(4), AtColumn(2), kDropCursor},
        {"a column whose top card has the selection's colour", AtColumn(4), AtColumn(1),
         kArrowCursor},
        {"a run of three with one free place", AtColumn(4), AtColumn(5), kArrowCursor},
        {"a column the reserve card fits on", AtReserve(3), AtColumn(0), kDropCursor},
        {"a column the reserve card does not fit on", AtReserve(3), AtColumn(1), kArrowCursor},
        {"an empty column, a reserve card selected", AtReserve(3), AtColumn(3), kEmptyCursor},
    };
    for (const Case& c : cases) {
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

TEST(PointerShape, KingTurnsOnlyWhenThePointerCrossesTheMiddle) {
    FakeTable t;
    t.view->m_Show = 0;
    const std::pair<int, Log> moves[] = {
        {310, {}}, {311, {kKingRight}}, {400, {}}, {310, {kKingLeft}}};  // starts looking left
    for (const auto& [x, kings] : moves) {
        t.view->OnMouseMove(0, x, 200);
        EXPECT_EQ(KingsDrawn(t), kings) << "x = " << x;
    }
}

TEST(Peek, RightButtonShowsACoveredCardWholeUntilReleased) {
    FakeTable t;
    const std::vector<Card> column = {
        {13, kClubs}, {6, kHearts}, {10, kDiamonds}, {3, kSpades}, {8, kClubs}};
    TableBuilder(t).Column(2, column).Spares(3);
    t.surface.Take();
    t.view->OnRButtonDown(0, 200, 150);  // row 2's band: 146 < y < 164
    EXPECT_EQ(t.surface.Take(), Log{Face(column[2], 160, 146, 71, 96)});
    t.view->OnRButtonUp(0, 200, 150);
    const Log drawn = t.surface.Take();
    ASSERT_EQ(drawn.size(), 5u) << "the move count, then the three cards";
    EXPECT_EQ(Log(drawn.begin() + 2, drawn.end()),
              (Log{Face(column[2], 160, 146, 71, 96), Face(column[3], 160, 164, 71, 96),
                   Face(column[4], 160, 182, 71, 96)}));
    EXPECT_EQ(t.view->m_bPeeking, 0);

    t.view->OnRButtonDown(0, 200, 164);  // between two bands
    t.view->OnRButtonDown(0, 200, 190);  // the top card
    EXPECT_TRUE(t.surface.Take().empty());

    // A card selected while the button is held gets its mark again on release.
    t.view->OnRButtonDown(0, 200, 150);
    Click(t, AtColumn(2));
    t.view->OnRButtonUp(0, 200, 150);
    EXPECT_EQ(t.surface.Take().back(), "blt 500 160,182 71x96 invert");
    t.view->OnRButtonDown(0, 200, 150);
    EXPECT_TRUE(t.surface.Take().empty()) << "nothing is peeked at while something is selected";
}

}  // namespace
