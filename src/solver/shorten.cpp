#include "solver/shorten.h"

#include <bitset>
#include <numeric>
#include <unordered_map>

#include "solver/legal_moves.h"

namespace solver {

namespace {

// Where the places of one table lie on another that holds the same cards in
// other columns or reserve cells.
struct Places {
    std::array<std::uint8_t, rules::kColumns> column;
    std::array<std::uint8_t, rules::kCells> cell;

    static Places Same() {
        Places same{};
        std::iota(same.column.begin(), same.column.end(), 0);
        std::iota(same.cell.begin(), same.cell.end(), 0);
        return same;
    }

    // The places of `from` on `to`, two tables of the same cards.
    static Places Between(const Position& from, const Position& to) {
        Places places{};
        std::array<bool, rules::kColumns> taken{};
        for (int pass = 0; pass < 2; ++pass) {  // columns with cards, then the empty ones
            for (int k = 0; k < rules::kColumns; ++k) {
                const bool empty = from.top[k] < 0;
                if (empty != (pass == 1)) {
                    continue;
                }
                for (int on = 0; on < rules::kColumns; ++on) {
                    const bool match = empty
                                           ? to.top[on] < 0
                                           : to.top[on] >= 0 && to.cards[on][0] == from.cards[k][0];
                    if (match && !taken[on]) {
                        taken[on] = true;
                        places.column[k] = static_cast<std::uint8_t>(on);
                        break;
                    }
                }
            }
        }
        std::array<bool, rules::kCells> used{};
        for (int j = 0; j < rules::kCells; ++j) {
            for (int on = 0; on < rules::kCells; ++on) {
                if (!used[on] && to.cells[on] == from.cells[j]) {
                    used[on] = true;
                    places.cell[j] = static_cast<std::uint8_t>(on);
                    break;
                }
            }
        }
        return places;
    }

    std::uint8_t Of(Move::Place place, std::uint8_t index) const {
        return place == Move::kColumn ? column[index] : place == Move::kCell ? cell[index] : index;
    }

    Move On(Move move) const {
        move.from = Of(move.fromPlace, move.from);
        move.to = Of(move.toPlace, move.to);
        return move;
    }

    // These places, then `next`'s.
    Places Then(const Places& next) const {
        Places both{};
        for (int k = 0; k < rules::kColumns; ++k) {
            both.column[k] = column[next.column[k]];
        }
        for (int j = 0; j < rules::kCells; ++j) {
            both.cell[j] = cell[next.cell[j]];
        }
        return both;
    }
};

// Where on the line each table lies, the last time it does, in whatever
// order of columns and reserve cells.
class LineTables {
  public:
    explicit LineTables(const std::vector<Position>& tables) : m_tables(tables) {
        for (std::size_t i = 0; i < tables.size(); ++i) {
            m_exact.push_back(CanonicalTable(tables[i]));
            const std::uint64_t key = CanonicalKey(tables[i]);
            m_last[key] = static_cast<int>(i);
            m_maybe.set(key % m_maybe.size());
        }
    }
    // The table of the line whose key is `key`, a table's CanonicalKey, if
    // any: one that may be the same. Most tables tried are on no line, and
    // one bit says so.
    int Find(std::uint64_t key) const {
        if (!m_maybe.test(key % m_maybe.size())) {
            return -1;
        }
        const auto found = m_last.find(key);
        return found != m_last.end() ? found->second : -1;
    }
    // Whether table i of the line is `position`, in whatever order.
    bool Holds(int i, const Position& position) const {
        return m_exact[i] == CanonicalTable(position);
    }
    const Position& At(int i) const { return m_tables[i]; }

  private:
    const std::vector<Position>& m_tables;
    std::vector<ExactTable> m_exact;
    std::unordered_map<std::uint64_t, int> m_last;
    std::bitset<4096> m_maybe;
};

// A way from one table of the line to a later one: `line` from the first,
// which reaches table `to` with its places moved as `places` says.
struct Shortcut {
    int moves;
    int to;
    std::vector<Move> line;
    Places places;
};

// Looks from `position`, reached from table `from` of the line by `path`, for
// the way to a later table of the line that leaves the fewest moves in all,
// the line after table j taking `rest[j]`.
// `moves[i]` holds the moves from the table i moves along `path`.
void Explore(const Position& position, std::uint64_t key, int from, int depth,
             const LineTables& tables, const std::vector<int>& rest, std::vector<Move>& path,
             std::vector<std::vector<Move>>& movesAt, Shortcut& best) {
    const int found = tables.Find(key);
    const int steps = static_cast<int>(path.size());
    if (found > from && steps + rest[found] < best.moves + rest[best.to] &&
        tables.Holds(found, position)) {
        best = {steps, found, path, Places::Between(tables.At(found), position)};
    }
    if (steps == depth) {
        return;
    }
    std::vector<Move>& moves = movesAt[steps];
    const bool fromDeal = from == 0 && steps == 0;
    const CanonicalKeyFrom keys(position);
    // Past the first move only the likely moves: nearly every shortcut they
    // leave out is matched by one as short.
    LegalMoves(position, fromDeal, moves, steps > 0);
    for (const Move& move : moves) {
        // A table of the line is never one the game counts lost: only the
        // tables a shortcut passes on its way need judging.
        Position next = position;
        Play(next, move, fromDeal);
        if (steps + 1 < depth && CountsNoMoveLeft(next)) {
            continue;
        }
        path.push_back(move);
        Explore(next, keys.Of(next), from, depth, tables, rest, path, movesAt, best);
        path.pop_back();
    }
}

}  // namespace

std::vector<Move> Shorten(const Position& deal, std::vector<Move> line, int depth) {
    for (;;) {
        std::vector<Position> tables{deal};
        for (const Move& move : line) {
            tables.push_back(tables.back());
            Reach(tables.back(), move, tables.size() == 2);
        }
        const LineTables where(tables);
        // The fewest moves from each table of the line to its end, and how.
        const int last = static_cast<int>(line.size());
        std::vector<int> rest(last + 1, 0);
        std::vector<Shortcut> ways(last + 1);
        std::vector<std::vector<Move>> movesAt(depth);
        for (int i = last - 1; i >= 0; --i) {
            ways[i] = {1, i + 1, {line[i]}, Places::Same()};
            std::vector<Move> path;
            Explore(tables[i], CanonicalKey(tables[i]), i, depth, where, rest, path, movesAt,
                    ways[i]);
            rest[i] = ways[i].moves + rest[ways[i].to];
        }
        if (rest[0] == last) {
            return line;
        }
        // Each way's moves name the places of the table it starts from;
        // `places` says where those lie by now.
        std::vector<Move> shorter;
        Places places = Places::Same();
        for (int i = 0; i < last; i = ways[i].to) {
            for (const Move& move : ways[i].line) {
                shorter.push_back(places.On(move));
            }
            places = places.Then(ways[i].places);
        }
        line = std::move(shorter);
    }
}

}  // namespace solver
