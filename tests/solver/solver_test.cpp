// The solver: its lines replayed through the game, its proof of a locked
// table, and what its command prints.
#include <gtest/gtest.h>

#include <sstream>

#include "core/table_text.h"
#include "solver/command.h"
#include "solver/game_solver.h"
#include "solver/headless_game.h"

namespace {

constexpr std::size_t kPositions = 2'000'000;
TEST(Solver, EachLineItPrintsWinsItsGameAndOnlyTheWholeLineDoes) {
    // Each of these lines moves single cards and runs into empty columns.
    for (const int number : {1, 125, 11982, 45899}) {
        const solver::GameResult result = solver::SolveGame(number);
        ASSERT_EQ(result.verdict, solver::Verdict::kWon) << number;
        EXPECT_TRUE(solver::ReplayWins(number, result.line)) << number;
        std::vector<solver::Move> shortened = result.line;
        shortened.erase(shortened.begin() + static_cast<long>(shortened.size() / 2));
        EXPECT_FALSE(solver::ReplayWins(number, shortened)) << number;
    }
}

TEST(Solver, ProvesThatALockedTableCannotBeWon) {
    // Every suit home up to its Three, the reserve cells full and the Fours
    // buried: cards shift onto others for a few moves, but none ever frees a
    // place. Columns read from the bottom up.
    const char* const cells = "KS KH JH QS";
    const char* const columns[] = {"9D 8H 7D 9S QH", "6C TH 4S 4H 6S", "7C 9H 6H 7S TS",
                                   "5S 9C JS TC 6D", "4D 5D 4C JD",    "QC KD 7H 8D",
                                   "QD 8C 5H 5C",    "JC 8S KC TD"};
    solver::Position table;
    for (int j = 0; j < 4; ++j) {
        table.cells[j] = static_cast<std::uint8_t>(CardCode(Cards(cells)[j]));
        table.home[j] = 3;
    }
    for (int k = 0; k < 8; ++k) {
        for (const Card& card : Cards(columns[k])) {
            table.cards[k][++table.top[k]] = static_cast<std::uint8_t>(CardCode(card));
        }
    }
    EXPECT_EQ(solver::Search(table, {}).verdict, solver::Verdict::kCannotBeWon);
}

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Command(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int status = solver::RunSolveCommand(arguments, out, err, {false, 2});
    return {status, out.str(), err.str()};
}

// The line and the number of moves the command should print for game `number`,
// from the solver itself.
std::pair<std::string, std::string> Solution(int number) {
    const std::vector<solver::Move> line = solver::SolveGame(number).line;
    std::string text;
    for (const solver::Move& move : line) {
        text += solver::MoveText(move) + "\n";
    }
    return {text, std::to_string(line.size())};
}

TEST(SolveCommand, PrintsTheLineForOneGameAndAVerdictPerGameOfARange) {
    const Outcome one = Command({"1"});
    EXPECT_EQ(one.status, 0);
    const auto [line, moves] = Solution(1);
    EXPECT_EQ(one.out, line + "won in " + moves + " moves\n");

    // A range, one game as a range, and the last number at the end of one.
    for (const auto& [range, first, last] :
         {std::tuple{"44-46", 44, 46}, {"7-7", 7, 7}, {"45898-45899", 45898, 45899}}) {
        std::string verdicts;
        for (int number = first; number <= last; ++number) {
            verdicts += std::to_string(number) + " won " + Solution(number).second + "\n";
        }
        const Outcome run = Command({range});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, verdicts);
        EXPECT_EQ(run.err, "");
    }
}

TEST(SolveCommand, RefusesWhatItCannotReadWithOneLineAndStatusTwo) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {}, {"45900"}, {"-1"}, {"5-3"}, {"1-x"}, {"--fast"}, {"1", "2"}}) {
        const Outcome run = Command(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("kelmora-solve: ")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

}  // namespace
