#pragma once

#include <cstddef>
#include <vector>

#include "solver/position.h"

namespace solver {

enum class Verdict { kWon, kCannotBeWon, kUndecided };

struct SearchResult {
    Verdict verdict = Verdict::kUndecided;
    std::vector<Move> line;  // the winning moves, when won
    std::size_t positions = 0;
};

// The legal moves from a table, worth-trying ones only: a card goes into the
// first free reserve cell and the first empty column, the others being the
// same table in another order.
std::vector<Move> LegalMoves(const Position& position);

// Searches depth first, the most promising move first, every table seen once.
// Without a win, every table reachable has been seen: the deal cannot be won,
// unless more than `maxPositions` tables were met first (undecided).
SearchResult Search(const Position& deal, std::size_t maxPositions);

}  // namespace solver
