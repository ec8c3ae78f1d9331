// The count of moves left, shown in the corner after each release.
#include <gtest/gtest.h>

#include "core/table_text.h"
#include "fakes/fake_platform.h"

namespace {

// The example counts 4: 7H onto 8C, QD onto KC, 5S and 8C home; not 8C onto 9H,
// as it lies on its like already, which counts once per home cell it helps.
TEST(MoveCount, CountsEachFreePlaceAndEachMoveThatHelps) {
    const char* const kSideways = "9D 8C|9H|QC|QS|QC|QS|QC|QS";  // the Queens take nothing
    const struct {
        const char *cells, *homes, *columns;
        int count;
    } cases[] = {
        {"7H QD 5S JH", "7C 4S", "KS 9D 8C|9H|KC|KH|KD|AD|AH|6C", 4},
        {"7H QD 5S JH", "4S", "KS 9D 8C|9H|KC|KH|KD|AD|AH|AC", 3},   // no clubs home for the AC
        {"7H QD 5S JH", "7C 4S", "KS 9D 8C|9H||KH|KD|AD|AH|6C", 4},  // an empty column, no KC
        {"7H QD 5S -", "7C 4S", "KS 9D 8C|9H|KC|KH|KD|AD|AH|6C", 5},
        {"7H QD 5S AH", "7C 4S", "KS 9D 8C|9H|KC|KH|KD|AD|AH|6C", 4},
        {"KC KS KH KD", "", kSideways, 0},
        {"KC KS KH KD", "8D", kSideways, 1},  // the shift frees the 9D for home
        {"KC KS KH KD", "8H", kSideways, 2},  // the 9H goes home, and the shift onto it counts
    };
    for (const auto& test : cases) {
        FakeTable t;
        Lay(*t.view, {.cells = test.cells, .homes = test.homes, .columns = test.columns});
        t.view->UpdateMoveCount();
        EXPECT_EQ(t.view->m_nMovesLeft, test.count) << test.cells << " / " << test.columns;
    }
}

}  // namespace
