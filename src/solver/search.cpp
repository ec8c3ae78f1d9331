#include "solver/search.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <numeric>
#include <span>

#include "solver/distance.h"
#include "solver/seen_set.h"

namespace solver {

namespace {

// Each card that must still move, the loose ones most, and the free places
// taken, weighed against the moves made, with a little for each card not
// home and each rank the lowest home cell lacks: finds short wins for most
// deals within a few thousand tables.
constexpr Weights kFewMoves{1, 6, 3, 0, 0, 1, 3, 7};
// Cards home first: wins most deals soonest.
constexpr Weights kCardsHome{6, 3, 4, 2, 2, 0, 0, 0};
// The home cells kept level and columns emptied: wins deals where sending
// one suit far ahead buries the low cards of the others.
constexpr Weights kLevelHomes{6, 3, 8, 4, 2, 8, 0, 0};
// The same, the reserve cells kept free as well: wins others of those deals.
constexpr Weights kFreeCells{6, 5, 8, 4, 2, 8, 0, 0};

// Lets a search go on while all it holds stays within its budget, taking
// the large budget's lock once it outgrows the small one.
class Allowance {
  public:
    explicit Allowance(const Budget& budget) : m_budget(budget) {}

    // `held`: the bytes of each container; the largest may double next, old
    // and new side by side.
    bool Allows(std::initializer_list<std::size_t> held) {
        const std::size_t peak =
            std::accumulate(held.begin(), held.end(), std::size_t{0}) + 2 * std::max(held);
        if (peak > m_budget.smallBytes && m_budget.large != nullptr && !m_lock.owns_lock()) {
            m_lock = std::unique_lock(*m_budget.large);
        }
        return peak <= m_budget.bytes;
    }

