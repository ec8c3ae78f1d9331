#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

// "10C AH ..." for the column, row 0 first.
std::string ColumnText(const CSolView& view, int k) {
    static const char* const kRanks[] = {"",  "A", "2", "3",  "4", "5", "6",
                                         "7", "8", "9", "10", "J", "Q", "K"};
    static const char kSuits[] = {'C', 'S', 'H', 'D'};
    std::ostringstream out;
    for (int i = 0; i <= view.m_nTop[k]; ++i) {
        const Card& c = view.m_Cards[k][i];
        out << (i ? " " : "") << kRanks[c.nRank] << kSuits[c.nSuit];
    }
    return out.str();
}

std::array<Card, 52> DealOf(int game) {
    std::array<Card, 52> cards;
    for (int k = 0; k < 52; ++k) {
        cards[k] = CSolDoc::DealtCard(game, k);
    }
    return cards;
}

TEST(Deal, GameOneAndTheLastGameDealTheListedColumns) {
    FakeTable t;
    t.Deal(1);
    const std::vector<std::string> game1 = {"10C AH JH 4D KD 4C KS", "QD 10D 2C 2D 6C JD 6D",
                                            "7H 9H 7C 2H 3D 6S KC",  "AS 9D 5H 4S 6H 2S 8H",
                                            "5C KH 10H 8S QS 9S",    "8C 5D 7D AD 8D 3C",
                                            "10S 4H 3H 9C AC 7S",    "5S JS 3S JC QC QH"};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(ColumnText(*t.view, k), game1[k]) << "column " << k + 1;
    }
    t.Deal(45899);
    const std::vector<std::string> game45899 = {"5H AS 3S 2D 2H 8H KS", "QS 4D 3D AD 2S QC 5D",
                                                "6S 5C 3C 7D 9H KC JH", "6D 7H 7S JS 10H 4H 10D",
                                                "10S KH KD 7C QH 8D",   "9D 9S 6H 8C 5S 6C",
                                                "2C 9C JC 10C AH 4C",   "JD AC 8S QD 4S 3H"};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(ColumnText(*t.view, k), game45899[k]) << "column " << k + 1;
    }
}

TEST(Deal, GameZeroComposesTableZeroWithItself) {
    for (int k = 0; k < 52; ++k) {
        EXPECT_EQ(CSolDoc::DealtCard(0, k),
                  CSolDoc::m_BaseCards[CSolDoc::m_Perm[0][CSolDoc::m_Perm[0][k]]]);
    }
}

TEST(Deal, RepeatedTablesGiveRepeatedDeals) {
    EXPECT_EQ(DealOf(1020), DealOf(0));
    EXPECT_EQ(DealOf(1021), DealOf(1));
    EXPECT_NE(DealOf(1), DealOf(0));
}

TEST(Deal, EveryNumberDealsEachCardOnceAndTwentyThousandDealsDiffer) {
    std::set<std::array<int, 52>> distinct;
    for (int game = 0; game <= CSolDoc::kLastGameNumber; ++game) {
        std::array<int, 52> codes;
        std::array<bool, 53> seen{};
        for (int k = 0; k < 52; ++k) {
            codes[k] = CardCode(CSolDoc::DealtCard(game, k));
            ASSERT_GE(codes[k], 1);
            ASSERT_LE(codes[k], 52);
            ASSERT_FALSE(seen[codes[k]])
                << "game " << game << " deals card " << codes[k] << " twice";
            seen[codes[k]] = true;
        }
        distinct.insert(codes);
    }
    EXPECT_EQ(distinct.size(), 20298u);
}

TEST(Card, CodesAndColours) {
    EXPECT_EQ(CardCode(Card{13, 3}), 52);
    EXPECT_EQ(CardCode(Card{1, 0}), 1);
    EXPECT_TRUE(SameColour(1, 0));   // Ace of spades, Two of clubs
    EXPECT_FALSE(SameColour(2, 1));  // Two of hearts, Three of spades
    EXPECT_TRUE(FitsOn(Card{2, 2}, Card{3, 1}));
    EXPECT_FALSE(FitsOn(Card{2, 0}, Card{3, 1}));
    EXPECT_FALSE(FitsOn(Card{13, 0}, Card{1, 2}));
}

}  // namespace
