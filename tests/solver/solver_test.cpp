// The solver: its lines replayed through the game, its proof of a locked
// table, and what its command prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/table_text.h"
#include "game/view_table.h"
#include "solver/command.h"
#include "solver/distance.h"
#include "solver/game_solver.h"
#include "solver/headless_game.h"
#include "solver/legal_moves.h"
#include "solver/seen_set.h"
#include "solver/shorten.h"

namespace {

TEST(Solver, EachLineItPrintsWinsItsGameNamesItsCardsAndOnlyTheWholeLineWins) {
    // Each of these lines moves single cards and runs into empty columns.
    for (const int number : {1, 125, 11982, 45899}) {
        const solver::GameResult result = solver::SolveGame(number);
        ASSERT_EQ(result.verdict, solver::Verdict::kWon) << number;
        // Played press by press: each move names the card that moves, the
        // deepest of a run, and none is one automatic play would make.
        solver::HeadlessGame game;
        game.Deal(number);
        for (const solver::Move& move : result.line) {
            const CSolView& view = game.View();
            const Card moving =
                move.fromPlace == solver::Move::kCell
                    ? view.m_Cards[move.from][table::kCellRow]
                    : view.m_Cards[move.from][view.m_nTop[move.from] - move.count + 1];
            EXPECT_TRUE(solver::MoveText(move).ends_with(" " + solver::CardName(moving)))
                << number << ": " << solver::MoveText(move);
            EXPECT_FALSE(move.toPlace == solver::Move::kHome &&
                         rules::AutoSendsHome(ViewTable{view}, moving))
                << number << ": " << solver::MoveText(move);
            ASSERT_TRUE(game.Play(move)) << number << ": " << solver::MoveText(move);
            game.Settle();
        }
        EXPECT_TRUE(game.Won()) << number;
        std::vector<solver::Move> shortened = result.line;
        shortened.erase(shortened.begin() + static_cast<long>(shortened.size() / 2));
        EXPECT_FALSE(solver::ReplayWins(number, shortened)) << number;
    }
}

TEST(Solver, ShortensALineUntilNoStretchOfItCanBeReplaced) {
    constexpr int kNumber = 125;
    const solver::Position deal = solver::DealtPosition(kNumber);
    const std::vector<solver::Move> line = solver::SolveGame(kNumber).line;
    EXPECT_EQ(solver::Shorten(deal, line, 2), line);

    // A card of a run taken into a reserve cell and back comes out again.
    solver::Position table = deal;
    std::size_t at = 0;
    int column = -1;
    int cell = 0;
    const auto runTop = [&](int k) {
        return table.top[k] >= 1 &&
               FitsOn(table.At(k, table.top[k]), table.At(k, table.top[k] - 1));
    };
    while (at < line.size() && column < 0) {
        solver::Reach(table, line[at], at == 0);
        ++at;
        cell = 0;
        while (cell < 3 && table.CellUsed(cell)) {
            ++cell;
        }
        for (int k = 0; k < 8 && at >= line.size() / 2 && !table.CellUsed(cell); ++k) {
            column = runTop(k) ? k : column;
        }
    }
    ASSERT_GE(column, 0);
    const solver::Move out =
        solver::MoveOf(table, solver::Move::kColumn, column, solver::Move::kCell, cell, 1);
    solver::Position parked = table;
    solver::Apply(parked, out);
    const solver::Move back =
        solver::MoveOf(parked, solver::Move::kCell, cell, solver::Move::kColumn, column, 1);
    std::vector<solver::Move> detour = line;
    detour.insert(detour.begin() + static_cast<long>(at), {out, back});
    ASSERT_TRUE(solver::ReplayWins(kNumber, detour));
    EXPECT_EQ(solver::Shorten(deal, detour, 1), line);
}

TEST(Solver, WeighsMixesAndSettlesTheTablesOneMoveAwayAsIfFromScratch) {
    // Every move from every table along game 1's line and down its first
    // moves again, the cards going home included: what the search carries
    // from table to table agrees with what each table says by itself.
    constexpr solver::Weights kEveryTerm{1, 2, 3, 4, 5, 6, 7, 8};
    const solver::Position deal = solver::DealtPosition(1);
    solver::Position table = deal;
    solver::DistanceFrom distance(table, kEveryTerm);
    solver::CanonicalKeyFrom key(table);
    const std::vector<solver::Move> line = solver::SolveGame(1).line;
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(solver::LegalMoves(deal).size(), 13u);  // the unlikely moves too: 9 without
    for (const solver::Move& step : line) {
        const bool fromDeal = table == deal;
        for (const solver::Move& move : solver::LegalMoves(table)) {
            solver::Position next = table;
            solver::Play(next, move, fromDeal);
            solver::Position settled = table;
            solver::Apply(settled, move);
            solver::SettleAutoPlay(settled);
            ASSERT_EQ(next, settled) << solver::MoveText(move);
            EXPECT_EQ(distance.Of(next), solver::Distance(next, kEveryTerm));
            EXPECT_EQ(key.Of(next), solver::CanonicalKey(next));
            EXPECT_EQ(key.Next(next).Of(next), solver::CanonicalKey(next));
        }
        solver::Play(table, step, fromDeal);
        distance = distance.Next(table);
        key = key.Next(table);
        EXPECT_EQ(distance.Of(table), solver::Distance(table, kEveryTerm));
    }
}

TEST(Solver, WeighsALockedTableTermByTermAndProvesItCannotBeWon) {
    // Every suit home up to its Three, the reserve cells full and the Fours
    // buried: cards shift onto others for a few moves, but none ever frees a
    // place. Columns read from the bottom up.
    const char* const cells = "KS KH JH QS";
    const char* const columns[] = {"9D 8H 7D 9S QH", "6C TH 4S 4H 6S", "7C 9H 6H 7S TS",
                                   "5S 9C JS TC 6D", "4D 5D 4C JD",    "QC KD 7H 8D",
                                   "QD 8C 5H 5C",    "JC 8S KC TD"};
    const auto lay = [](solver::Position& table, int k, const char* column) {
        for (const Card& card : Cards(column)) {
            table.cards[k][++table.top[k]] = static_cast<std::uint8_t>(CardCode(card));
        }
    };
    solver::Position table;
    for (int j = 0; j < 4; ++j) {
        table.cells[j] = static_cast<std::uint8_t>(CardCode(Cards(cells)[j]));
        table.home[j] = 3;
        lay(table, j, columns[j]);
        lay(table, j + 4, columns[j + 4]);
    }
    // What counts against it, counted by hand: 40 cards out, 4 cells used, the
    // Fours under 2 + 1 and 3 + 1 cards, 27 cards out of order, 17 of them above
    // a lower rank, none in order above one, and the Fours 10 ranks from the Kings.
    solver::Position few;  // in order above a lower rank, two lone cards, 5 empty columns
    lay(few, 0, "5S 9H 8S");
    few.home[1] = 4;  // the Five of Spades goes home next
    lay(few, 1, "KD");
    lay(few, 2, "QC");
    const struct {
        const solver::Position& table;
        solver::Weights weights;
        int distance;
    } weighed[] = {{table, {.cardOut = 1}, 40},      {table, {.cellUsed = 1}, 4},
                   {table, {.onNext = 1}, 7},        {table, {.outOfRun = 1}, 27},
                   {table, {.looseAbove = 1}, 17},   {table, {.aboveLower = 1}, 0},
                   {table, {.lowestBehind = 1}, 10}, {few, {.emptyColumn = 1}, -5},
                   {few, {.aboveLower = 1}, 1},      {few, {.onNext = 1}, 2}};
    for (const auto& [on, weights, distance] : weighed) {
        EXPECT_EQ(solver::Distance(on, weights), distance) << distance;
    }
    // Whole tables are alike only for the same cards in other columns or cells.
    const auto changed = [&table](auto change) {
        solver::Position other = table;
        change(other);
        return solver::CanonicalTable(other) == solver::CanonicalTable(table);
    };
    EXPECT_TRUE(changed([](solver::Position& t) {
        std::swap(t.cards[0], t.cards[1]);
        std::swap(t.cells[0], t.cells[3]);
    }));
    solver::Position lone = few;  // the lone cards trade columns
    std::swap(lone.cards[1], lone.cards[2]);
    EXPECT_EQ(solver::CanonicalTable(lone), solver::CanonicalTable(few));
    solver::SeenSet<solver::ExactTable> seen;  // once seen, even with no reserve card
    EXPECT_TRUE(seen.Insert(solver::CanonicalTable(few)));
    EXPECT_FALSE(seen.Insert(solver::CanonicalTable(lone)));
    for (const std::uint8_t code : {1, 52}) {  // any card in a cell counts in the key
        solver::Position parked = few;
        parked.cells[0] = code;
        EXPECT_NE(solver::CanonicalKey(parked), solver::CanonicalKey(few)) << int{code};
    }
    EXPECT_FALSE(changed([](solver::Position& t) { std::swap(t.cards[0][4], t.cards[1][4]); }));
    EXPECT_FALSE(changed([](solver::Position& t) { std::swap(t.cells[0], t.cards[7][3]); }));
    EXPECT_FALSE(changed([](solver::Position& t) { t.cells[3] = 24; }));  // the smallest, QS to JS
    // Only the last stage, which compares whole tables, may say so.
    const solver::SearchResult result = solver::Search(table, {});
    EXPECT_EQ(result.verdict, solver::Verdict::kCannotBeWon);
    ASSERT_GE(result.stages.size(), 2u);
    EXPECT_EQ(
        std::count(result.stages.begin(), result.stages.end() - 1, solver::Verdict::kUndecided),
        static_cast<long>(result.stages.size()) - 1);
}

TEST(Solver, GivesTheSameVerdictsAndLinesWithOneThreadAndWithManyOnALateStage) {
    // Game 4673 needs a later look, which runs only once the ones before gave
    // up, and on eight threads more than a search's share of the small
    // budgets; game 4672 is searched alongside it.
    const std::vector<solver::Verdict> stages =
        solver::Search(solver::DealtPosition(4673), {}).stages;
    ASSERT_GE(stages.size(), 2u);
    EXPECT_EQ(std::count(stages.begin(), stages.end(), solver::Verdict::kUndecided),
              static_cast<long>(stages.size()) - 1);
    const auto solve = [](unsigned threads) {
        std::vector<std::pair<solver::Verdict, std::vector<solver::Move>>> results;
        solver::SolveRange(
            4672, 4673, threads,
            [&](int, const solver::GameResult& result) {
                results.emplace_back(result.verdict, result.line);
                return true;
            },
            [](int, int) {});
        return results;
    };
    const auto alone = solve(1);
    ASSERT_EQ(alone.size(), 2u);
    EXPECT_EQ(alone[1].first, solver::Verdict::kWon);
    EXPECT_EQ(solve(8), alone);
    EXPECT_EQ(solver::SolveGame(4755).line.size(), 63u);  // a later look's win, straightened
}

TEST(GameDeathTest, AnIndexOffTheTableStopsTheGameBeforeAnotherPlaceIsRead) {
    EXPECT_DEATH(ViewTable{solver::HeadlessGame().View()}.Top(table::kColumns), "");
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

// Every line but the summary's time, which varies.
std::string WithoutTime(const std::string& text) {
    return text.substr(0, text.rfind("time: "));
}

// A file of what the command printed when its lines were last looked at:
// `kelmora-solve 1 > game_1.txt`, `kelmora-solve 1-40 | grep -v time: > games_1-40.txt`.
std::string Known(const std::string& name) {
    std::ifstream file(std::string(KELMORA_SOLVER_TEST_DATA) + "/" + name);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The very lines and lengths looked at last: a change in how the solver searches
// or shortens shows here first.
TEST(SolveCommand, PrintsTheLineForOneGameAndAVerdictPerGameOfARange) {
    const Outcome one = Command({"1"});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, Known("game_1.txt"));

    // A range; one game as a range, shortened two moves at a time, and the last
    // number at the end of a range; the jobs given three ways, the most of them too.
    for (const auto& [arguments, verdicts] :
         {std::pair{std::vector<std::string>{"-j", "1024", "1-40"}, Known("games_1-40.txt")},
          {{"-j2", "141-141"}, "141 won 49\nwon: 1 of 1\ncannot be won: none\nundecided: none\n"},
          {{"--jobs=2", "45898-45899"},
           "45898 won 38\n45899 won 43\nwon: 2 of 2\ncannot be won: none\nundecided: none\n"}}) {
        const Outcome run = Command(arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(WithoutTime(run.out), verdicts);
        EXPECT_TRUE(run.out.ends_with(" s\n")) << run.out;
        EXPECT_EQ(run.err, "");
    }
}

TEST(SolveCommand, AnswersHelpAndVersionAndFailsWhenItsOutputCannotBeWritten) {
    const Outcome help = Command({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* part : {"Usage: kelmora-solve", "FROM TO COUNT CARD", "--jobs", "--all"}) {
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    }
    const Outcome version = Command({"--version"});
    EXPECT_EQ(std::tuple(version.status, version.out), std::tuple(0, "kelmora-solve 1.0\n"));

    // Output that goes nowhere, as on a full disk.
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"7"}, {"7-8"}, {"--help"}}) {
        std::ostream full(nullptr);
        std::ostringstream err;
        EXPECT_EQ(solver::RunSolveCommand(arguments, full, err, {false, 2}), 1);
        EXPECT_TRUE(err.str().starts_with("kelmora-solve: cannot write")) << err.str();
        EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << err.str();
    }
}

TEST(SolveCommand, RefusesWhatItCannotReadWithOneLineAndStatusTwo) {
    const std::string kOne = "expected one game number, a range A-B or --all (see --help)";
    const std::string kRange = "game numbers run from 0 to 45899: ";
    const std::string kJobs = "the number of jobs runs from 1 to 1024: ";
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{}, kOne},
        {{"45900"}, kRange + "45900"},
        {{"-0"}, kRange + "-0"},
        {{"-9"}, kRange + "-9"},
        {{"x"}, "not a game number: x"},
        {{"5-3"}, "malformed range: 5-3"},
        {{"1-100000"}, "malformed range: 1-100000"},
        {{"--fast"}, "unknown option --fast"},
        {{"-q"}, "unknown option -q"},
        {{"1", "2"}, kOne},
        {{"-j", "0", "1"}, kJobs + "0"},
        {{"1", "-j"}, "-j needs a number of jobs"},
        {{"--jobs=x", "1"}, kJobs + "x"}};
    for (const auto& [arguments, message] : refused) {
        const Outcome run = Command(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "kelmora-solve: " + message + "\n");
    }
}

