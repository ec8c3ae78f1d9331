#include <gtest/gtest.h>

#include <algorithm>

#include "moves/move_choice_dlg.h"
#include "moves_table.h"

namespace {

using namespace moves_test;

constexpr Card kBase{12, kClubs}, k10H{10, kHearts}, k9H{9, kHearts}, k8S{8, kSpades};
constexpr Card k7H{7, kHearts}, k6S{6, kSpades}, k5H{5, kHearts};
const Cards kRun = {kBase, k9H, k8S, k7H, k6S, k5H};
const Cards kSix = {k10H, {9, kSpades}, {8, kHearts}, {7, kSpades}, {6, kHearts}, {5, kSpades}};
const Cards kFive = {kBase, {10, kSpades}, k9H, k8S, k7H, k6S};
const Cards kFour = {kBase, k7H, k6S, k5H};
const Cards kThree = {kBase, k9H, k8S};
const Cards kSame = {kBase, k9H, {8, kDiamonds}};
const Cards kCells = {{1, kDiamonds}, {2, kDiamonds}, {3, kDiamonds}, {4, kDiamonds}};

// The answer to the question whether the run or only its top card is meant.
enum Choice { kNotAsked, kWhole, kSingle, kCancel, kDropped };

// Column 0 holds `source`, column 1 the King of diamonds under `target` or
// nothing, `usedCells` reserve cells are used, `emptyColumns` columns after
// column 1 are empty. Column 0 is selected and column 1 pressed.
struct RunCase {
    const char* what;
    Cards source;
    Card target;
    int usedCells, emptyColumns, choice, moved;
    std::size_t steps;  // drawn, the last of them `tail`
    Log tail;
};

// A source column emptied by the last `n` cards of the Nine of hearts to the
// Five of hearts, onto the card above its lowest or into an empty column.
Cards Emptied(int n) {
    return Cards(kRun.end() - n, kRun.end());
}
Card Above(int n) {
    const Card lowest = Emptied(n)[0];
    return {lowest.nRank + 1, lowest.nSuit == kHearts ? kClubs : kDiamonds};
}

const RunCase kCases[] = {
    {"one card", kRun, Card{6, kClubs}, 0, 0, kNotAsked, 1, 3,
     Log{Face(k5H, 82, 146), Erase(4, 79, 275, 300), Face(k6S, 4, 182)}},
    {"three cards parked in the cells", kRun, Card{8, kClubs}, 0, 0, kNotAsked, 3, 10,
     Log{Face(k5H, 0, 0, 70, 95), Face(k6S, 70, 0, 70, 95), Face(k7H, 82, 146), Face(k6S, 82, 164),
         Erase(0, 70, 0, 95), Erase(70, 140, 0, 95), "frames", Face(k5H, 82, 182),
         Erase(4, 79, 239, 304), Face(k8S, 4, 146)}},
    {"five cards", kRun, Card{10, kClubs}, 0, 0, kNotAsked, 5, 16,
     Log{Face(k5H, 82, 218), Erase(4, 79, 203, 328), Face(kBase, 4, 110)}},
    {"parking skips a used cell", kFour, Card{8, kClubs}, 1, 1, kNotAsked, 3, 10,
     Log{Face(k5H, 70, 0, 70, 95), Face(k6S, 140, 0, 70, 95), Face(k7H, 82, 146),
         Face(k6S, 82, 164), Erase(70, 140, 0, 95), Erase(140, 210, 0, 95), "frames",
         Face(k5H, 82, 182), Erase(4, 79, 203, 268), Face(kBase, 4, 110)}},
    {"no free cell: parked in empty columns", kFour, Card{8, kClubs}, 4, 2, kNotAsked, 3, 10,
     Log{Face(k5H, 160, 110, 75, 95), Face(k6S, 238, 110, 75, 95), Face(k7H, 82, 146),
         Face(k6S, 82, 164), Erase(160, 235, 110, 205), Erase(238, 313, 110, 205), "frames",
         Face(k5H, 82, 182), Erase(4, 79, 203, 268), Face(kBase, 4, 110)}},
    // How many cards move: fixed by the target, limited by the free places.
    {"no free place: two stay", kThree, Card{10, kClubs}, 4, 0, kNotAsked, 0, 0, Log{}},
    {"three free places: five stay", kFive, Card{11, kHearts}, 2, 1, kNotAsked, 0, 0, Log{}},
    {"three free places: four move", kFive, Card{10, kClubs}, 2, 1, kNotAsked, 4, 13, Log{}},
    {"same colour below the top card", kSame, Card{10, kClubs}, 0, 0, kNotAsked, 0, 0, Log{}},
    {"only the top card fits", kSame, Card{9, kSpades}, 0, 0, kNotAsked, 1, 3, Log{}},
    // An emptied column is erased from the top of the columns to a depth
    // that depends on the run's length and its target.
    {"1 emptied onto", Emptied(1), Above(1), 0, 0, kNotAsked, 1, 3, Log{Erase(4, 79, 110, 210)}},
    {"2 emptied onto", Emptied(2), Above(2), 0, 0, kNotAsked, 2, 6, Log{Erase(4, 79, 110, 230)}},
    {"3 emptied onto", Emptied(3), Above(3), 0, 0, kNotAsked, 3, 9, Log{Erase(4, 79, 110, 250)}},
    {"4 emptied onto", Emptied(4), Above(4), 0, 0, kNotAsked, 4, 12, Log{Erase(4, 79, 110, 270)}},
    {"5 emptied onto", Emptied(5), Above(5), 0, 0, kNotAsked, 5, 15, Log{Erase(4, 79, 110, 310)}},
    {"2 emptied into", Emptied(2), Card{}, 0, 0, kWhole, 2, 6, Log{Erase(4, 79, 110, 270)}},
    {"3 emptied into", Emptied(3), Card{}, 0, 0, kWhole, 3, 9, Log{Erase(4, 79, 110, 270)}},
    {"4 emptied into", Emptied(4), Card{}, 0, 0, kWhole, 4, 12, Log{Erase(4, 79, 110, 270)}},
    {"5 emptied into", Emptied(5), Card{}, 0, 0, kWhole, 5, 15, Log{Erase(4, 79, 110, 310)}},
    // Into an empty column: asked only when a run could move.
    {"two through the one free cell", kThree, Card{}, 3, 0, kWhole, 2, 7,
     Log{Face(k8S, 210, 0, 70, 95), Face(k9H, 82, 110), Face(k8S, 82, 128), Erase(210, 280, 0, 95),
         "frames", Erase(4, 79, 185, 270), Face(kBase, 4, 110)}},
    {"the single card chosen", kThree, Card{}, 0, 0, kSingle, 1, 3,
     Log{Face(k8S, 82, 110), Erase(4, 79, 221, 246), Face(k9H, 4, 128)}},
    {"a single card", Cards{k8S}, Card{}, 0, 0, kNotAsked, 1, 3,
     Log{Face(k8S, 82, 110), Erase(4, 79, 185, 210), Erase(4, 79, 110, 230)}},
    {"two free places carry three of four", kFive, Card{}, 2, 0, kWhole, 3, 10,
     Log{Erase(4, 79, 221, 306), Face(k9H, 4, 146)}},
    {"six free places carry five of six", kSix, Card{}, 0, 2, kWhole, 5, 16,
     Log{Erase(4, 79, 185, 310), Face(k10H, 4, 110)}},
    {"Cancel", kThree, Card{}, 0, 0, kCancel, 0, 1, Log{Face(k8S, 4, 146)}},
    {"the selection taken away while asking", kThree, Card{}, 0, 0, kDropped, 0, 0, Log{}},
};

TEST(RunMove, ParksStacksAndErasesAsTheFreePlacesAndTheTargetAllow) {
    for (const RunCase& c : kCases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        const bool onto = c.target != Card{};
        LayOut(t, {c.source, onto ? Cards{{13, kDiamonds}, c.target} : Cards{}},
               Cards(kCells.begin(), kCells.begin() + c.usedCells), {}, 2 + c.emptyColumns);
        t.dialogs.moveChoice = [&](CMoveChoiceDlg& dlg) {  // automatic play may take the selection
            c.choice == kWhole ? dlg.OnMoveColumn() : dlg.OnMoveSingleCard();
            t.view->m_nSelected = c.choice == kDropped ? kNothingSelected : t.view->m_nSelected;
            return c.choice == kCancel ? IDCANCEL : CMoveChoiceDlg::kMoved;
        };
        Click(t, 0);
        const auto [x, y] = Middle(*t.view, 1);
        t.view->OnMouseMove(0, x, y);  // the pointer shows what a press would do
        EXPECT_EQ(t.window.pointer, !onto ? kEmptyCursor : c.moved ? kDropCursor : kArrowCursor);
        t.surface.Take();
        t.view->OnLButtonDown(0, x, y);
        const Log drawn = Steps(t.surface.Take());
        EXPECT_EQ(t.dialogs.shown["CMoveChoiceDlg"], c.choice == kNotAsked ? 0 : 1);
        EXPECT_EQ(drawn.size(), c.steps) << testing::PrintToString(drawn);
        EXPECT_EQ(Log(drawn.end() - std::min(drawn.size(), c.tail.size()), drawn.end()), c.tail);
        const int size = static_cast<int>(c.source.size()), below = onto ? 1 : -1;
        EXPECT_EQ(t.view->m_nTop[0], size - 1 - c.moved);
        EXPECT_EQ(t.view->m_nTop[1], below + c.moved);
        if (c.moved > 0) {
            EXPECT_EQ(t.view->m_Cards[1][below + 1], c.source[size - c.moved]);
        }
        EXPECT_EQ(t.view->m_nSelected, c.moved == 0 && c.choice == kNotAsked ? 1 : 0);
        EXPECT_TRUE(EachCardOnce(*t.view));
    }
}

}  // namespace
