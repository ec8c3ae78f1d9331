#include "solver/game_solver.h"

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "solver/headless_game.h"

namespace solver {

namespace {
// Bytes the remembered tables of all searches together may take, counting
// the moment a table doubles (old and new side by side).
constexpr std::size_t kMemoryBudget = std::size_t{1600} << 20;
constexpr std::size_t kBytesPerSlot = 8 * 3 / 2;

using Clock = std::chrono::steady_clock;
}  // namespace

std::size_t PositionBound(unsigned searches) {
    const std::size_t budget = kMemoryBudget / std::max(1u, searches);
    std::size_t slots = 1;
    while (slots * 2 * kBytesPerSlot <= budget) {
        slots *= 2;
    }
    // The table doubles once three quarters are in use.
    return slots / 4 * 3;
}

GameResult SolveGame(int number, std::size_t maxPositions) {
    const Clock::time_point start = Clock::now();
    SearchResult found = Search(DealtPosition(number), maxPositions);
    GameResult result{found.verdict, std::move(found.line), found.positions, 0};
    if (result.verdict == Verdict::kWon && !ReplayWins(number, result.line)) {
        result.verdict = Verdict::kUndecided;
        result.line.clear();
    }
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}

void SolveRange(int first, int last, unsigned threads,
                const std::function<void(int number, const GameResult&)>& verdict,
                const std::function<void(int done, int total)>& progress) {
    // Many numbers deal the very same cards: each deal is searched once.
    std::map<std::string, int> dealIndex;
    std::vector<int> dealOf;
    std::vector<int> dealNumber;
    for (int number = first; number <= last; ++number) {
        const Position deal = DealtPosition(number);
        const std::string cards(reinterpret_cast<const char*>(deal.cards), sizeof deal.cards);
        const auto [at, added] = dealIndex.emplace(cards, static_cast<int>(dealNumber.size()));
        if (added) {
            dealNumber.push_back(number);
        }
        dealOf.push_back(at->second);
    }

    const int deals = static_cast<int>(dealNumber.size());
    std::vector<GameResult> results(deals);
    const auto ready = std::make_unique<std::atomic<bool>[]>(deals);
    std::atomic<int> next = 0;
    std::atomic<int> done = 0;
    const std::size_t bound = PositionBound(threads);
    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (int deal = next++; deal < deals; deal = next++) {
                results[deal] = SolveGame(dealNumber[deal], bound);
                ready[deal].store(true, std::memory_order_release);
                ++done;
            }
        });
    }

    Clock::time_point shown{};
    for (int number = first; number <= last;) {
        const int deal = dealOf[number - first];
        if (ready[deal].load(std::memory_order_acquire)) {
            verdict(number++, results[deal]);
            continue;
        }
        if (Clock::now() - shown > std::chrono::milliseconds(200)) {
            progress(done, deals);
            shown = Clock::now();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    progress(deals, deals);
}

}  // namespace solver
