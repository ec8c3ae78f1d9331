#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "solver/search.h"

namespace solver {

struct GameResult {
    Verdict verdict = Verdict::kUndecided;
    std::vector<Move> line;
    std::size_t positions = 0;
    double seconds = 0;
};

// How many tables one search may remember when `searches` run at once, so
// that all of them stay well below 2 GB together.
std::size_t PositionBound(unsigned searches);

// Searches game `number`; a win counts only once its line, played into the
// game itself, wins it (else the game is undecided).
GameResult SolveGame(int number, std::size_t maxPositions);

// Solves games first..last on `threads` threads, each distinct deal once.
// `verdict` receives every number in order with its deal's result (the same
// object for every number of that deal) as soon as it and all before it are
// known; `progress` (deals done, deals in all) is called now and then
// meanwhile, on the calling thread.
void SolveRange(int first, int last, unsigned threads,
                const std::function<void(int number, const GameResult&)>& verdict,
                const std::function<void(int done, int total)>& progress);

}  // namespace solver
