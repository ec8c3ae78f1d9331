#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table_text.h"

namespace {

// The example counts 4: 7H onto 8C, QD onto KC, 5S and 8C home; not 8C onto 9H,
// as it lies on its like already, which counts once per home cell it helps.
TEST(MoveCount, CountsEachFreePlaceAndEachMoveThatHelps) {
    const char* const kExample = "KS 9D 8C|9H|KC|KH|KD|AD|AH|6C";
    const char* const kSideways = "9D 8C|9H|QC|QS|QC|QS|QC|QS";  // the Queens take nothing
    const struct {
        const char *cells, *homes, *columns;
        int count;
    } cases[] = {
        {"7H QD 5S JH", "7C 4S", kExample, 4},
        {"7H QD 5S JH", "4S", "KS 9D 8C|9H|KC|KH|KD|AD|AH|AC", 3},   // no clubs home for the AC
        {"7H QD 5S JH", "7C 4S", "KS 9D 8C|9H||KH|KD|AD|AH|6C", 4},  // an empty column, no KC
        {"7H QD 5S -", "7C 4S", kExample, 5},
        {"7H QD 5S AH", "7C 4S", kExample, 4},
        {"KC KS KH KD", "", kSideways, 0},
        {"KC KS KH KD", "8D", kSideways, 1},  // the shift frees the 9D for home
        {"KC KS KH KD", "8H", kSideways, 2},  // the 9H goes home, and the shift onto it counts
    };
    for (const auto& test : cases) {
        FakeTable t;
        Lay(t, test.cells, test.homes, test.columns);
        t.view->UpdateMoveCount();
        EXPECT_EQ(t.view->m_nMovesLeft, test.count) << test.cells << " / " << test.columns;
    }
}

// Each column offers its top card in order, then each reserve cell: the 2S is
// passed while the diamonds home is empty; a card uncovered waits a tick.
TEST(AutoPlay, FourthAceFreesLaterTwosInTheSameTickOnly) {
    FakeTable t;
    Lay(t, "- 2C", "AC AS AH", "|2S|2D AD||||2H");
    const auto step = [&t] {
        t.surface.Take();
        t.view->AutoPlay();
        std::string homes;
        for (int suit = 0; suit < 4; ++suit) {
            homes += std::to_string(t.view->m_Cards[table::kCells + suit][table::kCellRow].nRank);
        }
        return homes;
    };
    EXPECT_EQ(step(), "2121");
    EXPECT_EQ(t.view->m_nMinHome, 1);
    EXPECT_EQ(t.view->m_nTop[2], 0);
    EXPECT_EQ(t.view->m_bCellUsed[1], 0);
    const auto log = t.surface.calls;
    ASSERT_EQ(log.size(), 3u + 3u + 2u + 14u + 4u);  // the cell cleared last, home cards redrawn
    EXPECT_EQ(log[6], "blt 2 340,0 70x96 copy");
    EXPECT_EQ(log[7], "fill 70,0-140,95 0,0,128");
    EXPECT_EQ(step(), "2222");
}

}  // namespace
