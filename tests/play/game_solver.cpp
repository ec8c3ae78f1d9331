#include "play/game_solver.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <queue>
#include <string>
#include <unordered_set>
#include <utility>

#include "fakes/fake_platform.h"
#include "moves/move_steps.h"

namespace play {
namespace {

constexpr unsigned kLeftButtonDown = 0x0001;
constexpr int kDeckSize = 52;

// A top card already lying on a card it fits on gains nothing by moving to
// another column.
bool SitsOnItsLike(const CSolView& view, int k) {
    const int top = view.m_nTop[k];
    return top >= 1 && FitsOn(view.m_Cards[k][top], view.m_Cards[k][top - 1]);
}

// A second game, played only through its handlers, the way the window plays it.
class Simulator {
  public:
    explicit Simulator(int number) {
        m_table.surface.keepLog = false;
        m_table.dialogs.moveChoice = [](CMoveChoiceDlg& dlg) {
            dlg.OnMoveSingleCard();
            return CMoveChoiceDlg::kMoved;
        };
        m_table.Deal(number);
    }

    CSolView& View() { return *m_table.view; }
    int ChoicesAsked() { return m_table.dialogs.shown["CMoveChoiceDlg"]; }

    // A press and its release. False when the release counts no move left,
    // which may lose the game at the next tick: the search keeps clear of it.
    bool Click(Spot spot) {
        View().OnLButtonDown(kLeftButtonDown, spot.x, spot.y);
        View().OnLButtonUp(0, spot.x, spot.y);
        return View().m_nMovesLeft != 0;
    }

    // Automatic play, tick after tick, until nothing moves. Stops short of the
    // tick that would find the game won and open the won dialogs.
    void Settle() {
        for (;;) {
            const Position before = PositionOf(View());
            if (CardsHome(before) == kDeckSize) {
                return;
            }
            View().AutoPlay();
            if (PositionOf(View()) == before) {
                return;
            }
        }
    }

  private:
    FakeTable m_table;
};

// Best-first search: the position that looks closest to a win is taken up
// next, with the moves made so far weighing in so that the way stays short.
class Search {
  public:
    Search(Simulator& simulator, int positionLimit)
        : m_simulator(simulator), m_positionLimit(positionLimit) {}

    // The moves from `opening` to a win, or nothing once the limit is reached.
    std::optional<std::vector<PlayerMove>> From(const Position& opening) {
        Enter(opening, kNoParent, {});
        while (!m_queue.empty() && static_cast<int>(m_nodes.size()) < m_positionLimit) {
            const std::size_t index = m_queue.top().second;
            m_queue.pop();
            const Position position = m_nodes[index].position;
            Restore(m_simulator.View(), position);
            for (const auto& [from, to] : Candidates(m_simulator.View())) {
                std::optional<PlayerMove> move = Play(position, from, to);
                if (!move) {
                    continue;
                }
                if (CardsHome(move->after) == kDeckSize) {
                    return PathTo(index, *move);
                }
                Enter(move->after, index, *move);
            }
        }
        return std::nullopt;
    }

  private:
    static constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

    struct Node {
        Position position;
        std::size_t parent;
        PlayerMove move;  // the move that led here from the parent
        int depth;
    };

    void Enter(const Position& position, std::size_t parent, const PlayerMove& move) {
        if (!m_seen.insert(Key(position)).second) {
            return;
        }
        const int depth = parent == kNoParent ? 0 : m_nodes[parent].depth + 1;
        m_nodes.push_back({position, parent, move, depth});
        m_queue.emplace(depth + 3 * Distance(position), m_nodes.size() - 1);
    }

    std::vector<PlayerMove> PathTo(std::size_t index, const PlayerMove& last) const {
        std::vector<PlayerMove> path{last};
        for (; m_nodes[index].parent != kNoParent; index = m_nodes[index].parent) {
            path.push_back(m_nodes[index].move);
        }
        std::ranges::reverse(path);
        return path;
    }

    // A rough count of the work left: cards still out, cards parked in cells,
    // cards lying on the next card each suit needs, and breaks in the columns.
    static int Distance(const Position& position) {
        int distance = 2 * (kDeckSize - CardsHome(position));
        for (int cell = 0; cell < table::kCells; ++cell) {
            distance += position.cellUsed[cell];
        }
        for (int k = 0; k < table::kColumns; ++k) {
            for (int row = 0; row <= position.top[k]; ++row) {
                const Card& card = position.cards[k][row];
                const Card& home = position.cards[table::kCells + card.nSuit][table::kCellRow];
                if (card.nRank == home.nRank + 1) {
                    distance += position.top[k] - row;
                }
                if (row > 0 && !FitsOn(card, position.cards[k][row - 1])) {
                    ++distance;
                }
            }
        }
        return distance;
    }

