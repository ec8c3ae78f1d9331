#include "solver/command.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>
#include <ostream>

#include "solver/game_solver.h"
#include "solver/solve_arguments.h"

namespace solver {

namespace {
constexpr int kBarWidth = 30;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string VerdictText(const GameResult& result) {
    switch (result.verdict) {
        case Verdict::kWon:
            return "won " + std::to_string(result.line.size());
        case Verdict::kCannotBeWon:
            return "cannot be won";
        case Verdict::kUndecided:
            break;
    }
    return "undecided";
}

std::string Numbers(const std::vector<int>& numbers) {
    std::string text;
    for (const int number : numbers) {
        text += ' ';
        text += std::to_string(number);
    }
    return numbers.empty() ? " none" : text;
}

std::string Minutes(int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

// "[#########.....]  4012/20298 deals  61.2/s  4:26 left", redrawn in place.
// Once the estimate has run out while deals are still open, it says how long
// the last of them have taken so far instead of standing at 0:00.
class RangeBar {
  public:
    explicit RangeBar(std::ostream& err) : m_err(err) {}

    void Draw(int done, int total) {
        const double seconds = SecondsSince(m_start);
        if (done != m_done) {
            m_done = done;
            m_lastDone = Clock::now();
        }
        const double rate = seconds > 0 ? done / seconds : 0;
        const int left = rate > 0 ? static_cast<int>((total - done) / rate) : 0;
        const int filled = total > 0 ? kBarWidth * done / total : kBarWidth;
        char text[96];
        std::snprintf(text, sizeof text, "] %d/%d deals  %.1f/s  ", done, total, rate);
        const std::string time = left > 0 || done == total
                                     ? Minutes(left) + " left"
                                     : std::to_string(total - done) + " open for " +
                                           Minutes(static_cast<int>(SecondsSince(m_lastDone)));
        m_err << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, '.') << text
              << time << "\x1b[K" << std::flush;
    }

  private:
    std::ostream& m_err;
    Clock::time_point m_start = Clock::now();
    Clock::time_point m_lastDone = m_start;
    int m_done = 0;
};

// One game's line; on a terminal, a search that takes a while says so.
void SolveOne(int number, std::ostream& out, std::ostream& err, bool terminal) {
    const Clock::time_point start = Clock::now();
    std::future<GameResult> solving = std::async(std::launch::async, SolveGame, number, Budget{});
    bool shown = false;
    while (solving.wait_for(std::chrono::milliseconds(250)) != std::future_status::ready) {
        if (terminal && SecondsSince(start) >= 1) {
            err << "\rsearching game " << number << ": "
                << Minutes(static_cast<int>(SecondsSince(start))) << "\x1b[K" << std::flush;
            shown = true;
        }
    }
    if (shown) {
        err << "\r\x1b[K" << std::flush;
    }
    const GameResult result = solving.get();
    for (const Move& move : result.line) {
        out << MoveText(move) << '\n';
    }
    out << (result.verdict == Verdict::kWon
                ? "won in " + std::to_string(result.line.size()) + " moves"
                : VerdictText(result))
        << '\n';
}

void SolveMany(const SolveArguments& read, std::ostream& out, std::ostream& err, bool terminal,
               unsigned threads) {
    const Clock::time_point start = Clock::now();
    RangeBar bar(err);
    int won = 0;
    std::vector<int> lost;
    std::vector<int> undecided;
    SolveRange(
        read.first, read.last, threads,
        [&](int number, const GameResult& result) {
            if (terminal) {
                err << "\r\x1b[K" << std::flush;
            }
            out << number << ' ' << VerdictText(result) << '\n';
            won += result.verdict == Verdict::kWon ? 1 : 0;
            if (result.verdict == Verdict::kCannotBeWon) {
                lost.push_back(number);
            } else if (result.verdict == Verdict::kUndecided) {
                undecided.push_back(number);
            }
            return out.good();
        },
        [&](int done, int total) {
            if (terminal) {
                bar.Draw(done, total);
            }
        });
    if (terminal) {
        err << '\n';
    }
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", SecondsSince(start));
    out << "won: " << won << " of " << read.last - read.first + 1 << '\n'
        << "cannot be won:" << Numbers(lost) << '\n'
        << "undecided:" << Numbers(undecided) << '\n'
        << "time: " << seconds << " s\n";
}
}  // namespace

int RunSolveCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const CommandSetting& setting) {
    std::string error;
    const std::optional<SolveArguments> read = ReadSolveArguments(arguments, error);
    if (!read) {
        err << "kelmora-solve: " << error << '\n';
        return 2;
    }
    errno = 0;
    if (read->ask == SolveArguments::kHelp) {
        out << kSolveHelp;
    } else if (read->ask == SolveArguments::kVersion) {
        out << "kelmora-solve " KELMORA_VERSION "\n";
    } else if (read->single) {
        SolveOne(read->first, out, err, setting.terminal);
    } else {
        SolveMany(*read, out, err, setting.terminal, read->jobs > 0 ? read->jobs : setting.cores);
    }
    out.flush();
    if (!out) {
        err << "kelmora-solve: cannot write the output"
            << (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace solver
