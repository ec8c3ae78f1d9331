#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "moves_table.h"

namespace {

using namespace moves_test;

TEST(KingBoxDoubleClick, TurnsTheKingTwiceAndShowsOnlyTheGameNumber) {
    for (int game : {0, 12345}) {
        SCOPED_TRACE(game);
        FakeTable t;
        t.Deal(game);
        t.view->m_DblClk = 0;
        t.view->m_Show = 0;
        t.surface.Take();
        for (auto [x, y] : {std::pair{295, 50}, {327, 50}, {311, 35}, {311, 67}}) {
            t.view->OnLButtonDblClk(0, x, y);  // the edges of the box
        }
        EXPECT_TRUE(t.window.sleeps.empty());
        t.view->OnLButtonDblClk(0, 311, 50);
        EXPECT_EQ(KingsDrawn(t), (Log{kKingLeft, kKingRight, kKingLeft, kKingRight}));
        EXPECT_EQ(t.window.sleeps, (std::vector<int>{400, 400, 400, 400}));
        using Message = std::pair<std::string, std::string>;
        EXPECT_EQ(t.window.messages, (std::vector<Message>{{std::to_string(game), "Game Number"}}));
    }
}

TEST(LeftDoubleClick, SendsTheTopCardToTheLowestFreeReserveCellOrNothing) {
    constexpr Card k9C{9, kClubs}, k4H{4, kHearts}, k6S{6, kSpades};
    using Cells = std::vector<int>;
    struct Case {
        const char* what;
        Cells usedCells;
        int dblClk;
        int selected;  // column selected with a click before, or -1
        int clicked;   // column double-clicked
        int cell;      // where the card goes, or -1
        Card moved;
        Log drawn;
    };
    const Case cases[] = {
        {"reserve cells 0 and 2 used", Cells{0, 2}, 1, 0, 0, 1, k4H,
         Log{Face(k4H, 70, 0, 70, 96), Erase(4, 79, 203, 228), Face(k9C, 4, 110, 71, 96)}},
        {"nothing selected", Cells{}, 1, -1, 0, 0, k4H,
         Log{Face(k4H, 0, 0, 71, 96), Erase(4, 79, 203, 228), Face(k9C, 4, 110, 71, 96)}},
        {"the last card of a column empties it down to 210", Cells{}, 1, 1, 1, 0, k6S,
         Log{Face(k6S, 0, 0, 71, 96), Erase(82, 157, 185, 210), Erase(82, 157, 110, 210)}},
        {"all cells in use", Cells{0, 1, 2, 3}, 1, -1, 0, -1, {}, {}},
        {"the option is off", Cells{}, 0, -1, 0, -1, {}, {}},
        {"another column is selected", Cells{}, 1, 1, 0, -1, {}, {}},
        {"an empty column", Cells{}, 1, -1, 2, -1, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        TableBuilder builder(t);
        builder.Column(0, {k9C, k4H}).Column(1, {k6S});
        for (int cell : c.usedCells) {
            builder.Reserve(cell, {cell + 1, kDiamonds});
        }
        builder.Spares(3);
        t.view->m_DblClk = c.dblClk;
        if (c.selected >= 0) {
            Click(t, AtColumn(c.selected));
        }
        const int selected = t.view->m_nSelected;
        t.surface.Take();
        const auto [x, y] = Middle(*t.view, AtColumn(c.clicked));
        t.view->OnLButtonDblClk(0, x, y);
        EXPECT_EQ(t.surface.Take(), c.drawn);
        EXPECT_EQ(t.view->m_nSelected, c.cell < 0 ? selected : 0);
        if (c.cell >= 0) {
            EXPECT_EQ(t.view->m_Cards[c.cell][20], c.moved);
        }
        EXPECT_TRUE(EachCardOnce(*t.view));
    }
}

TEST(RightDoubleClick, SendsOnlyAnUncoveredCardThatIsDueHome) {
    constexpr Card k9C{9, kClubs}, kAD{1, kDiamonds}, k6H{6, kHearts}, k6S{6, kSpades};
    const Log adHome = {Face(kAD, 550, 0, 71, 96), Erase(4, 79, 203, 228),
                        Face(k9C, 4, 110, 71, 96)};
    struct Case {
        const char* what;
        int x, y;
        int rclk;
        bool selectFirst;  // column 1 selected before
        Card wentHome;
        Log drawn;
    };
    const Case cases[] = {
        {"a top card due home, whatever the other home cells hold", 39, 178, 1, false, kAD, adHome},
        {"the last pixel of the top card's 75-pixel box", 78, 178, 1, false, kAD, adHome},
        {"a reserve card due home", 175, 50, 1, false, k6H,
         Log{Face(k6H, 480, 0, 71, 96), Erase(140, 210, 0, 95), "frames"}},
        {"just right of the top card's box", 79, 178, 1, false, {}, {}},
        {"a covered card that is due", 120, 120, 1, false, {}, {}},
        {"a top card that is not due", 117, 178, 1, false, {}, {}},
        {"a column's last card, erased down to 210", 195, 160, 1, false, k6S,
         Log{Face(k6S, 410, 0, 70, 96), Erase(160, 235, 185, 210), Erase(160, 235, 110, 210)}},
        {"just right of a reserve card", 210, 50, 1, false, {}, {}},
        {"an empty reserve cell", 35, 50, 1, false, {}, {}},
        {"the option off", 39, 178, 0, false, {}, {}},
        {"something selected", 39, 178, 1, true, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        TableBuilder(t)
            .Column(0, {k9C, kAD})
            .Column(1, {{1, kClubs}, {5, kClubs}})
            .Column(2, {k6S})
            .Reserve(2, k6H)
            .Home(kHearts, 5)
            .Home(kSpades, 5)
            .Spares(3);
        t.view->m_Rclk = c.rclk;
        if (c.selectFirst) {
            Click(t, AtColumn(1));
        }
        t.surface.Take();
        t.view->OnRButtonDblClk(0, c.x, c.y);
        EXPECT_EQ(Steps(t.surface.Take()), c.drawn);
        if (c.wentHome != Card{}) {
            EXPECT_EQ(t.view->m_Cards[table::kCells + c.wentHome.nSuit][20], c.wentHome);
        }
        EXPECT_TRUE(EachCardOnce(*t.view));
    }
}

}  // namespace
