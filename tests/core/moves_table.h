#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_platform.h"

// Laying out tables for the move tests, pressing on them and reading back what
// was drawn.
namespace moves_test {

using Log = std::vector<std::string>;
using Cards = std::vector<Card>;
enum Suit { kClubs, kSpades, kHearts, kDiamonds };

// Lays out a whole deck: `columns` from column 0 on, `cells` in the reserve
// cells from cell 0 on (an empty card leaves a cell free), each suit home up to
// `homes`; the other cards are shared out over the columns from `sparesFrom` on.
void LayOut(FakeTable& t, const std::vector<Cards>& columns, const Cards& cells,
            const std::array<int, 4>& homes, int sparesFrom);

// The middle of a place: column k's top card (or the empty column), reserve
// cell kCell + j or home cell kHome + j.
constexpr int kCell = 10, kHome = 20;
std::pair<int, int> Middle(const CSolView& view, int place);
void Click(FakeTable& t, int place);  // selects the place, or deselects it

// The log with each run of cell-frame lines, and the upper row's cards drawn
// again over them, folded into "frames".
Log Steps(const Log& calls);
std::string Face(const Card& card, int x, int y, int cx = 71, int cy = 96);
std::string Erase(int left, int right, int top, int bottom);

}  // namespace moves_test
