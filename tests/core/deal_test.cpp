#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "table_text.h"

namespace {

std::array<int, 52> DealOf(int game) {
    std::array<int, 52> codes;
    for (int k = 0; k < 52; ++k) {
        codes[k] = CardCode(CSolDoc::DealtCard(game, k));
    }
    return codes;
}

TEST(Deal, GameOneDealsTheListedColumns) {
    const char* const columns[] = {"10C AH JH 4D KD 4C KS", "QD 10D 2C 2D 6C JD 6D",
                                   "7H 9H 7C 2H 3D 6S KC",  "AS 9D 5H 4S 6H 2S 8H",
                                   "5C KH 10H 8S QS 9S",    "8C 5D 7D AD 8D 3C",
                                   "10S 4H 3H 9C AC 7S",    "5S JS 3S JC QC QH"};
    FakeTable t;
    t.Deal(1);
    const CSolView& v = *t.view;
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(std::vector<Card>(v.m_Cards[k], v.m_Cards[k] + v.m_nTop[k] + 1),
                  Cards(columns[k]))
            << "column " << k + 1;
    }
}

TEST(Deal, EveryNumberDealsEachCardOnceAndTwentyThousandDealsDiffer) {
    std::set<std::array<int, 52>> distinct;
    for (int game = 0; game <= CSolDoc::kLastGameNumber; ++game) {
        const std::array<int, 52> codes = DealOf(game);
        const std::set<int> cards(codes.begin(), codes.end());
        ASSERT_EQ(cards.size(), 52u) << "game " << game << " deals a card twice";
        ASSERT_EQ(*cards.begin(), 1) << "game " << game;
        ASSERT_EQ(*cards.rbegin(), 52) << "game " << game;
        distinct.insert(codes);
    }
    EXPECT_EQ(distinct.size(), 20298u);
    EXPECT_EQ(DealOf(1020), DealOf(0)) << "the tables repeat";
    EXPECT_EQ(DealOf(1021), DealOf(1));
}

}  // namespace