// A full disk is named, a stream failing alone is not; on a terminal the bar
// shows no deal done while the deal is open, then all done.
TEST(SolveCommand, NamesAFullDiskAndDrawsItsBarFromNoDealDone) {
    std::ostream nowhere(nullptr);
    std::ofstream full("/dev/full");
    std::ostringstream out, err, bar;
    EXPECT_EQ(solver::RunSolveCommand({"--help"}, nowhere, err, {false, 2}), 1);
    EXPECT_EQ(solver::RunSolveCommand({"--help"}, full, err, {false, 2}), 1);
    EXPECT_EQ(err.str(),
              "kelmora-solve: cannot write the output\n"
              "kelmora-solve: cannot write the output: No space left on device\n");
    ASSERT_EQ(solver::RunSolveCommand({"45-45"}, out, bar, {true, 1}), 0);
    const std::string open = bar.str().substr(0, bar.str().find("\r\x1b[K"));  // until the verdict
    EXPECT_EQ(open.find("] 1/1"), std::string::npos) << open;
    EXPECT_NE(open.find("] 0/1 deals  0.0/s  1 open for 0:00"), std::string::npos) << open;
    const std::string last = bar.str().substr(bar.str().rfind('\r'));
    EXPECT_TRUE(last.starts_with("\r[" + std::string(30, '#') + "] 1/1 deals  ")) << last;
    EXPECT_TRUE(last.ends_with("/s  0:00 left\x1b[K\n")) << last;
}

}  // namespace
