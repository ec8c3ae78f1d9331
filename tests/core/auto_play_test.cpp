// Cards going home by themselves, one tick at a time.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/table_text.h"
#include "fakes/fake_platform.h"

namespace {

// Each column offers its top card in order, then each reserve cell: the 2S is
// passed while the diamonds home is empty; a card uncovered waits a tick.
TEST(AutoPlay, FourthAceFreesLaterTwosInTheSameTickOnly) {
    FakeTable t;
    Lay(*t.view, {.cells = "- 2C", .homes = "AC AS AH", .columns = "|2S|2D AD||||2H"});
    const auto step = [&t] {
        t.surface.Take();
        t.view->AutoPlay();
        std::string homes;
        for (int suit = 0; suit < 4; ++suit) {
            homes += std::to_string(t.view->m_Cards[table::kCells + suit][table::kCellRow].nRank);
        }
        return homes;
    };
    EXPECT_EQ(step(), "2121");
    EXPECT_EQ(std::tuple(t.view->m_nMinHome, t.view->m_nTop[2], t.view->m_bCellUsed[1]),
              std::tuple(1, 0, 0));
    const auto log = t.surface.calls;
    ASSERT_EQ(log.size(), 3u + 3u + 2u + 14u + 4u);  // the cell cleared last, home cards redrawn
    EXPECT_EQ(log[6], "blt 2 340,0 70x96 copy");
    EXPECT_EQ(log[7], "fill 70,0-140,95 0,0,128");
    EXPECT_EQ(step(), "2222");

    // The clubs lagging hold the other suits back as any suit lagging would.
    FakeTable lagging;
    Lay(*lagging.view, {.homes = "AC 3S 3H 3D", .columns = "4S"});
    lagging.view->AutoPlay();
    EXPECT_EQ(lagging.view->m_nTop[0], 0);
}

// A card going home takes the selection away: a marked card elsewhere is drawn
// again plainly, a marked card that left is not.
TEST(AutoPlay, TakesTheSelectionAwayAndDrawsTheMarkedCardPlainly) {
    const struct {
        std::string cells = "KH", columns = "|KS|AH";
        int selected;
        std::string drawnLast;
    } cases[] = {
        {.selected = 2, .drawnLast = "blt 26 82,110 71x96 copy"},  // KS, left of it empty
        {.selected = kFirstReserveSelection, .drawnLast = "blt 39 0,0 71x96 copy"},  // KH
        {.selected = 3, .drawnLast = "fill 160,110-235,210 0,0,128"},  // the AH itself
        {.cells = "KH AS",
         .columns = "|KS",
         .selected = kFirstReserveSelection + 1,
         .drawnLast = "blt 14 410,0 71x96 copy"},  // the AS home
    };
    for (const auto& c : cases) {
        FakeTable t;
        Lay(*t.view, {.cells = c.cells, .columns = c.columns});
        t.view->m_nSelected = c.selected;
        t.surface.Take();
        t.view->AutoPlay();
        EXPECT_EQ(t.view->m_nSelected, kNothingSelected);
        EXPECT_EQ(t.surface.Take().back(), c.drawnLast);
    }
}

}  // namespace
