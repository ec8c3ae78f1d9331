#include "solver/solve_arguments.h"

namespace solver {

namespace {
constexpr int kLastGame = CSolDoc::kLastGameNumber;
constexpr unsigned kMostJobs = 1024;

// A number: digits only, at most `digits` of them.
std::optional<int> Number(const std::string& text, std::size_t digits) {
    if (text.empty() || text.size() > digits ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(text);
}

// The games one argument names: N or A-B.
bool ReadGames(const std::string& text, SolveArguments& read, std::string& error) {
    const std::size_t dash = text.find('-');
    const std::optional<int> first = Number(text.substr(0, dash), 5);
    const std::optional<int> last =
        dash == std::string::npos ? first : Number(text.substr(dash + 1), 5);
    if (!first || !last || (dash != std::string::npos && *first > *last)) {
        error = (dash == std::string::npos ? "not a game number: " : "malformed range: ") + text;
        return false;
    }
    if (*last > kLastGame) {
        error = "game numbers run from 0 to " + std::to_string(kLastGame) + ": " + text;
        return false;
    }
    read.first = *first;
    read.last = *last;
    read.single = dash == std::string::npos;
    return true;
}

bool ReadJobs(const std::string& text, SolveArguments& read, std::string& error) {
    const std::optional<int> jobs = Number(text, 4);
    if (!jobs || *jobs < 1 || static_cast<unsigned>(*jobs) > kMostJobs) {
        error = "the number of jobs runs from 1 to " + std::to_string(kMostJobs) + ": " + text;
        return false;
    }
    read.jobs = static_cast<unsigned>(*jobs);
    return true;
}
}  // namespace

const char* const kSolveHelp =
    "Usage: kelmora-solve [-j N] GAME | FIRST-LAST | --all\n"
    "Decides whether Kelmora deals can be won, under the game's own rules.\n"
    "\n"
    "  GAME          print a winning line for game GAME (0-45899), then\n"
    "                \"won in K moves\", \"cannot be won\" or \"undecided\"\n"
    "  FIRST-LAST    one verdict a game: \"N won K\", \"N cannot be won\" or\n"
    "                \"N undecided\", then a summary: \"won: N of M\" and the rest\n"
    "  --all         every game, 0-45899, then the summary\n"
    "  -j, --jobs N  search N deals at once (default: one a core); the verdicts\n"
    "                and lines are the same for every N\n"
    "  --help        show this help and exit\n"
    "  --version     show the version and exit\n"
    "\n"
    "A move line is FROM TO COUNT CARD, such as \"c4 c5 1 7H\" or \"r2 h 1 AS\":\n"
    "c1-c8 are the columns, r1-r4 the reserve cells, h home; COUNT cards move,\n"
    "CARD the deepest of them, written as rank (A 2-9 T J Q K) and suit (C S H D).\n"
    "Press the source, then the target; into an empty column, answer \"Select\"\n"
    "with the move of COUNT cards. Cards that go home by themselves are not listed.\n"
    "\n"
    "Exit status: 0 done, 1 the output could not be written, 2 unreadable arguments.\n";

std::optional<SolveArguments> ReadSolveArguments(const std::vector<std::string>& arguments,
                                                 std::string& error) {
    SolveArguments read;
    int games = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& text = arguments[i];
        if (text == "--help" || text == "--version") {
            read.ask = text == "--help" ? SolveArguments::kHelp : SolveArguments::kVersion;
            return read;
        }
        if (text == "-j" || text == "--jobs") {
            if (i + 1 == arguments.size()) {
                error = text + " needs a number of jobs";
                return std::nullopt;
            }
            if (!ReadJobs(arguments[++i], read, error)) {
                return std::nullopt;
            }
        } else if (text.starts_with("--jobs=") || (text.starts_with("-j") && text.size() > 2)) {
            if (!ReadJobs(text.substr(text.starts_with("-j") ? 2 : 7), read, error)) {
                return std::nullopt;
            }
        } else if (text == "--all") {
            ++games;
        } else if (text.starts_with("-")) {
            // A negative number is out of range; anything else is an option.
            const bool negative = text.size() > 1 && text[1] >= '0' && text[1] <= '9';
            error = (negative ? "game numbers run from 0 to " + std::to_string(kLastGame) + ": "
                              : "unknown option ") +
                    text;
            return std::nullopt;
        } else if (++games == 1 && !ReadGames(text, read, error)) {
            return std::nullopt;
        }
    }
    if (games != 1) {
        error = "expected one game number, a range A-B or --all (see --help)";
        return std::nullopt;
    }
    return read;
}

}  // namespace solver
