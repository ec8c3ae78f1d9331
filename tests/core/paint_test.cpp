#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table_text.h"

namespace {

// The worked example: as laid out the count is 4 (7H onto 8C, QD onto KC, 5S
// home, 8C home; not 8C onto 9H, as it lies on 9D already, nor the red Aces).
// A top card lying on its like counts its shift sideways once per home cell
// that the shift helps: 8C on 9D fits on 9H too.
TEST(MoveCount, CountsEachFreePlaceAndEachMoveThatHelps) {
    const char* const kExample = "KS 9D 8C|9H|KC|KH|KD|AD|AH|6C";
    const char* const kSideways = "9D 8C|9H|QC|QS|QC|QS|QC|QS";  // the Queens take nothing
    const struct {
        const char *what, *cells, *homes, *columns;
        int count;
    } cases[] = {
        {"as laid out", "7H QD 5S JH", "7C 4S", kExample, 4},
        {"clubs home empty, Ace of clubs for the 6", "7H QD 5S JH", "4S",
         "KS 9D 8C|9H|KC|KH|KD|AD|AH|AC", 3},
        {"King of clubs gone: an empty column, no place for the QD", "7H QD 5S JH", "7C 4S",
         "KS 9D 8C|9H||KH|KD|AD|AH|6C", 4},
        {"the Jack of hearts' cell empty", "7H QD 5S -", "7C 4S", kExample, 5},
        {"an Ace of hearts for the Jack", "7H QD 5S AH", "7C 4S", kExample, 4},
        {"nothing goes home", "KC KS KH KD", "", kSideways, 0},
        {"the shift frees the 9D for home", "KC KS KH KD", "8D", kSideways, 1},
        {"the 9H goes home, and the shift onto it counts for it too", "KC KS KH KD", "8H",
         kSideways, 2},
    };
    for (const auto& test : cases) {
        FakeTable t;
        Lay(t, test.cells, test.homes, test.columns);
        t.view->UpdateMoveCount();
        EXPECT_EQ(t.view->m_nMovesLeft, test.count) << test.what;
    }
}

}  // namespace
