#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moves/move_choice_dlg.h"
#include "moves_table.h"

namespace {

using namespace moves_test;
using Log = std::vector<std::string>;

constexpr Card kBase{12, kClubs};
constexpr Card k9H{9, kHearts}, k8S{8, kSpades};
constexpr int kDestination = 1;

// Column 0 holds `source`; the first `usedCells` reserve cells are filled;
// columns 1 .. emptyColumns are empty (column 1 is where the press goes).
void LayOut(FakeTable& t, const std::vector<Card>& source, int usedCells, int emptyColumns) {
    TableBuilder builder(t);
    builder.Column(0, source);
    builder.UsedCells(usedCells);
    std::vector<int> spares;
    for (int k = emptyColumns + 1; k < table::kColumns; ++k) {
        spares.push_back(k);
    }
    builder.Spares(spares);
}

ScriptedDialogs::Answer<CMoveChoiceDlg> Choose(bool column) {
    return [column](CMoveChoiceDlg& dlg) {
        column ? dlg.OnMoveColumn() : dlg.OnMoveSingleCard();
        return CMoveChoiceDlg::kMoved;
    };
}

Log PressDestination(FakeTable& t) {
    SelectColumn(t, 0);
    t.surface.Take();
    PressColumn(t, kDestination);
    return Steps(t.surface.Take());
}

TEST(ColumnToEmptyColumn, RunOfTwoIsCarriedThroughTheEmptyReserveCell) {
    FakeTable t;
    LayOut(t, {kBase, k9H, k8S}, 3, 1);
    t.dialogs.moveChoice = Choose(true);
    EXPECT_EQ(PressDestination(t),
              (Log{Face(k8S, 210, 0, 70, 95), Face(k9H, 82, 110, 75, 95),
                   Face(k8S, 82, 128, 75, 95), Erase(210, 280, 0, 95), "frames",
                   Erase(4, 79, 185, 270), Face(kBase, 4, 110, 75, 95)}));
    EXPECT_EQ(t.dialogs.shown["CMoveChoiceDlg"], 1);
    EXPECT_EQ(t.view->m_nTop[kDestination], 1);
    EXPECT_EQ(t.view->m_Cards[kDestination][0], k9H);
    EXPECT_EQ(t.view->m_nSelected, 0);
    EXPECT_EQ(t.view->m_bCellUsed[3], 0);
    ExpectEachCardOnce(*t.view);
}

TEST(ColumnToEmptyColumn, TopCardAloneWithoutAskingWhenNoRunCouldMove) {
    struct Case {
        std::string what;
        std::vector<Card> source;
        int usedCells, emptyColumns;
    };
    const Case cases[] = {
        {"no free place besides the destination", {kBase, k9H, k8S}, 4, 1},
        {"top two of the same colour", {kBase, k9H, {8, kHearts}}, 0, 2},
        {"a single card", {k8S}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable t;  // a dialog would fail the test: none is scripted
        LayOut(t, c.source, c.usedCells, c.emptyColumns);
        const Card top = c.source.back();
        const int row = static_cast<int>(c.source.size()) - 1;
        const Log log = PressDestination(t);
        EXPECT_EQ(log.front(), Face(top, 82, 110, 75, 95));
        EXPECT_EQ(log[1], Erase(4, 79, 185 + 18 * row, 210 + 18 * row));
        EXPECT_EQ(t.view->m_nTop[kDestination], 0);
        EXPECT_EQ(t.view->m_nTop[0], row - 1);
        ExpectEachCardOnce(*t.view);
    }
}

TEST(ColumnToEmptyColumn, SingleCardChosenInTheDialog) {
    FakeTable t;
    LayOut(t, {kBase, k9H, k8S}, 0, 1);
    t.dialogs.moveChoice = Choose(false);
    PressDestination(t);
    EXPECT_EQ(t.view->m_nTop[kDestination], 0);
    EXPECT_EQ(t.view->m_Cards[kDestination][0], k8S);
    EXPECT_EQ(t.view->m_nTop[0], 1);
    ExpectEachCardOnce(*t.view);
}

TEST(ColumnToEmptyColumn, SixFreePlacesCarryFiveOfARunOfSeven) {
    FakeTable t;
    LayOut(t,
           {{12, kDiamonds},
            {11, kSpades},
            {10, kHearts},
            {9, kSpades},
            {8, kHearts},
            {7, kSpades},
            {6, kHearts}},
           0, 3);
    t.dialogs.moveChoice = Choose(true);
    const Log log = PressDestination(t);
    EXPECT_EQ(t.view->m_nTop[kDestination], 4);
    EXPECT_EQ(t.view->m_Cards[kDestination][0], Card(10, kHearts));
    EXPECT_EQ(t.view->m_nTop[0], 1);
    EXPECT_EQ(log.end()[-2], Erase(4, 79, 203, 328));
    EXPECT_EQ(log.back(), Face({11, kSpades}, 4, 128, 75, 95));
    ExpectEachCardOnce(*t.view);
}

TEST(ColumnToEmptyColumn, RunOfFourWithTwoFreePlacesCarriesThree) {
    FakeTable t;
    const Card ten{10, kHearts};
    LayOut(t, {kBase, ten, {9, kSpades}, {8, kHearts}, {7, kSpades}}, 2, 1);
    t.dialogs.moveChoice = Choose(true);
    const Log log = PressDestination(t);
    EXPECT_EQ(t.view->m_nTop[kDestination], 2);
    EXPECT_EQ(t.view->m_nTop[0], 1);
    EXPECT_EQ(log.end()[-2], Erase(4, 79, 203, 288));
    EXPECT_EQ(log.back(), Face(ten, 4, 128, 75, 95));
    ExpectEachCardOnce(*t.view);
}

TEST(ColumnToEmptyColumn, RunThatWasTheWholeColumnErasesItTo270) {
    FakeTable t;
    LayOut(t, {k9H, k8S}, 0, 1);
    t.dialogs.moveChoice = Choose(true);
    const Log log = PressDestination(t);
    EXPECT_EQ(log.back(), Erase(4, 79, 110, 270));
    EXPECT_EQ(t.view->m_nTop[0], -1);
    ExpectEachCardOnce(*t.view);
}

TEST(ColumnToEmptyColumn, CancelOnlyTakesTheMarkAway) {
    FakeTable t;
    LayOut(t, {kBase, k9H, k8S}, 0, 1);
    t.dialogs.moveChoice = [](CMoveChoiceDlg&) { return IDCANCEL; };
    EXPECT_EQ(PressDestination(t), Log{Face(k8S, 4, 146, 75, 95)});
    EXPECT_EQ(t.view->m_nSelected, 0);
    EXPECT_EQ(t.view->m_bMouseDown, 1) << "the press stays unused until the release";
    EXPECT_EQ(t.view->m_nTop[0], 2);
    EXPECT_EQ(t.view->m_nTop[kDestination], -1);
    ExpectEachCardOnce(*t.view);
}

TEST(ColumnToEmptyColumn, SelectionClearedWhileAskingMovesNothing) {
    FakeTable t;
    LayOut(t, {kBase, k9H, k8S}, 0, 1);
    for (bool column : {true, false}) {
        t.dialogs.moveChoice = [&t, column](CMoveChoiceDlg& dlg) {
            t.view->m_nSelected = kNothingSelected;  // automatic play sent a card home
            return Choose(column)(dlg);
        };
        EXPECT_TRUE(PressDestination(t).empty());
        EXPECT_EQ(t.view->m_nSelected, 0);
        EXPECT_EQ(t.view->m_nTop[0], 2);
        EXPECT_EQ(t.view->m_nTop[kDestination], -1);
    }
    ExpectEachCardOnce(*t.view);
}

}  // namespace
