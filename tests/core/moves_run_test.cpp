#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moves_table.h"

namespace {

using namespace moves_test;
using Log = std::vector<std::string>;

constexpr Card kBase{12, kClubs};
constexpr Card k9H{9, kHearts}, k8S{8, kSpades}, k7H{7, kHearts}, k6S{6, kSpades}, k5H{5, kHearts};

// Column 0: the Queen of clubs under the run 9H 8S 7H 6S 5H (top row 5).
// Column 1: the King of diamonds under `target`. All four reserve cells free.
void LayOutRunTable(FakeTable& t, Card target) {
    TableBuilder(t)
        .Column(0, {kBase, k9H, k8S, k7H, k6S, k5H})
        .Column(1, {{13, kDiamonds}, target})
        .Spares({4, 5, 6});
}

Log MoveFromColumnZeroToOne(FakeTable& t) {
    SelectColumn(t, 0);
    t.surface.Take();
    PressColumn(t, 1);
    return Steps(t.surface.Take());
}

TEST(RunMoveDrawing, OneCardGoesStraightAcross) {
    FakeTable t;
    LayOutRunTable(t, {6, kClubs});
    EXPECT_EQ(MoveFromColumnZeroToOne(t),
              (Log{Face(k5H, 82, 146, 75, 95), Erase(4, 79, 275, 300), Face(k6S, 4, 182, 75, 95)}));
    EXPECT_EQ(t.view->m_nTop[1], 2);
    ExpectEachCardOnce(*t.view);
}

TEST(RunMoveDrawing, TwoCardsParkTheTopCardInTheFirstFreePlace) {
    FakeTable t;
    LayOutRunTable(t, {7, kDiamonds});
    EXPECT_EQ(
        MoveFromColumnZeroToOne(t),
        (Log{Face(k5H, 0, 0, 70, 95), Face(k6S, 82, 146, 75, 95), Erase(0, 70, 0, 95), "frames",
             Face(k5H, 82, 164, 75, 95), Erase(4, 79, 257, 302), Face(k7H, 4, 164, 75, 95)}));
    ExpectEachCardOnce(*t.view);
}

TEST(RunMoveDrawing, ThreeCards) {
    FakeTable t;
    LayOutRunTable(t, {8, kClubs});
    EXPECT_EQ(MoveFromColumnZeroToOne(t),
              (Log{Face(k5H, 0, 0, 70, 95), Face(k6S, 70, 0, 70, 95), Face(k7H, 82, 146, 75, 95),
                   Face(k6S, 82, 164, 75, 95), Erase(0, 70, 0, 95), Erase(70, 140, 0, 95), "frames",
                   Face(k5H, 82, 182, 75, 95), Erase(4, 79, 239, 304), Face(k8S, 4, 146, 75, 95)}));
    ExpectEachCardOnce(*t.view);
}

TEST(RunMoveDrawing, FourCards) {
    FakeTable t;
    LayOutRunTable(t, {9, kDiamonds});
    EXPECT_EQ(
        MoveFromColumnZeroToOne(t),
        (Log{Face(k5H, 0, 0, 70, 95), Face(k6S, 70, 0, 70, 95), Face(k7H, 140, 0, 70, 95),
             Face(k8S, 82, 146, 75, 95), Face(k7H, 82, 164, 75, 95), Face(k6S, 82, 182, 75, 95),
             Erase(0, 70, 0, 95), Erase(70, 140, 0, 95), Erase(140, 210, 0, 95), "frames",
             Face(k5H, 82, 200, 75, 95), Erase(4, 79, 221, 306), Face(k9H, 4, 128, 75, 95)}));
    ExpectEachCardOnce(*t.view);
}

TEST(RunMoveDrawing, FiveCards) {
    FakeTable t;
    LayOutRunTable(t, {10, kClubs});
    EXPECT_EQ(
        MoveFromColumnZeroToOne(t),
        (Log{Face(k5H, 0, 0, 70, 95), Face(k6S, 70, 0, 70, 95), Face(k7H, 140, 0, 70, 95),
             Face(k8S, 210, 0, 70, 95), Face(k9H, 82, 146, 75, 95), Face(k8S, 82, 164, 75, 95),
             Face(k7H, 82, 182, 75, 95), Face(k6S, 82, 200, 75, 95), Erase(0, 70, 0, 95),
             Erase(70, 140, 0, 95), Erase(140, 210, 0, 95), Erase(210, 280, 0, 95), "frames",
             Face(k5H, 82, 218, 75, 95), Erase(4, 79, 203, 328), Face(kBase, 4, 110, 75, 95)}));
    EXPECT_EQ(t.view->m_nTop[0], 0);
    EXPECT_EQ(t.view->m_nTop[1], 6);
    EXPECT_EQ(t.view->m_Cards[1][2], k9H);
    EXPECT_EQ(t.view->m_Cards[1][6], k5H);
    EXPECT_EQ(t.view->m_nSelected, 0);
    EXPECT_EQ(t.view->m_bMouseDown, 0);
    for (int used : t.view->m_bCellUsed) {
        EXPECT_EQ(used, 0) << "parking leaves the places free";
    }
    ExpectEachCardOnce(*t.view);
}

TEST(RunMoveDrawing, EmptiedSourceIsErasedDownToItsOwnDepth) {
    FakeTable t;
    TableBuilder(t).Column(0, {k6S}).Column(1, {{7, kDiamonds}}).Spares({4, 5, 6});
    EXPECT_EQ(MoveFromColumnZeroToOne(t),
              (Log{Face(k6S, 82, 128, 75, 95), Erase(4, 79, 185, 210), Erase(4, 79, 110, 210)}));
    EXPECT_EQ(t.view->m_nTop[0], -1);

    TableBuilder(t).Column(0, {k8S, k7H, k6S}).Column(1, {{9, kDiamonds}}).Spares({4, 5, 6});
    const Log log = MoveFromColumnZeroToOne(t);
    EXPECT_EQ(log.back(), Erase(4, 79, 110, 250));
    EXPECT_EQ(log.end()[-2], Face(k6S, 82, 164, 75, 95));
    EXPECT_EQ(t.view->m_nTop[0], -1);
    ExpectEachCardOnce(*t.view);
}

// Column 0 holds `run` on the Queen of clubs, column 1 the King of diamonds
// under `target`; `usedCells` reserve cells are filled and `emptyColumns`
// columns from column 2 on are left empty.
void LayOutWithFreePlaces(FakeTable& t, std::vector<Card> run, std::vector<Card> targets,
                          int usedCells, int emptyColumns) {
    TableBuilder builder(t);
    run.insert(run.begin(), kBase);
    builder.Column(0, run);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        builder.Column(1 + static_cast<int>(i),
                       {{13, kDiamonds - static_cast<int>(i)}, targets[i]});
    }
    builder.UsedCells(usedCells);
    std::vector<int> spares;
    for (int k = 1 + static_cast<int>(targets.size()) + emptyColumns; k < table::kColumns; ++k) {
        spares.push_back(k);
    }
    builder.Spares(spares);
}

