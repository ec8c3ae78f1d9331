#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_platform.h"

namespace {

using Log = std::vector<std::string>;

void Reserve(CSolView& v, int k, Card card) {
    v.m_Cards[k][20] = card;
    v.m_bCellUsed[k] = card.nRank != 0;
}

constexpr Card kNone{}, kAceOfClubs{1, 0}, kAceOfHearts{1, 2}, kSixOfClubs{6, 0},
    kSevenOfClubs{7, 0}, kJackOfHearts{11, 2};

TEST(MoveCount, WorkedExampleAndItsVariants) {
    // Reserve 7H QD 5S and cell 3; home clubs (varied) and spades to 4; columns KS 9D 8C | 9H |
    // KC (varied) | KH | KD | AD | AH | column 8 (varied). As laid out the count is 4: 7H onto
    // 8C, QD onto KC, 5S home, 8C home; not 8C onto 9H (it lies on 9D already) nor the red Aces.
    const struct {
        const char* what;
        Card cell3, clubsHome, column7;
        bool kingOfClubs;
        int count;
    } cases[] = {
        {"as laid out", kJackOfHearts, kSevenOfClubs, kSixOfClubs, true, 4},
        {"clubs home empty, Ace of clubs for the 6", kJackOfHearts, kNone, kAceOfClubs, true, 3},
        {"King of clubs gone: an empty column, no place for the QD", kJackOfHearts, kSevenOfClubs,
         kSixOfClubs, false, 4},
        {"the Jack of hearts' cell empty", kNone, kSevenOfClubs, kSixOfClubs, true, 5},
        {"an Ace of hearts for the Jack", kAceOfHearts, kSevenOfClubs, kSixOfClubs, true, 4},
    };
    for (const auto& test : cases) {
        FakeTable t;
        t.ClearTable();
        CSolView& v = *t.view;
        Reserve(v, 0, {7, 2});
        Reserve(v, 1, {12, 3});
        Reserve(v, 2, {5, 1});
        Reserve(v, 3, test.cell3);
        v.m_Cards[4][20] = test.clubsHome;
        v.m_Cards[5][20] = Card{4, 1};
        t.Column(0, {{13, 1}, {9, 3}, {8, 0}});
        t.Column(1, {{9, 2}});
        t.Column(2, test.kingOfClubs ? std::vector<Card>{{13, 0}} : std::vector<Card>{});
        t.Column(3, {{13, 2}});
        t.Column(4, {{13, 3}});
        t.Column(5, {{1, 3}});
        t.Column(6, {{1, 2}});
        t.Column(7, {test.column7});
        v.UpdateMoveCount();
        EXPECT_EQ(v.m_nMovesLeft, test.count) << test.what;
    }
}

// 8C lies on 9D and fits on 9H too: the shift counts once per home cell it helps.
TEST(MoveCount, ASidewaysShiftCountsOnlyWhenItFreesACardForHome) {
    const struct {
        Card home;  // in its home cell
        int count;
    } cases[] = {{{}, 0}, {{8, 3}, 1}, {{8, 2}, 2}};  // none, 9D then goes home, 9H both ways
    for (const auto& test : cases) {
        FakeTable t;
        t.ClearTable();
        for (int k = 0; k < 4; ++k) {
            Reserve(*t.view, k, Card{13, k});
        }
        t.Column(0, {{9, 3}, {8, 0}});
        t.Column(1, {{9, 2}});
        for (int k = 2; k < 8; ++k) {
            t.Column(k, {{12, k % 2}});  // black Queens: nothing fits anywhere
        }
        if (test.home != Card{}) {
            t.view->m_Cards[4 + test.home.nSuit][20] = test.home;
        }
        t.view->UpdateMoveCount();
        EXPECT_EQ(t.view->m_nMovesLeft, test.count) << test.home.nSuit;
    }
}

TEST(Clock, MovesLeftFourPixelsPerDigit) {
    FakeTable t;
    const std::pair<int, int> cases[] = {{9, 307},   {10, 303},  {99, 303},
                                         {100, 299}, {999, 299}, {1000, 295}};
    for (const auto& [seconds, x] : cases) {
        t.view->m_nSeconds = seconds;
        t.view->DrawClock();
        EXPECT_EQ(t.surface.Take(),
                  Log{"text " + std::to_string(x) + ",9 " + std::to_string(seconds)});
    }
}

TEST(Primitives, TintIsMergedOnEveryPlainDrawingButNeverOnTheMark) {
    FakeTable t;
    t.view->m_nCardColor = 3;
    t.view->DrawCard(27, 4, 110, 80, 100, false);
    t.view->DrawCard(500, 4, 110, 75, 95, true);
    EXPECT_EQ(t.surface.Take(), (Log{"blt 27 4,110 80x100 copy", "blt 203 4,110 80x100 merge",
                                     "blt 500 4,110 71x96 invert"}));
}

}  // namespace
