#include <gtest/gtest.h>

#include "moves/move_choice_dlg.h"
#include "moves_table.h"

namespace {

using namespace moves_test;

constexpr Card kBase{12, kClubs};
constexpr Card k10H{10, kHearts}, k9H{9, kHearts}, k8S{8, kSpades}, k8H{8, kHearts};
constexpr int kDestination = 1;
using Cards = std::vector<Card>;

// Column 0 holds `source`; the first `usedCells` reserve cells are filled;
// columns 1 .. emptyColumns are empty (column 1 is where the press goes).
void LayOut(FakeTable& t, const std::vector<Card>& source, int usedCells, int emptyColumns) {
    TableBuilder(t).Column(0, source).UsedCells(usedCells).Spares(1 + emptyColumns);
}

ScriptedDialogs::Answer<CMoveChoiceDlg> Choose(bool column) {
    return [column](CMoveChoiceDlg& dlg) {
        column ? dlg.OnMoveColumn() : dlg.OnMoveSingleCard();
        return CMoveChoiceDlg::kMoved;
    };
}

TEST(ColumnToEmptyColumn, AsksOnlyWhenARunCouldMoveAndCarriesWhatTheFreePlacesAllow) {
    struct Case {
        const char* what;
        Cards source;
        int usedCells, emptyColumns;
        bool asks, column;  // whether the choice is asked; "Move Column" or the single card
        int moved;
        Log drawnLast;  // the end of what the move draws
    };
    const Case cases[] = {
        {"a run of two through the one free reserve cell", Cards{kBase, k9H, k8S}, 3, 1, true, true,
         2,
         Log{Face(k8S, 210, 0, 70, 95), Face(k9H, 82, 110, 71, 96), Face(k8S, 82, 128, 71, 96),
             Erase(210, 280, 0, 95), "frames", Erase(4, 79, 185, 270),
             Face(kBase, 4, 110, 71, 96)}},
        {"the single card chosen", Cards{kBase, k9H, k8S}, 0, 1, true, false, 1,
         Log{Face(k8S, 82, 110, 71, 96), Erase(4, 79, 221, 246), Face(k9H, 4, 128, 71, 96)}},
        {"no free place besides the destination", Cards{kBase, k9H, k8S}, 4, 1, false, true, 1,
         Log{Face(k8S, 82, 110, 71, 96), Erase(4, 79, 221, 246), Face(k9H, 4, 128, 71, 96)}},
        {"top two of the same colour", Cards{kBase, k9H, k8H}, 0, 2, false, true, 1,
         Log{Face(k8H, 82, 110, 71, 96), Erase(4, 79, 221, 246), Face(k9H, 4, 128, 71, 96)}},
        {"a single card", Cards{k8S}, 0, 1, false, true, 1,
         Log{Face(k8S, 82, 110, 71, 96), Erase(4, 79, 185, 210), Erase(4, 79, 110, 230)}},
        {"two free places carry three of a run of four",
         Cards{kBase, k10H, {9, kSpades}, k8H, {7, kSpades}}, 2, 1, true, true, 3,
         Log{Erase(4, 79, 203, 288), Face(k10H, 4, 128, 71, 96)}},
        {"six free places carry five of a run of seven",
         Cards{{12, kDiamonds}, {11, kSpades}, k10H, {9, kSpades}, k8H, {7, kSpades}, {6, kHearts}},
         0, 3, true, true, 5, Log{Erase(4, 79, 203, 328), Face({11, kSpades}, 4, 128, 71, 96)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;
        LayOut(t, c.source, c.usedCells, c.emptyColumns);
        t.dialogs.moveChoice = Choose(c.column);
        const Log drawn = Move(t, AtColumn(0), AtColumn(kDestination));
        ASSERT_GE(drawn.size(), c.drawnLast.size());
        EXPECT_EQ(Log(drawn.end() - c.drawnLast.size(), drawn.end()), c.drawnLast);
        EXPECT_EQ(t.dialogs.shown["CMoveChoiceDlg"], c.asks ? 1 : 0);
        const int size = static_cast<int>(c.source.size());
        EXPECT_EQ(t.view->m_nTop[0], size - 1 - c.moved);
        EXPECT_EQ(t.view->m_nTop[kDestination], c.moved - 1);
        EXPECT_EQ(t.view->m_Cards[kDestination][0], c.source[size - c.moved]);
        EXPECT_EQ(t.view->m_nSelected, 0);
        EXPECT_TRUE(EachCardOnce(*t.view));
    }
}

TEST(ColumnToEmptyColumn, SelectionClearedWhileAskingMovesNothing) {
    FakeTable t;
    LayOut(t, {kBase, k9H, k8S}, 0, 1);
    for (bool column : {true, false}) {
        t.dialogs.moveChoice = [&t, column](CMoveChoiceDlg& dlg) {
            t.view->m_nSelected = kNothingSelected;  // automatic play sent a card home
            return Choose(column)(dlg);
        };
        EXPECT_TRUE(Move(t, AtColumn(0), AtColumn(kDestination)).empty());
        EXPECT_EQ(t.view->m_nSelected, 0);
        EXPECT_EQ(t.view->m_nTop[0], 2);
        EXPECT_EQ(t.view->m_nTop[kDestination], -1);
    }
}

}  // namespace
