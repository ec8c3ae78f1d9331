#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moves_table.h"

namespace {

using namespace moves_test;
using Log = std::vector<std::string>;

TEST(KingBoxDoubleClick, TurnsTheKingTwiceAndShowsTheGameNumber) {
    for (int game : {0, 12345}) {
        SCOPED_TRACE(game);
        FakeTable t;
        if (game == 0) {
            TableBuilder(t).Spares({0, 1, 2});
        } else {
            t.Deal(game);
        }
        t.view->m_DblClk = 0;
        t.view->m_Show = 0;
        t.surface.Take();
        t.view->OnLButtonDblClk(0, 311, 50);
        std::vector<std::string> kings;
        for (const std::string& call : t.surface.Take()) {
            if (call.starts_with("blt ")) {
                kings.push_back(call);
            }
        }
        EXPECT_EQ(kings, (Log{"blt 1000 295,35 32x32 copy", "blt 2000 295,35 32x32 copy",
                              "blt 1000 295,35 32x32 copy", "blt 2000 295,35 32x32 copy"}));
        EXPECT_EQ(t.window.sleeps, (std::vector<int>{400, 400, 400, 400}));
        ASSERT_EQ(t.window.messages.size(), 1u);
        EXPECT_EQ(t.window.messages[0].first, std::to_string(game));
        EXPECT_EQ(t.window.messages[0].second, "Game Number");
        EXPECT_EQ(t.view->m_bPointerRight, 1);
        ExpectEachCardOnce(*t.view);
    }
}

TEST(KingBoxDoubleClick, EdgesOfTheBoxDoNothing) {
    FakeTable t;
    TableBuilder(t).Spares({0, 1, 2});
    for (auto [x, y] : {std::pair{295, 50}, {327, 50}, {311, 35}, {311, 67}}) {
        t.view->OnLButtonDblClk(0, x, y);
    }
    EXPECT_TRUE(t.window.sleeps.empty());
    EXPECT_TRUE(t.window.messages.empty());
}

TEST(LeftDoubleClick, SendsTheTopCardToTheLowestEmptyReserveCell) {
    FakeTable t;
    const Card under{9, kClubs}, top{4, kHearts};
    TableBuilder(t)
        .Column(3, {under, top})
        .Reserve(0, {1, kDiamonds})
        .Reserve(2, {2, kDiamonds})
        .Spares({5, 6, 7});
    t.view->OnLButtonDown(0, 270, 180);
    t.view->OnLButtonUp(0, 270, 180);
    t.surface.Take();
    t.view->OnLButtonDblClk(0, 270, 180);
    EXPECT_EQ(t.surface.Take(), (Log{Face(top, 70, 0, 70, 100), Erase(238, 313, 203, 228),
                                     Face(under, 238, 110, 75, 100)}));
    EXPECT_EQ(t.view->m_Cards[1][20], top);
    EXPECT_EQ(t.view->m_bCellUsed[1], 1);
    EXPECT_EQ(t.view->m_nSelected, 0);
    ExpectEachCardOnce(*t.view);
}

TEST(LeftDoubleClick, LastCardOfAColumnEmptiesItDownTo210) {
    FakeTable t;
    const Card card{6, kSpades};
    TableBuilder(t).Column(0, {card}).Spares({5, 6, 7});
    t.view->OnLButtonDown(0, 40, 150);
    t.surface.Take();
    t.view->OnLButtonDblClk(0, 40, 150);
    EXPECT_EQ(t.surface.Take(),
              (Log{Face(card, 0, 0, 70, 100), Erase(4, 79, 185, 210), Erase(4, 79, 110, 210)}));
    EXPECT_EQ(t.view->m_nTop[0], -1);
    ExpectEachCardOnce(*t.view);
}

TEST(LeftDoubleClick, MovesNothingWhenItCannot) {
    struct Case {
        std::string what;
        int usedCells;
        int dblClk;
        int selectedColumn;  // -1: none selected before the double-click
        int clickedColumn;
    };
    const Case cases[] = {
        {"all cells in use", 4, 1, -1, 0},
        {"the option is off", 0, 0, -1, 0},
        {"another column is selected", 0, 1, 1, 0},
        {"an empty column", 0, 1, -1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        TableBuilder builder(t);
        builder.Column(0, {{6, kSpades}}).Column(1, {{7, kSpades}});
        builder.UsedCells(c.usedCells);
        builder.Spares({5, 6, 7});
        t.view->m_DblClk = c.dblClk;
        if (c.selectedColumn >= 0) {
            SelectColumn(t, c.selectedColumn);
        }
        const int selected = t.view->m_nSelected;
        t.surface.Take();
        t.view->OnLButtonDblClk(0, table::ColumnX(c.clickedColumn) + 35, 150);
        EXPECT_TRUE(t.surface.Take().empty());
        EXPECT_EQ(t.view->m_nTop[0], 0);
        EXPECT_EQ(t.view->m_nSelected, selected);
    }
}

// Right double-click at the middle of column k's top card.
void RightDoubleClickColumn(FakeTable& t, int k) {
    t.view->OnRButtonDblClk(0, table::ColumnX(k) + 35, table::RowY(t.view->m_nTop[k]) + 50);
}

TEST(RightDoubleClick, SendsTheNextCardOfItsSuitHome) {
    FakeTable t;
    const Card ace{1, kDiamonds}, six{6, kHearts};
    TableBuilder(t)
        .Column(0, {{9, kClubs}, ace})
        .Reserve(2, six)
        .Home(kHearts, 5)
        .Spares({5, 6, 7});
    t.surface.Take();
    RightDoubleClickColumn(t, 0);
    EXPECT_EQ(t.surface.Take(), (Log{Face(ace, 550, 0, 75, 95), Erase(4, 79, 203, 228),
                                     Face({9, kClubs}, 4, 110, 75, 95)}));
    EXPECT_EQ(t.view->m_Cards[7][20], ace);

    t.view->OnRButtonDblClk(0, 175, 50);
    EXPECT_EQ(Steps(t.surface.Take()),
              (Log{Face(six, 480, 0, 75, 95), Erase(140, 210, 0, 95), "frames"}));
    EXPECT_EQ(t.view->m_Cards[6][20], six);
    EXPECT_EQ(t.view->m_bCellUsed[2], 0);
    ExpectEachCardOnce(*t.view);
}

TEST(RightDoubleClick, DoesNothingWhereNoCardIsDue) {
    FakeTable t;
    TableBuilder(t)
        .Column(0, {{2, kHearts}, {5, kSpades}})
        .Column(1, {{1, kHearts}, {4, kClubs}})
        .Home(kSpades, 3)
        .Spares({5, 6, 7});
    t.surface.Take();
    RightDoubleClickColumn(t, 0);                                  // Five on a Three
    t.view->OnRButtonDblClk(0, 120, 120);                          // the covered Ace of hearts
    t.view->OnRButtonDblClk(0, table::ColumnX(2) + 35, 150);       // an empty column
    t.view->OnRButtonDblClk(0, 35, 50);                            // an empty cell
    t.view->OnRButtonDblClk(0, table::ColumnX(1) + 74, 150 + 18);  // right of the top card
    EXPECT_TRUE(t.surface.Take().empty());
    EXPECT_EQ(t.view->m_nTop[0], 1);
    EXPECT_EQ(t.view->m_nTop[1], 1);

    t.view->m_Rclk = 0;
    t.view->m_Cards[5][20] = Card{4, kSpades};
    RightDoubleClickColumn(t, 0);
    EXPECT_EQ(t.view->m_nTop[0], 1) << "the option is off";
    t.view->m_Rclk = 1;
    SelectColumn(t, 1);
    RightDoubleClickColumn(t, 0);
    EXPECT_EQ(t.view->m_nTop[0], 1) << "something is selected";
}

}  // namespace
