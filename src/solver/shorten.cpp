#include "solver/shorten.h"

#include <cstring>
#include <unordered_map>

#include "solver/legal_moves.h"

namespace solver {

namespace {

// Tables met place by place: a stretch of moves may only be replaced by one
// that leaves every card where the line had it, since the moves after it
// name their places.
std::uint64_t PlaceKey(const Position& position) {
    std::uint64_t key = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&position);
    for (std::size_t at = 0; at + 8 <= sizeof position; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, 8);
        key = (key ^ word) * 0x100000001B3ull;
        key ^= key >> 32;
    }
    return key;
}
static_assert(sizeof(Position) % 8 == 0);

// Where on the line each table lies, the last time it does.
class LineTables {
  public:
    explicit LineTables(const std::vector<Position>& tables) : m_tables(tables) {
        for (std::size_t i = 0; i < tables.size(); ++i) {
            m_last[PlaceKey(tables[i])] = static_cast<int>(i);
        }
    }
    int Find(const Position& position) const {
        const auto found = m_last.find(PlaceKey(position));
        return found != m_last.end() && m_tables[found->second] == position ? found->second : -1;
    }

  private:
    const std::vector<Position>& m_tables;
    std::unordered_map<std::uint64_t, int> m_last;
};

// A way from one table of the line to a later one.
struct Shortcut {
    int moves;
    int to;
    std::vector<Move> line;
};

// Looks from `position`, reached from table `from` of the line by `path`, for
// the way to a later table of the line that leaves the fewest moves in all,
// the line after table j taking `rest[j]`.
void Explore(const Position& position, int from, int depth, const LineTables& tables,
             const std::vector<int>& rest, std::vector<Move>& path, Shortcut& best) {
    const int found = tables.Find(position);
    const int steps = static_cast<int>(path.size());
    if (found > from && steps + rest[found] < best.moves + rest[best.to]) {
        best = {steps, found, path};
    }
    if (steps == depth) {
        return;
    }
    std::vector<Move> moves;
    LegalMoves(position, from == 0 && steps == 0, moves);
    for (const Move& move : moves) {
        Position next = position;
        if (!Reach(next, move)) {
            continue;
        }
        path.push_back(move);
        Explore(next, from, depth, tables, rest, path, best);
        path.pop_back();
    }
}

}  // namespace

std::vector<Move> Shorten(const Position& deal, std::vector<Move> line, int depth) {
    for (;;) {
        std::vector<Position> tables{deal};
        for (const Move& move : line) {
            tables.push_back(tables.back());
            Reach(tables.back(), move);
        }
        const LineTables where(tables);
        // The fewest moves from each table of the line to its end, and how.
        const int last = static_cast<int>(line.size());
        std::vector<int> rest(last + 1, 0);
        std::vector<Shortcut> ways(last + 1);
        for (int i = last - 1; i >= 0; --i) {
            ways[i] = {1, i + 1, {line[i]}};
            std::vector<Move> path;
            Explore(tables[i], i, depth, where, rest, path, ways[i]);
            rest[i] = ways[i].moves + rest[ways[i].to];
        }
        if (rest[0] == last) {
            return line;
        }
        std::vector<Move> shorter;
        for (int i = 0; i < last; i = ways[i].to) {
            shorter.insert(shorter.end(), ways[i].line.begin(), ways[i].line.end());
        }
        line = std::move(shorter);
    }
}

}  // namespace solver
