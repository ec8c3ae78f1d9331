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

// Searches game `number` and shortens the line it finds; a win counts only
// once its line, played into the game itself, wins it (else the game is
// undecided).
GameResult SolveGame(int number, const Budget& budget = {});

// Solves games first..last on `threads` threads, each distinct deal once,
// each with the same budget whatever the number of threads, so the results
// do not depend on it. `verdict` receives every number in order with its
// deal's result (the same object for every number of that deal) as soon as
// it and all before it are known, and returns false to stop; `progress`
// (deals done, deals in all) is called before any deal is done and now and
// then meanwhile, on the calling thread.
void SolveRange(int first, int last, unsigned threads,
                const std::function<bool(int number, const GameResult&)>& verdict,
                const std::function<void(int done, int total)>& progress);

}  // namespace solver
