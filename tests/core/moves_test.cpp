// What each press and double-click moves, draws and erases; how runs park.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/table_text.h"
#include "fakes/fake_platform.h"
#include "solver/table_spots.h"

namespace {

using Log = std::vector<std::string>;
using Pile = std::vector<Card>;
enum Suit { kClubs, kSpades, kHearts, kDiamonds };

// The middle of a place: column k's top card (or the empty column), reserve
// cell kCell + j or home cell kHome + j.
constexpr int kCell = 10, kHome = 20;
solver::Spot Middle(const CSolView& view, int place) {
    return place >= kHome   ? solver::HomeSpot(place - kHome)
           : place >= kCell ? solver::ReserveSpot(place - kCell)
                            : solver::ColumnSpot(view, place);
}

// Selects the place, or deselects it.
void Click(FakeTable& t, int place) {
    const auto [x, y] = Middle(*t.view, place);
    t.view->OnLButtonDown(0, x, y);
    t.view->OnLButtonUp(0, x, y);
}

// The log with cell-frame lines and the upper-row cards drawn over them as "frames".
Log Steps(const Log& calls) {
    Log steps;
    for (const std::string& call : calls) {
        const bool folded = (call.starts_with("line ") && call.ends_with(" notcopy")) ||
                            (!steps.empty() && steps.back() == "frames" &&
                             call.starts_with("blt ") && call.find(",0 ") != std::string::npos);
        if (!folded) {
            steps.push_back(call);
        } else if (steps.empty() || steps.back() != "frames") {
            steps.push_back("frames");
        }
    }
    return steps;
}

std::string Face(const Card& card, int x, int y, int cx = 71, int cy = 96) {
    return Text("blt %d %d,%d %dx%d copy", CardCode(card), x, y, cx, cy);
}

std::string Erase(int left, int right, int top, int bottom) {
    return Text("fill %d,%d-%d,%d 0,0,128", left, top, right, bottom);
}

constexpr Card kBase{12, kClubs}, k10H{10, kHearts}, k9H{9, kHearts}, k8S{8, kSpades};
constexpr Card k7H{7, kHearts}, k6S{6, kSpades}, k5H{5, kHearts};
const Pile kRun = {kBase, k9H, k8S, k7H, k6S, k5H};
const Pile kSix = {k10H, {9, kSpades}, {8, kHearts}, {7, kSpades}, {6, kHearts}, {5, kSpades}};
const Pile kFive = {kBase, {10, kSpades}, k9H, k8S, k7H, k6S};
const Pile kFour = {kBase, k7H, k6S, k5H};
const Pile kThree = {kBase, k9H, k8S};
const Pile kSame = {kBase, k9H, {8, kDiamonds}};
const Pile kCells = {{1, kDiamonds}, {2, kDiamonds}, {3, kDiamonds}, {4, kDiamonds}};

// The answer to the question whether the run or only its top card is meant.
enum Choice { kNotAsked, kWhole, kSingle, kCancel, kDropped };

// Column 0 holds `source`, column 1 `target` on the King of diamonds, or nothing;
// `usedCells` cells used, `emptyColumns` more empty. Column 0 moves onto 1.
struct RunCase {
    std::string what;
    Pile source;
    Card target = {};
    int usedCells = 0, emptyColumns = 0, choice = kNotAsked, moved = 0;
    std::size_t steps = 0;  // drawn, the last of them `tail`
    Log tail = {};
};

// A column of the last `n` cards of the run, and the card they fit on.
Pile Emptied(int n) {
    return Pile(kRun.end() - n, kRun.end());
}
Card Above(int n) {
    const Card lowest = Emptied(n)[0];
    return {lowest.nRank + 1, lowest.nSuit == kHearts ? kClubs : kDiamonds};
}
// The `n` cards emptying column 0 onto `target`, or as a whole into the empty
// column, which erases column 0 down to y = `bottom`.
RunCase Emptied(int n, Card target, int bottom) {
    return {.what = std::to_string(n) + (target == Card{} ? " emptied into" : " emptied onto"),
            .source = Emptied(n),
            .target = target,
            .choice = target == Card{} ? kWhole : kNotAsked,
            .moved = n,
            .steps = 3u * static_cast<std::size_t>(n),
            .tail = {Erase(4, 79, 110, bottom)}};
}

// clang-format off
const RunCase kCases[] = {
    {.what = "one card", .source = kRun, .target = {6, kClubs}, .moved = 1, .steps = 3,
     .tail = {Face(k5H, 82, 146), Erase(4, 79, 275, 300), Face(k6S, 4, 182)}},
    {.what = "three cards parked in the cells", .source = kRun, .target = {8, kClubs}, .moved = 3,
     .steps = 10, .tail = {Face(k5H, 0, 0, 70, 95), Face(k6S, 70, 0, 70, 95), Face(k7H, 82, 146),
     Face(k6S, 82, 164), Erase(0, 70, 0, 95), Erase(70, 140, 0, 95), "frames", Face(k5H, 82, 182),
     Erase(4, 79, 239, 304), Face(k8S, 4, 146)}},
    {.what = "parking skips a used cell", .source = kFour, .target = {8, kClubs}, .usedCells = 1,
     .emptyColumns = 1, .moved = 3, .steps = 10, .tail = {Face(k5H, 70, 0, 70, 95),
     Face(k6S, 140, 0, 70, 95), Face(k7H, 82, 146), Face(k6S, 82, 164), Erase(70, 140, 0, 95),
     Erase(140, 210, 0, 95), "frames", Face(k5H, 82, 182), Erase(4, 79, 203, 268),
     Face(kBase, 4, 110)}},
    {.what = "no free cell: parked in empty columns", .source = kFour, .target = {8, kClubs},
     .usedCells = 4, .emptyColumns = 2, .moved = 3, .steps = 10,
     .tail = {Face(k5H, 160, 110, 75, 95), Face(k6S, 238, 110, 75, 95), Face(k7H, 82, 146),
     Face(k6S, 82, 164), Erase(160, 235, 110, 205), Erase(238, 313, 110, 205), "frames",
     Face(k5H, 82, 182), Erase(4, 79, 203, 268), Face(kBase, 4, 110)}},
    // How many cards move: fixed by the target, limited by the free places.
    {.what = "three free places: four move", .source = kFive, .target = {10, kClubs},
     .usedCells = 2, .emptyColumns = 1, .moved = 4, .steps = 13},
    {.what = "no free place for four", .source = kFive, .target = {10, kClubs}, .usedCells = 4},
    {.what = "same colour below the top card", .source = kSame, .target = {10, kClubs}},
    // How far an emptied column is erased: by the run's length and its target.
    Emptied(1, Above(1), 210), Emptied(2, Above(2), 230), Emptied(3, Above(3), 250),
    Emptied(4, Above(4), 270), Emptied(5, Above(5), 310),
    Emptied(2, {}, 270), Emptied(3, {}, 270), Emptied(4, {}, 270), Emptied(5, {}, 310),
    // Into an empty column: asked only when a run could move.
    {.what = "two through the one free cell", .source = kThree, .usedCells = 3, .choice = kWhole,
     .moved = 2, .steps = 7, .tail = {Face(k8S, 210, 0, 70, 95), Face(k9H, 82, 110),
     Face(k8S, 82, 128), Erase(210, 280, 0, 95), "frames", Erase(4, 79, 185, 270),
     Face(kBase, 4, 110)}},
    {.what = "the single card chosen", .source = kThree, .choice = kSingle, .moved = 1, .steps = 3,
     .tail = {Face(k8S, 82, 110), Erase(4, 79, 221, 246), Face(k9H, 4, 128)}},
    {.what = "a single card", .source = Pile{k8S}, .moved = 1, .steps = 3,
     .tail = {Face(k8S, 82, 110), Erase(4, 79, 185, 210), Erase(4, 79, 110, 230)}},
    {.what = "six free places carry five of six", .source = kSix, .emptyColumns = 2,
     .choice = kWhole, .moved = 5, .steps = 16,
     .tail = {Erase(4, 79, 185, 310), Face(k10H, 4, 110)}},
    {.what = "Cancel", .source = kThree, .choice = kCancel, .steps = 1,
     .tail = {Face(k8S, 4, 146)}},
    {.what = "the selection taken away while asking", .source = kThree, .choice = kDropped},
};
// clang-format on

TEST(RunMove, ParksStacksAndErasesAsTheFreePlacesAndTheTargetAllow) {
    for (const RunCase& c : kCases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        const bool onto = c.target != Card{};
        Lay(*t.view,
            {.cells = Written(Pile(kCells.begin(), kCells.begin() + c.usedCells)),
             .columns = Written(c.source) + "|" + (onto ? "KD " + Written({c.target}) : ""),
             .restFrom = 2 + c.emptyColumns});
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
        Log drawn = Steps(t.surface.Take());
        // Asked, the press ends as its release would, which went to the
        // question: automatic play on, the count taken again and drawn.
        const bool asked = c.choice != kNotAsked;
        const int countShown = t.view->m_nMovesLeft;
        t.view->UpdateMoveCount();
        const Log count = t.surface.Take();
        EXPECT_EQ(t.view->m_bAutoPlay, asked);
        if (asked) {
            EXPECT_EQ(
                std::tuple(countShown, t.view->m_bMouseDown,
                           Log(drawn.end() - std::min(drawn.size(), count.size()), drawn.end())),
                std::tuple(t.view->m_nMovesLeft, 0, count));
            drawn.resize(drawn.size() - std::min(drawn.size(), count.size()));
        }
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

using Handler = void (CSolView::*)(unsigned, int, int);
const Handler kPress = &CSolView::OnLButtonDown, kPeek = &CSolView::OnRButtonDown,
              kLeft = &CSolView::OnLButtonDblClk, kRight = &CSolView::OnRButtonDblClk;

constexpr Card kKC{13, kClubs}, kKD{13, kDiamonds};
constexpr Card kAH{1, kHearts}, k8C{8, kClubs};
constexpr int kNone = -1, kOff = -2;  // nothing selected; and both double-clicks off

// Column 0: King of diamonds, Nine of hearts; 1: empty; 2: King of clubs, Eight
// of spades; 3: Ace of hearts. Reserve: Eight of clubs, -, Queen of diamonds.
// Clubs and spades home up to the Seven. `selected` is clicked.
void LayOutPressTable(FakeTable& t, int selected = kNone) {
    Lay(*t.view,
        {.cells = "8C - QD", .homes = "7C 7S", .columns = "KD 9H||KC 8S|AH", .restFrom = 4});
    t.view->m_DblClk = t.view->m_Rclk = selected != kOff;
    if (selected >= 0) {
        Click(t, selected);
    }
    t.surface.Take();
}

TEST(Press, SelectsMovesOrRefusesAsTheSelectionAndTargetCallFor) {
    const int kCol0 = 1, kCol2 = 3, kCell0 = 151, kCell2 = 153;  // selection codes
    const Log uncoverKing = {Erase(160, 235, 203, 228), Face(kKC, 160, 110)};
    const Log emptyColumn3 = {Erase(238, 313, 185, 210), Erase(238, 313, 110, 210)};
    const Log k8CHome = {Face(k8C, 340, 0, 70, 96), Erase(0, 70, 0, 95), "frames"};
    const Log k9HToCell1 = {Face(k9H, 70, 0, 70, 96), Erase(4, 79, 203, 228), Face(kKD, 4, 110)};
    const auto then = [](Log first, const Log& rest) {
        first.insert(first.end(), rest.begin(), rest.end());
        return first;
    };
    const struct {
        const char* what;
        int selected;  // the place clicked before
        Handler action;
        int at, selectedAfter;
        Log drawn;
    } cases[] = {
        {"nothing, column", kNone, kPress, 0, kCol0, Log{"blt 500 4,128 71x96 invert"}},
        {"nothing, filled cell", kNone, kPress, kCell + 0, kCell0, Log{"blt 500 0,0 71x96 invert"}},
        {"column, itself", 2, kPress, 2, 0, Log{Face(k8S, 160, 128)}},
        {"column, fitting column", 2, kPress, 0, 0, then({Face(k8S, 4, 146)}, uncoverKing)},
        {"column, empty column", 2, kPress, 1, 0, then({Face(k8S, 82, 110)}, uncoverKing)},
        {"column, filled cell", 2, kPress, kCell + 0, kCol2, Log{}},
        {"column, home", 2, kPress, kHome + 1, 0, then({Face(k8S, 410, 0)}, uncoverKing)},
        {"cell, fitting column", kCell + 0, kPress, 0, 0,
         Log{Face(k8C, 4, 146), Erase(0, 70, 0, 95), "frames"}},
        {"cell, empty column", kCell + 0, kPress, 1, 0,
         Log{Face(k8C, 82, 110), Erase(0, 70, 0, 95), "frames"}},
        {"cell, itself", kCell + 0, kPress, kCell + 0, 0, Log{Face(k8C, 0, 0)}},
        {"cell, home", kCell + 0, kPress, kHome + 0, 0, k8CHome},
        {"last card to a cell", 3, kPress, kCell + 1, 0,
         then({Face(kAH, 70, 0, 70, 96)}, emptyColumn3)},
        {"last card home", 3, kPress, kHome + 2, 0, then({Face(kAH, 480, 0)}, emptyColumn3)},
        {"another suit's home cell", kCell + 0, kPress, kHome + 1, kCell0, Log{}},
        {"a rank skipped on the way home", 0, kPress, kHome + 2, kCol0, Log{}},
        {"a reserve card that does not fit", kCell + 2, kPress, 0, kCell2, Log{}},
        // A left double-click sends a column's top card to the lowest free cell.
        {"left double, nothing selected", kNone, kLeft, 0, 0, k9HToCell1},
        {"left double, a last card", kNone, kLeft, 3, 0,
         then({Face(kAH, 70, 0, 70, 96)}, emptyColumn3)},
        {"left double, another column selected", 2, kLeft, 0, kCol2, Log{}},
        {"left double, off", kOff, kLeft, 0, 0, Log{}},
        // A right double-click sends an uncovered card home that is due there.
        {"right double, a top card", kNone, kRight, 2, 0, then({Face(k8S, 410, 0)}, uncoverKing)},
        {"right double, a reserve card", kNone, kRight, kCell + 0, 0, k8CHome},
        {"right double, a last card", kNone, kRight, 3, 0, then({Face(kAH, 480, 0)}, emptyColumn3)},
        {"right double, off", kOff, kRight, 2, 0, Log{}},
        {"right double, something selected", 0, kRight, 2, kCol0, Log{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        LayOutPressTable(t, c.selected);
        const auto [x, y] = Middle(*t.view, c.at);
        ((*t.view).*c.action)(0, x, y);
        EXPECT_EQ(Steps(t.surface.Take()), c.drawn);
        EXPECT_EQ(t.view->m_nSelected, c.selectedAfter);
        EXPECT_TRUE(EachCardOnce(*t.view));
        t.window.pointer = kDropCursor;
        t.view->OnLButtonUp(0, x, y);  // the arrow again; automatic play only with no selection
        EXPECT_EQ(t.window.pointer, kArrowCursor);
        EXPECT_EQ(t.view->m_bAutoPlay, c.selectedAfter == kNothingSelected);
    }
}

// An action at a box's two inner corners draws; on the middle of an edge, nothing.
TEST(Press, HitBoxesEndJustInsideTheirEdges) {
    const struct {
        const char* what;
        Handler action;
        Rect box;
        int selected = kNone;
    } boxes[] = {
        {.what = "column 0 down to its top card", .action = kPress, .box = {4, 110, 74, 223}},
        {.what = "reserve cell 0", .action = kPress, .box = {0, 0, 70, 98}},
        {.what = "home cell 0", .action = kPress, .box = {340, 0, 420, 98}, .selected = kCell},
        {.what = "the covered King's strip", .action = kPeek, .box = {4, 110, 74, 128}},
        {.what = "the king box", .action = kLeft, .box = {295, 35, 327, 67}},
        {.what = "column 2's top card, 75 wide", .action = kRight, .box = {160, 128, 235, 223}},
        {.what = "reserve cell 0's card", .action = kRight, .box = {0, 0, 70, 95}},
    };
    for (const auto& c : boxes) {
        const int x = (c.box.left + c.box.right) / 2, y = (c.box.top + c.box.bottom) / 2;
        const int px[] = {c.box.left + 1, c.box.right - 1, c.box.left, c.box.right, x, x};
        const int py[] = {c.box.top + 1, c.box.bottom - 1, y, y, c.box.top, c.box.bottom};
        for (int i = 0; i < 6; ++i) {  // two inside, four on the edges
            FakeTable t;
            LayOutPressTable(t, c.selected);
            ((*t.view).*c.action)(0, px[i], py[i]);
            EXPECT_EQ(!t.surface.Take().empty(), i < 2) << c.what << ", point " << i;
        }
    }
}

// Over a column, the pointer tells whether a press there would move the selection.
TEST(Pointer, ShowsADropOnlyWhereTheSelectionWouldGo) {
    for (const auto& [selected, over, pointer] :
         {std::tuple{kCell, 0, kDropCursor}, {kCell, 2, kArrowCursor}, {2, 2, kArrowCursor}}) {
        FakeTable t;
        LayOutPressTable(t, selected);
        const auto [x, y] = Middle(*t.view, over);
        t.view->OnMouseMove(0, x, y);
        EXPECT_EQ(t.window.pointer, pointer) << selected << " over " << over;
    }
}

// The king looks left, then right, twice.
TEST(KingBox, DoubleClickTurnsTheKingTwiceThenShowsTheGameNumber) {
    FakeTable t;
    t.Deal(12345);
    t.surface.Take();
    t.view->OnLButtonDblClk(0, 311, 50);
    Log kings = t.surface.Take();
    std::erase_if(kings, [](const std::string& call) { return !call.ends_with("32x32 copy"); });
    const std::string left = "blt 1000 295,35 32x32 copy", right = "blt 2000 295,35 32x32 copy";
    EXPECT_EQ(kings, (Log{left, right, left, right}));
    EXPECT_EQ(t.window.sleeps, std::vector<int>(4, 400));
    EXPECT_EQ(t.window.messages.back().first + t.window.messages.back().second, "12345Game Number");
}

// A covered card shows whole until release; a card selected meanwhile is marked.
TEST(Peek, RightButtonShowsACoveredCardWholeUntilReleased) {
    FakeTable t;
    const Pile column = {{13, kClubs}, {6, kHearts}, {10, kDiamonds}, {3, kSpades}, {8, kClubs}};
    Lay(*t.view, {.columns = "||" + Written(column), .restFrom = 3});
    t.surface.Take();
    t.view->OnRButtonDown(0, 200, 150);  // row 2's strip
    EXPECT_EQ(t.surface.Take(), Log{Face(column[2], 160, 146)});
    Click(t, 2);
    t.view->OnRButtonUp(0, 200, 150);
    EXPECT_EQ(Log(t.surface.calls.end() - 4, t.surface.calls.end()),
              (Log{Face(column[2], 160, 146), Face(column[3], 160, 164), Face(column[4], 160, 182),
                   "blt 500 160,182 71x96 invert"}));
}

}  // namespace
