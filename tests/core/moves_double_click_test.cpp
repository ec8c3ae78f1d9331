#include <gtest/gtest.h>

#include <algorithm>
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
        Log drawn;
    };
    const Case cases[] = {
        {"reserve cells 0 and 2 used", Cells{0, 2}, 1, 0, 0, 1,
         Log{Face(k4H, 70, 0, 70, 100), Erase(4, 79, 203, 228), Face(k9C, 4, 110, 75, 100)}},
        {"the last card of a column empties it down to 210", Cells{}, 1, 1, 1, 0,
         Log{Face(k6S, 0, 0, 70, 100), Erase(82, 157, 185, 210), Erase(82, 157, 110, 210)}},
        {"all cells in use", Cells{0, 1, 2, 3}, 1, -1, 0, -1, {}},
        {"the option is off", Cells{}, 0, -1, 0, -1, {}},
        {"another column is selected", Cells{}, 1, 1, 0, -1, {}},
        {"an empty column", Cells{}, 1, -1, 2, -1, {}},
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
        const Card top = t.view->m_Cards[c.clicked][std::max(t.view->m_nTop[c.clicked], 0)];
        t.surface.Take();
        const auto [x, y] = Middle(*t.view, AtColumn(c.clicked));
        t.view->OnLButtonDblClk(0, x, y);
        EXPECT_EQ(t.surface.Take(), c.drawn);
        EXPECT_EQ(t.view->m_nSelected, c.cell < 0 ? selected : 0);
        if (c.cell >= 0) {
            EXPECT_EQ(t.view->m_Cards[c.cell][20], top);
        }
        ExpectEachCardOnce(*t.view);
    }
}

// Right double-click in the middle of a place.
void RightDoubleClick(FakeTable& t, Place place) {
    const auto [x, y] = Middle(*t.view, place);
    t.view->OnRButtonDblClk(0, x, y);
}

TEST(RightDoubleClick, SendsTheNextCardOfItsSuitHome) {
    FakeTable t;
    const Card ace{1, kDiamonds}, six{6, kHearts};
    TableBuilder(t).Column(0, {{9, kClubs}, ace}).Reserve(2, six).Home(kHearts, 5).Spares(5);
    t.surface.Take();
    RightDoubleClick(t, AtColumn(0));
    EXPECT_EQ(t.surface.Take(), (Log{Face(ace, 550, 0, 75, 95), Erase(4, 79, 203, 228),
                                     Face({9, kClubs}, 4, 110, 75, 95)}));
    EXPECT_EQ(t.view->m_Cards[7][20], ace) << "the Ace of diamonds goes to home cell 3";

    RightDoubleClick(t, AtReserve(2));
    EXPECT_EQ(Steps(t.surface.Take()),
              (Log{Face(six, 480, 0, 75, 95), Erase(140, 210, 0, 95), "frames"}));
    EXPECT_EQ(t.view->m_Cards[6][20], six);
    ExpectEachCardOnce(*t.view);
}

TEST(RightDoubleClick, DoesNothingWhereNoCardIsDue) {
    FakeTable t;
    TableBuilder(t)
        .Column(0, {{2, kHearts}, {5, kSpades}})
        .Column(1, {{1, kHearts}, {4, kClubs}})
        .Home(kSpades, 3)
        .Spares(5);
    t.surface.Take();
    RightDoubleClick(t, AtColumn(0));                              // Five on a Three
    t.view->OnRButtonDblClk(0, 120, 120);                          // the covered Ace of hearts
    RightDoubleClick(t, AtColumn(2));                              // an empty column
    RightDoubleClick(t, AtReserve(0));                             // an empty cell
    t.view->OnRButtonDblClk(0, table::ColumnX(1) + 74, 150 + 18);  // right of the top card
    EXPECT_TRUE(t.surface.Take().empty());

    t.view->m_Cards[5][20] = Card{4, kSpades};  // now the Five is due
    t.view->m_Rclk = 0;
    RightDoubleClick(t, AtColumn(0));
    EXPECT_EQ(t.view->m_nTop[0], 1) << "the option is off";
    t.view->m_Rclk = 1;
    Click(t, AtColumn(1));
    RightDoubleClick(t, AtColumn(0));
    EXPECT_EQ(t.view->m_nTop[0], 1) << "something is selected";
}

}  // namespace