  private:
    const Budget& m_budget;
    std::unique_lock<std::mutex> m_lock;
};

template <class T>
std::size_t Bytes(const std::vector<T>& items) {
    return items.capacity() * sizeof(T);
}

// The moves worth following from a table: a card nothing can want any more
// goes home before anything else is tried, unless the game would count no
// move left after it. `likely`: only the likely moves.
std::span<const Move> MovesToFollow(const Position& position, bool fromDeal, bool likely,
                                    std::vector<Move>& moves) {
    LegalMoves(position, fromDeal, moves, likely);
    if (const Move* forced = ForcedMove(position, moves)) {
        Position next = position;
        if (Reach(next, *forced, fromDeal)) {
            return {forced, 1};
        }
    }
    return moves;
}

struct Candidate {
    int distance;
    Move move;
};

// Depth first, the move to the table closest to a win first. With exact
// keys and nothing left unseen it proves that no win exists.
template <class Key>
SearchResult DepthFirst(const Position& deal, const Weights& weights, std::size_t maxTables,
                        Key (*keyOf)(const Position&), Allowance& allowance) {
    struct Frame {
        Position position;
        // This table's moves are pending[begin, end); `next` is the next to follow.
        std::size_t begin;
        std::size_t next;
        std::size_t end;
    };
    SeenSet<Key> seen;
    std::vector<Frame> frames;
    std::vector<Move> pending;
    std::vector<Move> moves;
    std::vector<Candidate> candidates;
    SearchResult result;

    // Queues the unseen tables one move away, the closest to a win first.
    const auto enter = [&](const Position& position) {
        candidates.clear();
        const DistanceFrom distance(position, weights);
        for (const Move& move : MovesToFollow(position, frames.empty(), false, moves)) {
            Position next = position;
            if (Reach(next, move, frames.empty()) && seen.Insert(keyOf(next))) {
                candidates.push_back({next.Won() ? -1 : distance.Of(next), move});
            }
        }
        std::stable_sort(
            candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
        const std::size_t begin = pending.size();
        for (const Candidate& candidate : candidates) {
            pending.push_back(candidate.move);
        }
        frames.push_back({position, begin, begin, pending.size()});
    };

    seen.Insert(keyOf(deal));
    enter(deal);
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.next == frame.end) {
            pending.resize(frame.begin);
            frames.pop_back();
            continue;
        }
        const Move move = pending[frame.next++];
        Position next = frame.position;
        Reach(next, move, frames.size() == 1);
        if (next.Won()) {
            for (const Frame& step : frames) {
                result.line.push_back(pending[step.next - 1]);
            }
            result.verdict = Verdict::kWon;
            break;
        }
        if (seen.Size() >= maxTables || !allowance.Allows({seen.GrowingBytes() - seen.Bytes(),
                                                           Bytes(frames), Bytes(pending)})) {
            result.positions = seen.Size();
            return result;
        }
        enter(next);
    }
    result.positions = seen.Size();
    if (result.verdict != Verdict::kWon && std::is_same_v<Key, ExactTable>) {
        result.verdict = Verdict::kCannotBeWon;
    }
    return result;
}

// Always the table closest to a win next, wherever it lies, counting each
// move made as `stepTenths` tenths of a point more: with a weight above 0 it
// prefers short wins. Keeps every table it meets.
SearchResult BestFirst(const Position& deal, const Weights& weights, int stepTenths,
                       std::size_t maxTables, Allowance& allowance) {
    // A table met is kept as the move that reached it from a table already
    // followed, and only the tables followed are kept whole: most tables met
    // are never followed, and one move made again costs less than keeping them.
    struct Node {
        std::uint32_t parent;  // the node the move was made from
        std::uint32_t from;    // that node's table among `followed`
        std::uint16_t steps;
        Move move;
    };
    // Lowest distance first, then the newest table.
    constexpr std::int64_t kLowestPriority = -10 * 1024;
    const auto entry = [](std::int64_t priority, std::size_t index) {
        return static_cast<std::uint64_t>(priority - kLowestPriority) << 32 |
               (0xFFFFFFFFu - static_cast<std::uint32_t>(index));
    };
    // A table followed, with what its columns weigh and mix to.
    struct Followed {
        Position position;
        DistanceFrom distance;
        CanonicalKeyFrom key;
    };
    SeenSet<std::uint64_t> seen;
    std::vector<Node> nodes{{0, 0, 0, Move{}}};
    std::vector<Followed> followed;
    std::vector<std::uint64_t> queue{entry(0, 0)};
    std::vector<Move> moves;
    SearchResult result;
    seen.Insert(CanonicalKey(deal));
    while (!queue.empty()) {
        std::pop_heap(queue.begin(), queue.end(), std::greater<>());
        const std::uint32_t index = 0xFFFFFFFFu - static_cast<std::uint32_t>(queue.back());
        queue.pop_back();
        if (index == 0) {
            followed.push_back({deal, DistanceFrom(deal, weights), CanonicalKeyFrom(deal)});
        } else {
            const Followed& parent = followed[nodes[index].from];
            Position position = parent.position;
            Play(position, nodes[index].move, nodes[index].from == 0);
            if (CountsNoMoveLeft(position)) {
                continue;
            }
            followed.push_back(
                {position, parent.distance.Next(position), parent.key.Next(position)});
        }
        const auto from = static_cast<std::uint32_t>(followed.size() - 1);
        const Position& position = followed.back().position;
        const DistanceFrom& distance = followed.back().distance;
        const CanonicalKeyFrom& key = followed.back().key;
        const auto steps = static_cast<std::uint16_t>(nodes[index].steps + 1);
        for (const Move& move : MovesToFollow(position, index == 0, true, moves)) {
            // A table the game would count lost is judged only once it is
            // next to follow: most tables met never are.
            Position next = position;
            Play(next, move, index == 0);
            if (!seen.Insert(key.Of(next))) {
                continue;
            }
            if (next.Won()) {
                result.line.push_back(move);
                for (std::uint32_t at = index; at != 0; at = nodes[at].parent) {
                    result.line.push_back(nodes[at].move);
                }
                std::reverse(result.line.begin(), result.line.end());
                result.verdict = Verdict::kWon;
                result.positions = seen.Size();
                return result;
            }
            nodes.push_back({index, from, steps, move});
            queue.push_back(entry(10 * distance.Of(next) + stepTenths * steps, nodes.size() - 1));
            std::push_heap(queue.begin(), queue.end(), std::greater<>());
        }
        if (seen.Size() >= maxTables ||
            !allowance.Allows({seen.GrowingBytes() - seen.Bytes(), Bytes(nodes), Bytes(followed),
                               Bytes(queue)})) {
            break;
        }
    }
    // Nothing left unseen proves nothing here: the keys may be shared.
    result.positions = seen.Size();
    return result;
}

// Each move made counts 2.8 points of distance: at 2.5 the lines come out a
// move longer, at 3.2 the search meets half as many tables again.
constexpr int kStepTenths = 28;

// A win found by the wider looks wanders. From tables along it, last ones
// first, the look for a short win often finds a shorter way to the end;
// each that it finds replaces the rest of the line.
void Straighten(const Position& deal, SearchResult& found, Allowance& allowance) {
    // Each look may meet ten thousand tables: a line that wanders through
    // many hundreds of moves is looked at from 64 tables at most.
    const std::size_t stretch = std::max<std::size_t>(8, found.line.size() / 64);
    constexpr std::size_t kTables = 10'000;
    std::vector<Position> tables{deal};
    for (const Move& move : found.line) {
        tables.push_back(tables.back());
        Reach(tables.back(), move, tables.size() == 2);
    }
    for (std::size_t at = found.line.size() - found.line.size() % stretch; at > 0;) {
        at -= stretch;
        SearchResult shorter = BestFirst(tables[at], kFewMoves, kStepTenths, kTables, allowance);
        found.positions += shorter.positions;
        if (shorter.verdict == Verdict::kWon && at + shorter.line.size() < found.line.size()) {
            found.line.resize(at);
            found.line.insert(found.line.end(), shorter.line.begin(), shorter.line.end());
        }
    }
}

ExactTable ExactKey(const Position& position) {
    return CanonicalTable(position);
}

std::uint64_t HashKey(const Position& position) {
    return CanonicalKey(position);
}

}  // namespace