TEST(RunMoveLimits, NoFreePlaceMovesOnlyASingleCard) {
    FakeTable t;
    LayOutWithFreePlaces(t, {k9H, k8S}, {{9, kDiamonds}, {10, kClubs}}, 4, 0);
    SelectColumn(t, 0);
    PressColumn(t, 2);
    EXPECT_EQ(t.view->m_nTop[0], 2) << "a run of two needs one free place";
    EXPECT_EQ(t.view->m_nSelected, 1);
    PressColumn(t, 1);
    EXPECT_EQ(t.view->m_Cards[1][2], k8S);
    ExpectEachCardOnce(*t.view);
}

TEST(RunMoveLimits, ThreeFreePlacesMoveFourButNotFive) {
    FakeTable t;
    LayOutWithFreePlaces(t, {{10, kSpades}, k9H, k8S, k7H, k6S}, {{11, kHearts}, {10, kClubs}}, 2,
                         1);
    SelectColumn(t, 0);
    PressColumn(t, 1);
    EXPECT_EQ(t.view->m_nTop[0], 5);
    EXPECT_EQ(t.view->m_nSelected, 1);
    PressColumn(t, 2);
    EXPECT_EQ(t.view->m_nTop[0], 1);
    EXPECT_EQ(t.view->m_nTop[2], 5);
    EXPECT_EQ(t.view->m_Cards[2][2], k9H);
    ExpectEachCardOnce(*t.view);
}

