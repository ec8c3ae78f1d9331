#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table_text.h"

namespace {

// One step of automatic play; what it drew.
std::vector<std::string> Step(FakeTable& t) {
    t.surface.Take();
    t.view->AutoPlay();
    return t.surface.Take();
}

// The ranks on the home cells: clubs, spades, hearts, diamonds.
std::vector<int> Homes(const CSolView& v) {
    std::vector<int> ranks;
    for (int suit = 0; suit < 4; ++suit) {
        ranks.push_back(v.m_Cards[table::kCells + suit][table::kCellRow].nRank);
    }
    return ranks;
}

TEST(AutoPlay, TwosWaitWhileAHomeCellIsEmpty) {
    FakeTable t;
    Lay(t, "2S", "AC AS AH", "2C");
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_TRUE(Step(t).empty());
    }
    EXPECT_EQ(t.view->m_nMinHome, 0);
    t.view->m_Cards[7][table::kCellRow] = Card{1, 3};
    Step(t);
    EXPECT_EQ(Homes(*t.view), (std::vector<int>{2, 2, 1, 1}));
    EXPECT_EQ(t.view->m_nTop[0], -1);
    EXPECT_EQ(t.view->m_bCellUsed[0], 0);
}

// The columns offer their top cards in order, then the reserve cells; a card
// uncovered in a tick waits for the next.
TEST(AutoPlay, FourthAceFreesLaterTwosInTheSameTickOnly) {
    FakeTable t;
    Lay(t, "- 2C", "AC AS AH", "|2S|2D AD||||2H");
    const auto log = Step(t);
    EXPECT_EQ(Homes(*t.view), (std::vector<int>{2, 1, 2, 1}));
    EXPECT_EQ(t.view->m_nTop[2], 0);
    EXPECT_EQ(t.view->m_bCellUsed[1], 0);
    ASSERT_EQ(log.size(), 3u + 3u + 2u + 14u + 4u);  // the cell cleared last, home cards redrawn
    EXPECT_EQ(log[6], "blt 2 340,0 70x96 copy");
    EXPECT_EQ(log[7], "fill 70,0-140,95 0,0,128");
    Step(t);
    EXPECT_EQ(Homes(*t.view), (std::vector<int>{2, 2, 2, 2}));
}

}  // namespace