SearchResult Search(const Position& deal, const Budget& budget) {
    // Most deals fall within a few thousand tables to the look for a short
    // win; the rest get a greedier look of the same kind, quick depth-first
    // looks, then the wider looks of best first, led one way and then
    // another, and what none wins is searched to the end, to prove it cannot
    // be won.
    enum Kind { kBest, kQuick, kWhole };
    struct Stage {
        Kind kind;
        const Weights& weights;
        int stepTenths;
        std::size_t tables;
    };
    const Stage stages[] = {
        {kBest, kFewMoves, kStepTenths, 60'000}, {kBest, kFewMoves, 10, 60'000},
        {kQuick, kFewMoves, 0, 50'000},          {kQuick, kCardsHome, 0, 50'000},
        {kBest, kCardsHome, 0, 300'000},         {kBest, kLevelHomes, 0, 300'000},
        {kBest, kFreeCells, 0, 300'000},         {kWhole, kCardsHome, 0, SIZE_MAX}};
    Allowance allowance(budget);
    std::size_t spent = 0;
    std::vector<Verdict> verdicts;
    SearchResult result;
    for (const Stage& stage : stages) {
        switch (stage.kind) {
            case kBest:
                result = BestFirst(deal, stage.weights, stage.stepTenths, stage.tables, allowance);
                break;
            case kQuick:
                result = DepthFirst(deal, stage.weights, stage.tables, &HashKey, allowance);
                break;
            case kWhole:
                result = DepthFirst(deal, stage.weights, stage.tables, &ExactKey, allowance);
                break;
        }
        if (&stage != &stages[0] && result.verdict == Verdict::kWon) {
            Straighten(deal, result, allowance);
        }
        spent += result.positions;
        verdicts.push_back(result.verdict);
        if (result.verdict != Verdict::kUndecided) {
            break;
        }
    }
    result.positions = spent;
    result.stages = std::move(verdicts);
    return result;
}

}  // namespace solver