TEST(RunMoveLimits, SevenFreePlacesMoveFiveAndNeverSix) {
    FakeTable t;
    const std::vector<Card> run = {{10, kHearts}, {9, kSpades}, {8, kHearts},
                                   {7, kSpades},  {6, kHearts}, {5, kSpades}};
    TableBuilder(t)
        .Column(0, run)
        .Column(1, {{11, kSpades}})
        .Column(2, {{10, kDiamonds}})
        .Home(kClubs, 13)
        .Spares({6, 7});
    SelectColumn(t, 0);
    PressColumn(t, 1);
    EXPECT_EQ(t.view->m_nTop[0], 5) << "not even part of a run of six moves";
    EXPECT_EQ(t.view->m_nTop[1], 0);
    PressColumn(t, 2);
    EXPECT_EQ(t.view->m_nTop[0], 0);
    EXPECT_EQ(t.view->m_nTop[2], 5);
    ExpectEachCardOnce(*t.view);
}

TEST(RunMoveLimits, RunLongerThanTheFreePlacesAllowKeepsTheSelection) {
    FakeTable t;
    LayOutWithFreePlaces(t, {k9H, k8S, k7H}, {{10, kClubs}}, 3, 0);
    SelectColumn(t, 0);
    t.surface.Take();
    PressColumn(t, 1);
    EXPECT_TRUE(t.surface.Take().empty());
    EXPECT_EQ(t.view->m_nSelected, 1);
    EXPECT_EQ(t.view->m_nTop[0], 3);
}

TEST(RunMoveLimits, SameColourUnderTheTopCardStopsAnyRun) {
    FakeTable t;
    LayOutWithFreePlaces(t, {k9H, {8, kDiamonds}}, {{10, kClubs}, {9, kSpades}}, 0, 0);
    SelectColumn(t, 0);
    PressColumn(t, 1);
    EXPECT_EQ(t.view->m_nSelected, 1);
    PressColumn(t, 2);
    EXPECT_EQ(t.view->m_Cards[2][2], Card(8, kDiamonds));
    ExpectEachCardOnce(*t.view);
}

TEST(RunMoveParking, SkipsTheUsedCellAndLeavesTheOthersFree) {
    FakeTable t;
    LayOutWithFreePlaces(t, {k7H, k6S, k5H}, {{8, kClubs}}, 1, 1);
    const Log log = MoveFromColumnZeroToOne(t);
    EXPECT_EQ(log[0], Face(k5H, 70, 0, 70, 95));
    EXPECT_EQ(log[1], Face(k6S, 140, 0, 70, 95));
    EXPECT_EQ(log[4], Erase(70, 140, 0, 95));
    EXPECT_EQ(log[5], Erase(140, 210, 0, 95));
    EXPECT_EQ(log[6], "frames");
    EXPECT_EQ(t.view->m_bCellUsed[1] + t.view->m_bCellUsed[2], 0);
    EXPECT_EQ(t.view->m_nTop[2], -1);
    ExpectEachCardOnce(*t.view);
}

TEST(RunMoveParking, WithNoEmptyReserveCellTheLeftmostEmptyColumnComesFirst) {
    FakeTable t;
    LayOutWithFreePlaces(t, {k7H, k6S, k5H}, {{8, kClubs}}, 4, 2);
    const Log log = MoveFromColumnZeroToOne(t);
    EXPECT_EQ(log[0], Face(k5H, 160, 110, 75, 95));
    EXPECT_EQ(log[1], Face(k6S, 238, 110, 75, 95));
    EXPECT_EQ(log[4], Erase(160, 235, 110, 205));
    EXPECT_EQ(log[5], Erase(238, 313, 110, 205));
    EXPECT_EQ(t.view->m_nTop[2], -1);
    EXPECT_EQ(t.view->m_nTop[3], -1);
    ExpectEachCardOnce(*t.view);
}

}  // namespace