    // Plays one move from `position` and lets automatic play settle. Nothing
    // when the game refuses it or a release finds no move left.
    std::optional<PlayerMove> Play(const Position& position, Spot from, Spot to) {
        CSolView& view = m_simulator.View();
        Restore(view, position);
        const int choicesBefore = m_simulator.ChoicesAsked();
        if (!m_simulator.Click(from) || !m_simulator.Click(to) || PositionOf(view) == position) {
            return std::nullopt;
        }
        const bool asked = m_simulator.ChoicesAsked() != choicesBefore;
        m_simulator.Settle();
        return PlayerMove{from, to, asked, PositionOf(view)};
    }

    // Columns and cells sorted, so tables that differ only in which column or
    // cell holds what count as one.
    static std::string Key(const Position& position) {
        std::vector<std::string> columns;
        for (int k = 0; k < table::kColumns; ++k) {
            std::string column;
            for (int row = 0; row <= position.top[k]; ++row) {
                column += static_cast<char>('A' + CardCode(position.cards[k][row]));
            }
            columns.push_back(column);
        }
        std::ranges::sort(columns);
        std::string cells;
        for (int cell = 0; cell < table::kCells; ++cell) {
            cells += static_cast<char>('A' + CardCode(position.cards[cell][table::kCellRow]));
        }
        std::ranges::sort(cells);
        std::string key = cells;
        for (const std::string& column : columns) {
            key += '|' + column;
        }
        return key;
    }

    // Moves worth trying, most promising first: home, onto a card, into an
    // empty column, into a free cell.
    static std::vector<std::pair<Spot, Spot>> Candidates(CSolView& view) {
        std::vector<std::pair<Spot, Spot>> candidates;
        const auto columnHolds = [&](int k) { return view.m_nTop[k] >= 0; };
        const int* emptyColumn = std::ranges::find(view.m_nTop, -1);
        const int* freeCell = std::ranges::find(view.m_bCellUsed, 0);

        for (int k = 0; k < table::kColumns; ++k) {
            if (columnHolds(k) && moves::GoesHome(view, moves::TopCard(view, k))) {
                candidates.emplace_back(ColumnSpot(view, k),
                                        HomeSpot(moves::TopCard(view, k).nSuit));
            }
        }
        for (int cell = 0; cell < table::kCells; ++cell) {
            if (moves::GoesHome(view, moves::ReserveCell(view, cell))) {
                candidates.emplace_back(ReserveSpot(cell),
                                        HomeSpot(moves::ReserveCell(view, cell).nSuit));
            }
        }
        for (int source = 0; source < table::kColumns; ++source) {
            for (int target = 0; target < table::kColumns; ++target) {
                if (source != target && columnHolds(source) && columnHolds(target) &&
                    !SitsOnItsLike(view, source) &&
                    FitsOn(moves::TopCard(view, source), moves::TopCard(view, target))) {
                    candidates.emplace_back(ColumnSpot(view, source), ColumnSpot(view, target));
                }
            }
        }
        for (int cell = 0; cell < table::kCells; ++cell) {
            for (int target = 0; target < table::kColumns; ++target) {
                if (view.m_bCellUsed[cell] == 1 && columnHolds(target) &&
                    FitsOn(moves::ReserveCell(view, cell), moves::TopCard(view, target))) {
                    candidates.emplace_back(ReserveSpot(cell), ColumnSpot(view, target));
                }
            }
        }
        if (emptyColumn != std::end(view.m_nTop)) {
            const int target = static_cast<int>(emptyColumn - std::begin(view.m_nTop));
            for (int cell = 0; cell < table::kCells; ++cell) {
                if (view.m_bCellUsed[cell] == 1) {
                    candidates.emplace_back(ReserveSpot(cell), ColumnSpot(view, target));
                }
            }
            for (int source = 0; source < table::kColumns; ++source) {
                if (view.m_nTop[source] >= 1) {
                    candidates.emplace_back(ColumnSpot(view, source), ColumnSpot(view, target));
                }
            }
        }
        if (freeCell != std::end(view.m_bCellUsed)) {
            const int cell = static_cast<int>(freeCell - std::begin(view.m_bCellUsed));
            for (int source = 0; source < table::kColumns; ++source) {
                if (columnHolds(source)) {
                    candidates.emplace_back(ColumnSpot(view, source), ReserveSpot(cell));
                }
            }
        }
        return candidates;
    }

    Simulator& m_simulator;
    int m_positionLimit;
    std::unordered_set<std::string> m_seen;
    std::vector<Node> m_nodes;
    // Smallest estimate first.
    std::priority_queue<std::pair<int, std::size_t>, std::vector<std::pair<int, std::size_t>>,
                        std::greater<>>
        m_queue;
};

}  // namespace

std::optional<Solution> SolveGame(int number, int positionLimit) {
    Simulator simulator(number);
    if (!simulator.Click(kBareTable)) {
        return std::nullopt;
    }
    simulator.Settle();
    Solution solution{PositionOf(simulator.View()), {}};
    std::optional<std::vector<PlayerMove>> moves =
        Search(simulator, positionLimit).From(solution.opening);
    if (!moves) {
        return std::nullopt;
    }
    solution.moves = std::move(*moves);
    return solution;
}

}  // namespace play
