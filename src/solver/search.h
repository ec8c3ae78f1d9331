#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

#include "solver/legal_moves.h"

namespace solver {

enum class Verdict { kWon, kCannotBeWon, kUndecided };

// What one search may hold: every table, key and queue entry it keeps counts.
// Past `smallBytes` it first takes `large`, when given, so that searches
// running side by side hold no more than one large budget between them.
struct Budget {
    std::size_t bytes = std::size_t{160} << 20;
    std::size_t smallBytes = std::size_t{8} << 20;
    std::mutex* large = nullptr;
};

struct SearchResult {
    Verdict verdict = Verdict::kUndecided;
    std::vector<Move> line;  // the winning moves, when won
    std::size_t positions = 0;
    // The verdict of each stage that ran, in order: every one but the last
    // gave up.
    std::vector<Verdict> stages;
};

// Looks for a short win first, then more widely, and at last goes through
// every table it can reach: only that last stage, which compares tables
// exactly, says that a deal cannot be won. Undecided when the budget ends
// the search first.
SearchResult Search(const Position& deal, const Budget& budget);

}  // namespace solver
