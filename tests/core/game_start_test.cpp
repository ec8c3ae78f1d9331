#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/table_text.h"
#include "fakes/fake_platform.h"

namespace {

TEST(Deal, EveryNumberDealsEachCardOnceAndTwentyThousandDealsDiffer) {
    std::set<std::array<int, 52>> distinct;
    for (int game = 0; game <= CSolDoc::kLastGameNumber; ++game) {
        std::array<int, 52> codes;
        for (int k = 0; k < 52; ++k) {
            codes[k] = CardCode(CSolDoc::DealtCard(game, k));
        }
        const std::set<int> cards(codes.begin(), codes.end());
        ASSERT_EQ(cards.size(), 52u) << "game " << game << " deals a card twice";
        ASSERT_EQ(*cards.begin() + *cards.rbegin(), 1 + 52) << "game " << game;
        distinct.insert(codes);
    }
    EXPECT_EQ(distinct.size(), 20298u);
}

// Game 1 starts at position 1 of tables 0 and 0; 45899 at position 50 of tables
// 29 and 29, going on after position 51 with 0; 18740 at 23, table 7 first and
// then table 12. Each is dealt on a fresh table, the old one erased first and the
// new count drawn last.
TEST(Deal, KnownGameNumbersDealTheirOwnCardsOnAFreshTable) {
    const struct {
        int game;
        const char* columns;
    } deals[] = {
        {.game = 1,
         .columns = "TC AH JH 4D KD 4C KS|QD TD 2C 2D 6C JD 6D|7H 9H 7C 2H 3D 6S KC|"
                    "AS 9D 5H 4S 6H 2S 8H|5C KH TH 8S QS 9S|8C 5D 7D AD 8D 3C|TS 4H 3H 9C AC 7S|"
                    "5S JS 3S JC QC QH"},
        {.game = 45899,
         .columns = "5H AS 3S 2D 2H 8H KS|QS 4D 3D AD 2S QC 5D|6S 5C 3C 7D 9H KC JH|"
                    "6D 7H 7S JS TH 4H TD|TS KH KD 7C QH 8D|9D 9S 6H 8C 5S 6C|2C 9C JC TC AH 4C|"
                    "JD AC 8S QD 4S 3H"},
        {.game = 18740,
         .columns = "QH 8H 7C 5D 2H KH 9C|TD QC 8D TH 9S 5C JS|4D JH AS TS 2S 4H KS|"
                    "2C QD 3D AH JC 7S JD|6S AC 8C 3S KC 2D|8S 5S 6C 6H TC 5H|7D 7H 9D QS 3C 4C|"
                    "9H 6D KD 3H AD 4S"},
    };
    for (const auto& deal : deals) {
        FakeTable t;
        CSolView& v = *t.view;
        Lay(v, {.cells = "AC", .homes = "AC"});
        std::tie(v.m_nSeconds, v.m_nSelected, v.m_bAutoPlay) = std::tuple(77, 3, 1);
        t.surface.Take();
        t.Deal(deal.game);
        EXPECT_EQ(ColumnsText(v), deal.columns) << "game " << deal.game;
        EXPECT_EQ(std::tuple(v.m_nSeconds, v.m_nSelected, v.m_bAutoPlay), std::tuple(0, 0, 0));
        EXPECT_EQ(std::tuple(v.m_Cards[4][table::kCellRow], v.m_bCellUsed[0]),
                  std::tuple(Card{}, 0));
        EXPECT_EQ(t.window.title, "Kelmora #" + std::to_string(deal.game));
        EXPECT_EQ(t.window.timers.at(kGameTimer), 100);
        const auto calls = t.surface.Take();
        EXPECT_EQ(calls.front(), "fill 0,0-632,407 0,0,128");
        EXPECT_EQ(calls.back(), "text 612,387 " + std::to_string(v.m_nMovesLeft));
    }
}

// Two draws added, a third draw when the sum is past the last game, and 1560
// instead of 0; the sequence goes on, so two picks in one second differ, and
// the seed is finer than a second.
TEST(GameCommands, RandomPickOfTheNextGame) {
    const std::pair<unsigned, int> cases[] = {{0, 21468}, {23, 12880}, {30151, 1560}};
    for (const auto& [seed, pick] : cases) {
        FakeTable t;
        t.view->m_random = Random15(seed);
        EXPECT_EQ(t.view->PickRandomGame(), pick) << "seed " << seed;
        EXPECT_NE(t.view->PickRandomGame(), pick);
    }
    FakeTable other;  // started a nanosecond later
    ++other.window.now;
    other.Construct();
    EXPECT_NE(other.NextPick(), FakeTable().NextPick()) << "two games started in one second";
}

// 4294967297 is 2^32 + 1: wrapped to 32 bits it would read as game 1.
TEST(SelectGameDialog, AcceptsOnlyGameNumbersFromOneTo45899) {
    const std::pair<const char*, int> cases[] = {
        {"1", 1},    {"45899", 45899},  {"  \t1234 \t", 1234},
        {"0", 0},    {"45900", 0},      {"", 0},
        {"-5", 0},   {"+5", 0},         {"12abc", 0},
        {"12 3", 0}, {"4294967297", 0}, {"99999999999999999999", 0}};
    for (const auto& [typed, game] : cases) {
        FakeWindow window;
        CSelectGameDlg dlg;
        std::tie(dlg.m_nGame, dlg.m_strEdit) = std::tuple(777, typed);
        EXPECT_EQ(dlg.OnOK(window), game != 0) << typed;
        EXPECT_EQ(dlg.m_nGame, game != 0 ? game : 777);
        using Messages = decltype(window.messages);
        const Messages refusal{{"Select a Game Number between 0 & 45900", "Kelmora"}};
        EXPECT_EQ(window.messages, game != 0 ? Messages{} : refusal);
        EXPECT_EQ(dlg.m_strEdit, game != 0 ? std::string(typed) : "0");
    }
}

}  // namespace
