// Every game number decided by the solver, on all cores, as kelmora-solve --all
// does it; the counters give the time per winnable deal and the memory used.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <set>
#include <thread>
#include <vector>

#include "game/sol_doc.h"
#include "solver/game_solver.h"

namespace {

void SolveEveryGame(benchmark::State& state) {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    for (auto _ : state) {
        std::vector<double> winnable;
        std::set<const solver::GameResult*> deals;
        int lost = 0;
        int undecided = 0;
        double slowest = 0;
        int slowestGame = 0;
        solver::SolveRange(
            0, CSolDoc::kLastGameNumber, threads,
            [&](int number, const solver::GameResult& result) {
                lost += result.verdict == solver::Verdict::kCannotBeWon ? 1 : 0;
                undecided += result.verdict == solver::Verdict::kUndecided ? 1 : 0;
                // Numbers that deal the same cards share one result: time each deal once.
                if (result.verdict == solver::Verdict::kWon && deals.insert(&result).second) {
                    winnable.push_back(result.seconds);
                }
                if (result.seconds > slowest) {
                    slowest = result.seconds;
                    slowestGame = number;
                }
                return true;
            },
            [](int, int) {});
        std::sort(winnable.begin(), winnable.end());
        const auto at = [&](double share) {
            return winnable.empty()
                       ? 0
                       : winnable[static_cast<std::size_t>(share * (winnable.size() - 1))];
        };
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        state.counters["median_ms"] = 1000 * at(0.5);
        state.counters["p99_ms"] = 1000 * at(0.99);
        state.counters["slowest_ms"] = 1000 * slowest;
        state.counters["slowest_game"] = slowestGame;
        state.counters["cannot_be_won"] = lost;
        state.counters["undecided"] = undecided;
        state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024;
    }
}
BENCHMARK(SolveEveryGame)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
