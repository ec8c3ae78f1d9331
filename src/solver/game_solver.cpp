#include "solver/game_solver.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "solver/headless_game.h"
#include "solver/shorten.h"

namespace solver {

namespace {
using Clock = std::chrono::steady_clock;

// Lines longer than this are also searched two moves away from each table
// for a shorter way; most lines are short enough after one move's look.
constexpr std::size_t kLongLine = 50;

// What the searches side by side may hold between them below the large budget.
constexpr std::size_t kAllSmallBytes = std::size_t{64} << 20;
}  // namespace

GameResult SolveGame(int number, const Budget& budget) {
    const Clock::time_point start = Clock::now();
    const Position deal = DealtPosition(number);
    SearchResult found = Search(deal, budget);
    GameResult result{found.verdict, std::move(found.line), found.positions, 0};
    if (result.verdict == Verdict::kWon) {
        result.line = Shorten(deal, std::move(result.line), 1);
        if (result.line.size() > kLongLine) {
            result.line = Shorten(deal, std::move(result.line), 2);
        }
        if (!ReplayWins(number, result.line)) {
            result.verdict = Verdict::kUndecided;
            result.line.clear();
        }
    }
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}

void SolveRange(int first, int last, unsigned threads,
                const std::function<bool(int number, const GameResult&)>& verdict,
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
    std::vector<bool> ready(deals);  // guarded by `finishing`, as is `done`
    int done = 0;
    std::mutex finishing;
    std::condition_variable finished;
    std::atomic<int> next = 0;
    // One search at a time may hold more than the small budget. The small
    // budgets share what is left beside the large one; where a search waits
    // for the large one changes only when it finishes, not what it finds.
    threads = std::max(1u, threads);
    std::mutex large;
    const Budget budget{.smallBytes = std::max(Budget{}.smallBytes, kAllSmallBytes / threads),
                        .large = &large};
    // The progress shows at once, then while a result is awaited, at most every 200 ms.
    progress(0, deals);
    Clock::time_point shown = Clock::now();
    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (int deal = next++; deal < deals; deal = next++) {
                GameResult result = SolveGame(dealNumber[deal], budget);
                {
                    const std::lock_guard lock(finishing);
                    results[deal] = std::move(result);
                    ready[deal] = true;
                    ++done;
                }
                finished.notify_one();
            }
        });
    }

    for (int number = first; number <= last;) {
        const int deal = dealOf[number - first];
        std::unique_lock lock(finishing);
        if (!finished.wait_until(lock, shown + std::chrono::milliseconds(200),
                                 [&] { return ready[deal]; })) {
            const int doneNow = done;
            lock.unlock();
            progress(doneNow, deals);
            shown = Clock::now();
            continue;
        }
        lock.unlock();  // a finished result is never written again
        if (!verdict(number++, results[deal])) {
            next = deals;
            return;
        }
    }
    progress(deals, deals);
}

}  // namespace solver
