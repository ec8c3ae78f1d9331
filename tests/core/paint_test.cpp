#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fakes/fake_platform.h"

namespace {

bool Has(const std::vector<std::string>& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

int CountPrefix(const std::vector<std::string>& calls, const std::string& prefix) {
    return static_cast<int>(std::count_if(
        calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
}

// The table of the worked example: reserve 7H QD 5S JH; home clubs to 7, spades to 4.
void WorkedExample(FakeTable& t) {
    t.ClearTable();
    CSolView& v = *t.view;
    const Card reserve[4] = {{7, 2}, {12, 3}, {5, 1}, {11, 2}};
    for (int k = 0; k < 4; ++k) {
        v.m_Cards[k][20] = reserve[k];
        v.m_bCellUsed[k] = 1;
    }
    v.m_Cards[4][20] = Card{7, 0};
    v.m_Cards[5][20] = Card{4, 1};
    t.Column(0, {{13, 1}, {9, 3}, {8, 0}});
    t.Column(1, {{9, 2}});
    t.Column(2, {{13, 0}});
    t.Column(3, {{13, 2}});
    t.Column(4, {{13, 3}});
    t.Column(5, {{1, 3}});
    t.Column(6, {{1, 2}});
    t.Column(7, {{6, 0}});
}

TEST(MoveCount, WorkedExampleCountsFourThenThree) {
    FakeTable t;
    WorkedExample(t);
    t.view->UpdateMoveCount();
    EXPECT_EQ(t.view->m_nMovesLeft, 4);

    t.view->m_Cards[4][20] = Card{};
    t.Column(7, {{1, 0}});
    t.view->UpdateMoveCount();
    EXPECT_EQ(t.view->m_nMovesLeft, 3);
}

TEST(MoveCount, EmptyPlacesCountOnceAndAcesNever) {
    FakeTable t;
    WorkedExample(t);
    t.view->UpdateMoveCount();
    const int before = t.view->m_nMovesLeft;

    t.view->m_nTop[2] = -1;  // the lone King of clubs leaves: one more, one fewer (QD onto it)
    t.view->UpdateMoveCount();
    EXPECT_EQ(t.view->m_nMovesLeft, before + 1 - 1);

    t.view->m_bCellUsed[3] = 0;  // the Jack of hearts' cell empties
    t.view->m_Cards[3][20] = Card{};
    t.view->UpdateMoveCount();
    EXPECT_EQ(t.view->m_nMovesLeft, before + 1);

    t.view->m_Cards[3][20] = Card{1, 2};  // an Ace in a reserve cell adds nothing
    t.view->m_bCellUsed[3] = 1;
    t.view->UpdateMoveCount();
    EXPECT_EQ(t.view->m_nMovesLeft, before);
}

TEST(MoveCount, ASidewaysShiftCountsOnlyWhenItFreesACardForHome) {
    FakeTable t;
    t.ClearTable();
    for (int k = 0; k < 4; ++k) {
        t.view->m_bCellUsed[k] = 1;
        t.view->m_Cards[k][20] = Card{13, k};
    }
    t.Column(0, {{9, 3}, {8, 0}});  // 8C on 9D
    t.Column(1, {{9, 2}});          // 9H takes the 8C
    for (int k = 2; k < 8; ++k) {
        t.Column(k, {{12, k % 2}});  // black Queens: nothing fits anywhere
    }
    t.view->UpdateMoveCount();
    EXPECT_EQ(t.view->m_nMovesLeft, 0);

    t.view->m_Cards[7][20] = Card{8, 3};  // the 9D could go home once uncovered
    t.view->UpdateMoveCount();
    EXPECT_EQ(t.view->m_nMovesLeft, 1);
}

TEST(MoveCount, FreshDealCountsTheFourEmptyCellsAndDrawsInTheCorner) {
    FakeTable t;
    for (int game : {1, 2, 617, 45899}) {
        t.Deal(game);
        EXPECT_GE(t.view->m_nMovesLeft, 4) << game;
    }
}

TEST(Clock, MovesLeftFourPixelsPerDigit) {
    FakeTable t;
    const std::pair<int, int> cases[] = {{9, 307},   {10, 303},  {99, 303},
                                         {100, 299}, {999, 299}, {1000, 295}};
    for (const auto& [seconds, x] : cases) {
        t.view->m_nSeconds = seconds;
        t.surface.Take();
        t.view->DrawClock();
        EXPECT_EQ(t.surface.Take(), std::vector<std::string>{"text " + std::to_string(x) + ",9 " +
                                                             std::to_string(seconds)});
    }
}

TEST(Paint, EmptyTableShowsOnlyColourFramesAndKing) {
    FakeTable t;
    t.surface.Take();
    t.view->OnPaint();
    const auto calls = t.surface.Take();
    EXPECT_EQ(calls.front(), "fill 0,0-632,407 0,0,128");
    EXPECT_TRUE(Has(calls, "text 307,9 0"));
    EXPECT_TRUE(Has(calls, "blt 1000 295,35 32x32 copy"));
    EXPECT_EQ(CountPrefix(calls, "line "), 4 + 14);
    EXPECT_EQ(CountPrefix(calls, "blt "), 1);
}

TEST(Paint, RepaintDrawsCellsColumnsAndTheMarkButNotTheCount) {
    FakeTable t;
    t.Deal(1);
    CSolView& v = *t.view;
    v.m_Cards[2][20] = Card{4, 3};
    v.m_bCellUsed[2] = 1;
    v.m_Cards[5][20] = Card{1, 1};
    v.m_nSelected = 153;
    v.m_Show = 0;
    t.surface.Take();
    v.OnPaint();
    const auto calls = t.surface.Take();
    EXPECT_TRUE(Has(calls, "blt 43 140,0 70x95 copy"));
    EXPECT_TRUE(Has(calls, "blt 14 410,0 70x95 copy"));
    EXPECT_TRUE(Has(calls, "blt 38 550,200 80x100 copy"));
    EXPECT_EQ(calls.back(), "blt 500 140,0 71x96 invert");
    EXPECT_EQ(CountPrefix(calls, "text "), 0);

    v.m_nSelected = 4;
    t.surface.Take();
    v.OnPaint();
    EXPECT_EQ(t.surface.Take().back(), "blt 500 238,218 71x96 invert");
}

TEST(Primitives, TintIsMergedOnEveryPlainDrawingButNeverOnTheMark) {
    FakeTable t;
    t.view->m_nCardColor = 3;
    t.surface.Take();
    t.view->DrawCard(27, 4, 110, 80, 100, false);
    t.view->DrawCard(500, 4, 110, 75, 95, true);
    t.view->m_bPointerRight = 1;
    t.view->m_Show = 0;
    t.view->DrawKingBox();
    const auto calls = t.surface.Take();
    const std::vector<std::string> expected = {
        "blt 27 4,110 80x100 copy",      "blt 203 4,110 80x100 merge",
        "blt 500 4,110 71x96 invert",    "line 294,34-294,68 0,0,0 copy",
        "line 294,68-328,68 0,0,0 copy", "line 328,68-328,34 0,0,0 copy",
        "line 328,34-294,34 0,0,0 copy", "blt 2000 295,35 32x32 copy",
        "blt 203 295,35 32x32 merge"};
    EXPECT_EQ(calls, expected);
}

TEST(Primitives, CellFramesUseTheTableColourInverted) {
    FakeTable t;
    t.view->m_crBackground = MakeColorRef(255, 255, 255);
    t.surface.Take();
    t.view->DrawCellFrames();
    const auto calls = t.surface.Take();
    ASSERT_EQ(calls.size(), 14u);
    EXPECT_EQ(calls[0], "line 0,0-0,95 255,255,255 notcopy");
    EXPECT_EQ(calls[7], "line 340,0-340,95 255,255,255 notcopy");
    t.view->EraseRect(0, 280, 0, 95);
    EXPECT_EQ(t.surface.Take(), std::vector<std::string>{"fill 0,0-280,95 255,255,255"});
}

}  // namespace
