// The solver: its lines replayed through the game, its proof of a locked
// table, and what its command prints.
#include <gtest/gtest.h>

#include <sstream>

#include "solver/command.h"
#include "solver/game_solver.h"
#include "solver/headless_game.h"

namespace {

constexpr std::size_t kPositions = 2'000'000;
TEST(Solver, EachLineItPrintsWinsItsGameAndOnlyTheWholeLineDoes) {
    for (const int number : {1, 125, 11982, 45899}) {
        const solver::GameResult result = solver::SolveGame(number, kPositions);
        ASSERT_EQ(result.verdict, solver::Verdict::kWon) << number;
        EXPECT_TRUE(solver::ReplayWins(number, result.line)) << number;
        std::vector<solver::Move> shortened = result.line;
        shortened.erase(shortened.begin() + static_cast<long>(shortened.size() / 2));
        EXPECT_FALSE(solver::ReplayWins(number, shortened)) << number;
    }
}

TEST(Solver, ProvesThatALockedTableCannotBeWon) {
    // Every suit home up to its Eight; Kings fill the reserve cells, and each
    // column hides its Nine or Jack under a card that fits nowhere.
    solver::Position table;
    const auto code = [](int rank, int suit) {
        return static_cast<std::uint8_t>(suit * 13 + rank);
    };
    for (int suit = 0; suit < 4; ++suit) {
        table.home[suit] = 8;
        table.cells[suit] = code(13, suit);
    }
    const int columns[8][2][2] = {{{9, 0}, {12, 0}},  {{9, 1}, {12, 1}},  {{9, 2}, {12, 2}},
                                  {{9, 3}, {12, 3}},  {{11, 0}, {10, 1}}, {{11, 1}, {10, 0}},
                                  {{11, 2}, {10, 3}}, {{11, 3}, {10, 2}}};
    for (int k = 0; k < 8; ++k) {
        table.top[k] = 1;
        table.cards[k][0] = code(columns[k][0][0], columns[k][0][1]);
        table.cards[k][1] = code(columns[k][1][0], columns[k][1][1]);
    }
    EXPECT_EQ(solver::Search(table, kPositions).verdict, solver::Verdict::kCannotBeWon);
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Command(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = solver::RunSolveCommand(arguments, out, err, false, 2);
    return {status, out.str(), err.str()};
}

// What the command should print for game `number`, from the solver itself.
std::string Line(int number) {
    std::string text;
    for (const solver::Move& move : solver::SolveGame(number, kPositions).line) {
        text += solver::MoveText(move) + "\n";
    }
    return text;
}

std::size_t Moves(int number) {
    return solver::SolveGame(number, kPositions).line.size();
}

TEST(SolveCommand, PrintsTheLineForOneGameAndAVerdictPerGameOfARange) {
    const Outcome one = Command({"1"});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, Line(1) + "won in " + std::to_string(Moves(1)) + " moves\n");

    const Outcome range = Command({"44-46"});
    EXPECT_EQ(range.status, 0);
    std::string verdicts;
    for (const int number : {44, 45, 46}) {
        verdicts += std::to_string(number) + " won " + std::to_string(Moves(number)) + "\n";
    }
    EXPECT_EQ(range.out, verdicts);
    EXPECT_EQ(range.err, "");
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
