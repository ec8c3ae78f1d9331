#include "solver/command.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <ostream>

#include "game/sol_doc.h"
#include "solver/game_solver.h"

namespace solver {

namespace {
constexpr int kLastGame = CSolDoc::kLastGameNumber;
constexpr int kBarWidth = 30;

struct Range {
    int first = 0;
    int last = kLastGame;
    bool single = false;
};

// A game number: digits only, no more than the last game needs.
std::optional<int> GameNumber(const std::string& text) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(text);
}

// The range the arguments ask for, or the one-line reason they cannot be read.
std::optional<Range> ReadArguments(const std::vector<std::string>& arguments, std::string& error) {
    if (arguments.size() != 1) {
        error = "expected one argument: a game number, a range A-B or --all";
        return std::nullopt;
    }
    const std::string& text = arguments[0];
    if (text == "--all") {
        return Range{};
    }
    const std::string rangeError = "game numbers run from 0 to " + std::to_string(kLastGame) + ": ";
    if (text.starts_with("-")) {
        // A negative number is out of range; anything else is an option.
        const bool negative = text.size() > 1 && text[1] >= '0' && text[1] <= '9';
        error = (negative ? rangeError : "unknown option ") + text;
        return std::nullopt;
    }
    const std::size_t dash = text.find('-');
    const std::optional<int> first = GameNumber(text.substr(0, dash));
    const std::optional<int> last =
        dash == std::string::npos ? first : GameNumber(text.substr(dash + 1));
    if (!first || !last || (dash != std::string::npos && *first > *last)) {
        error = (dash == std::string::npos ? "not a game number: " : "malformed range: ") + text;
        return std::nullopt;
    }
    if (*last > kLastGame) {
        error = rangeError + text;
        return std::nullopt;
    }
    return Range{*first, *last, dash == std::string::npos};
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

// "[#########.....]  4012/20298 deals  61.2/s  4:26 left", redrawn in place.
void DrawBar(std::ostream& err, int done, int total, double seconds) {
    const double rate = seconds > 0 ? done / seconds : 0;
    const int left = rate > 0 ? static_cast<int>((total - done) / rate) : 0;
    const int filled = total > 0 ? kBarWidth * done / total : kBarWidth;
    char text[96];
    std::snprintf(text, sizeof text, "] %d/%d deals  %.1f/s  %d:%02d left", done, total, rate,
                  left / 60, left % 60);
    err << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, '.') << text
        << "\x1b[K" << std::flush;
}

void SolveOne(int number, std::ostream& out, unsigned threads) {
    const GameResult result = SolveGame(number, PositionBound(threads));
    for (const Move& move : result.line) {
        out << MoveText(move) << '\n';
    }
    out << (result.verdict == Verdict::kWon
                ? "won in " + std::to_string(result.line.size()) + " moves"
                : VerdictText(result))
        << '\n';
}
}  // namespace

int RunSolveCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    bool terminal, unsigned threads) {
    std::string error;
    const std::optional<Range> range = ReadArguments(arguments, error);
    if (!range) {
        err << "kelmora-solve: " << error << '\n';
        return 2;
    }
    if (range->single) {
        SolveOne(range->first, out, threads);
        return 0;
    }

    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    int won = 0;
    std::vector<int> lost;
    std::vector<int> undecided;
    SolveRange(
        range->first, range->last, threads,
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
        },
        [&](int done, int total) {
            if (terminal) {
                DrawBar(err, done, total, elapsed());
            }
        });
    if (terminal) {
        err << '\n';
    }
    if (range->first == 0 && range->last == kLastGame && !range->single) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.1f", elapsed());
        out << "won: " << won << " of " << range->last - range->first + 1 << '\n'
            << "cannot be won:" << Numbers(lost) << '\n'
            << "undecided:" << Numbers(undecided) << '\n'
            << "time: " << seconds << " s\n";
    }
    out.flush();
    return 0;
}

}  // namespace solver
