#include <gtest/gtest.h>

#include <numeric>

#include "moves/move_choice_dlg.h"

#include "moves_table.h"

namespace {

using namespace moves_test;

constexpr Card kBase{12, kClubs};
constexpr Card k9H{9, kHearts}, k8S{8, kSpades}, k7H{7, kHearts}, k6S{6, kSpades}, k5H{5, kHearts};
const std::vector<Card> kRun = {kBase, k9H, k8S, k7H, k6S, k5H};

// Column 0 holds `source`, column 1 the King of diamonds under `target`; the
// first `usedCells` reserve cells are filled and the `emptyColumns` columns
// after column 1 are empty.
struct RunTable {
    std::vector<Card> source;
    Card target;
    int usedCells = 0, emptyColumns = 0;
};

// Lays out the table, moves from column 0 onto column 1 and checks what every
// move keeps: the deck whole, the free places free again, nothing selected
// unless the move was refused. Returns what the move drew.
Log MoveColumnZeroToOne(FakeTable& t, const RunTable& r, int moved) {
    TableBuilder(t)
        .Column(0, r.source)
        .Column(1, {{13, kDiamonds}, r.target})
        .UsedCells(r.usedCells)
        .Spares(2 + r.emptyColumns);
    const Log drawn = Move(t, AtColumn(0), AtColumn(1));
    EXPECT_EQ(t.view->m_nTop[0], static_cast<int>(r.source.size()) - 1 - moved);
    EXPECT_EQ(t.view->m_nTop[1], 1 + moved);
    EXPECT_EQ(t.view->m_nSelected, moved == 0 ? 1 : 0);
    EXPECT_EQ(std::accumulate(std::begin(t.view->m_bCellUsed), std::end(t.view->m_bCellUsed), 0),
              r.usedCells);
    for (int k = 2; k < 2 + r.emptyColumns; ++k) {
        EXPECT_EQ(t.view->m_nTop[k], -1) << "column " << k;
    }
    EXPECT_TRUE(EachCardOnce(*t.view));
    return drawn;
}

TEST(RunMove, ParksStacksAndErasesCardByCard) {
    struct Case {
        const char* what;
        RunTable table;
        int moved;
        Log drawn;
    };
    const Case cases[] = {
        {"one card", RunTable{kRun, {6, kClubs}}, 1,
         Log{Face(k5H, 82, 146, 71, 96), Erase(4, 79, 275, 300), Face(k6S, 4, 182, 71, 96)}},
        {"two cards", RunTable{kRun, {7, kDiamonds}}, 2,
         Log{Face(k5H, 0, 0, 70, 95), Face(k6S, 82, 146, 71, 96), Erase(0, 70, 0, 95), "frames",
             Face(k5H, 82, 164, 71, 96), Erase(4, 79, 257, 302), Face(k7H, 4, 164, 71, 96)}},
        {"three cards", RunTable{kRun, {8, kClubs}}, 3,
         Log{Face(k5H, 0, 0, 70, 95), Face(k6S, 70, 0, 70, 95), Face(k7H, 82, 146, 71, 96),
             Face(k6S, 82, 164, 71, 96), Erase(0, 70, 0, 95), Erase(70, 140, 0, 95), "frames",
             Face(k5H, 82, 182, 71, 96), Erase(4, 79, 239, 304), Face(k8S, 4, 146, 71, 96)}},
        {"four cards", RunTable{kRun, {9, kDiamonds}}, 4,
         Log{Face(k5H, 0, 0, 70, 95), Face(k6S, 70, 0, 70, 95), Face(k7H, 140, 0, 70, 95),
             Face(k8S, 82, 146, 71, 96), Face(k7H, 82, 164, 71, 96), Face(k6S, 82, 182, 71, 96),
             Erase(0, 70, 0, 95), Erase(70, 140, 0, 95), Erase(140, 210, 0, 95), "frames",
             Face(k5H, 82, 200, 71, 96), Erase(4, 79, 221, 306), Face(k9H, 4, 128, 71, 96)}},
        {"five cards", RunTable{kRun, {10, kClubs}}, 5,
         Log{Face(k5H, 0, 0, 70, 95), Face(k6S, 70, 0, 70, 95), Face(k7H, 140, 0, 70, 95),
             Face(k8S, 210, 0, 70, 95), Face(k9H, 82, 146, 71, 96), Face(k8S, 82, 164, 71, 96),
             Face(k7H, 82, 182, 71, 96), Face(k6S, 82, 200, 71, 96), Erase(0, 70, 0, 95),
             Erase(70, 140, 0, 95), Erase(140, 210, 0, 95), Erase(210, 280, 0, 95), "frames",
             Face(k5H, 82, 218, 71, 96), Erase(4, 79, 203, 328), Face(kBase, 4, 110, 71, 96)}},
        {"a used first reserve cell: parking skips it, before any empty column",
         RunTable{{kBase, k7H, k6S, k5H}, {8, kClubs}, 1, 1}, 3,
         Log{Face(k5H, 70, 0, 70, 95), Face(k6S, 140, 0, 70, 95), Face(k7H, 82, 146, 71, 96),
             Face(k6S, 82, 164, 71, 96), Erase(70, 140, 0, 95), Erase(140, 210, 0, 95), "frames",
             Face(k5H, 82, 182, 71, 96), Erase(4, 79, 203, 268), Face(kBase, 4, 110, 71, 96)}},
        {"no free reserve cell: parking in the leftmost empty columns",
         RunTable{{kBase, k7H, k6S, k5H}, {8, kClubs}, 4, 2}, 3,
         Log{Face(k5H, 160, 110, 75, 95), Face(k6S, 238, 110, 75, 95), Face(k7H, 82, 146, 71, 96),
             Face(k6S, 82, 164, 71, 96), Erase(160, 235, 110, 205), Erase(238, 313, 110, 205),
             "frames", Face(k5H, 82, 182, 71, 96), Erase(4, 79, 203, 268),
             Face(kBase, 4, 110, 71, 96)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        EXPECT_EQ(MoveColumnZeroToOne(t, c.table, c.moved), c.drawn);
        EXPECT_EQ(t.view->m_Cards[1][2], c.table.source.end()[-c.moved]);
    }
}

TEST(RunMove, LengthIsFixedByTheTargetAndLimitedByFreePlacesAndColours) {
    const std::vector<Card> kSix = {{10, kHearts}, {9, kSpades}, {8, kHearts},
                                    {7, kSpades},  {6, kHearts}, {5, kSpades}};
    const std::vector<Card> kFive = {kBase, {10, kSpades}, k9H, k8S, k7H, k6S};
    struct Case {
        const char* what;
        RunTable table;
        int moved;
    };
    const Case cases[] = {
        {"no free place: a run of two stays", RunTable{{kBase, k9H, k8S}, {10, kClubs}, 4, 0}, 0},
        {"no free place: a single card moves", RunTable{{kBase, k9H, k8S}, {9, kDiamonds}, 4, 0},
         1},
        {"one free place: a run of three stays",
         RunTable{{kBase, k9H, k8S, k7H}, {10, kClubs}, 3, 0}, 0},
        {"three free places: a run of five stays", RunTable{kFive, {11, kHearts}, 2, 1}, 0},
        {"three free places: a run of four moves", RunTable{kFive, {10, kClubs}, 2, 1}, 4},
        {"seven free places: a run of six stays whole", RunTable{kSix, {11, kSpades}, 0, 3}, 0},
        {"seven free places: a run of five moves", RunTable{kSix, {10, kDiamonds}, 0, 3}, 5},
        {"same colour under the top card: no run",
         RunTable{{kBase, k9H, {8, kDiamonds}}, {10, kClubs}}, 0},
        {"a top card of the target's colour", RunTable{{kBase, {8, kHearts}}, {9, kDiamonds}}, 0},
        {"same colour under the top card: it moves alone",
         RunTable{{kBase, k9H, {8, kDiamonds}}, {9, kSpades}}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        const Log drawn = MoveColumnZeroToOne(t, c.table, c.moved);
        EXPECT_EQ(drawn.empty(), c.moved == 0);
    }
}

// A run that was the whole column leaves it erased from the top of the
// columns down to a depth that depends on the run's length and its target.
TEST(RunMove, AnEmptiedColumnIsErasedDownToItsDepth) {
    const Card run[] = {k9H, k8S, k7H, k6S, k5H};
    const struct {
        int length;
        bool intoEmptyColumn;
        int bottom;
    } cases[] = {{1, false, 210}, {2, false, 230}, {3, false, 250},
                 {4, false, 270}, {5, false, 310}, {2, true, 270},
                 {3, true, 270},  {4, true, 270},  {5, true, 310}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.length << (c.intoEmptyColumn ? " into" : " onto"));
        FakeTable t;
        const std::vector<Card> source(std::end(run) - c.length, std::end(run));
        const Card target{source[0].nRank + 1, source[0].nSuit == kHearts ? kClubs : kDiamonds};
        TableBuilder(t)
            .Column(0, source)
            .Column(1, c.intoEmptyColumn ? std::vector<Card>{} : std::vector<Card>{target})
            .Spares(2);
        t.dialogs.moveChoice = [](CMoveChoiceDlg& dlg) {
            dlg.OnMoveColumn();
            return CMoveChoiceDlg::kMoved;
        };
        EXPECT_EQ(Move(t, AtColumn(0), AtColumn(1)).back(), Erase(4, 79, 110, c.bottom));
        EXPECT_EQ(t.view->m_nTop[0], -1);
        EXPECT_TRUE(EachCardOnce(*t.view));
    }
}

}  // namespace
