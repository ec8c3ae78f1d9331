#include "solver/search.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <queue>
#include <utility>

#include "solver/seen_set.h"

namespace solver {

namespace {

// Tables the first two looks may meet before the search settles down to
// going through them all.
constexpr std::size_t kQuickLook = 50'000;
constexpr std::size_t kWideLook = 1'000'000;

int FirstEmptyColumn(const Position& position) {
    for (int k = 0; k < rules::kColumns; ++k) {
        if (position.top[k] < 0) {
            return k;
        }
    }
    return -1;
}

int FirstFreeCell(const Position& position) {
    for (int j = 0; j < rules::kCells; ++j) {
        if (position.cells[j] == 0) {
            return j;
        }
    }
    return -1;
}

Move MakeMove(Move::Place fromPlace, int from, Move::Place toPlace, int to, int count) {
    return Move{fromPlace, static_cast<std::uint8_t>(from), toPlace, static_cast<std::uint8_t>(to),
                static_cast<std::uint8_t>(count)};
}

void AddCellMoves(const Position& position, int emptyColumn, std::vector<Move>& moves) {
    for (int j = 0; j < rules::kCells; ++j) {
        if (position.cells[j] == 0) {
            continue;
        }
        const Card card = position.Cell(j);
        if (rules::GoesHome(position, card)) {
            moves.push_back(MakeMove(Move::kCell, j, Move::kHome, card.nSuit, 1));
        }
        for (int k = 0; k < rules::kColumns; ++k) {
            if (position.top[k] >= 0 && FitsOn(card, rules::TopCard(position, k)) &&
                rules::HasRoomFor(position, k, 1)) {
                moves.push_back(MakeMove(Move::kCell, j, Move::kColumn, k, 1));
            }
        }
        if (emptyColumn >= 0) {
            moves.push_back(MakeMove(Move::kCell, j, Move::kColumn, emptyColumn, 1));
        }
    }
}

void AddColumnMoves(const Position& position, int emptyColumn, std::vector<Move>& moves) {
    const int freePlaces = rules::FreePlaces(position, -1);
    const int freeCell = FirstFreeCell(position);
    for (int source = 0; source < rules::kColumns; ++source) {
        if (position.top[source] < 0) {
            continue;
        }
        const Card card = rules::TopCard(position, source);
        if (rules::GoesHome(position, card)) {
            moves.push_back(MakeMove(Move::kColumn, source, Move::kHome, card.nSuit, 1));
        }
        for (int target = 0; target < rules::kColumns; ++target) {
            const int length = rules::FittingRunLength(position, source, target, freePlaces);
            if (length > 0) {
                moves.push_back(MakeMove(Move::kColumn, source, Move::kColumn, target, length));
            }
        }
        const int cards = position.top[source] + 1;
        if (emptyColumn >= 0 && cards > 1) {
            const int placesLeft = rules::FreePlaces(position, emptyColumn);
            if (rules::AsksRunOrCard(position, source, placesLeft)) {
                const int run = rules::RunIntoEmptyColumn(position, source, placesLeft);
                // The whole column into an empty one only changes its place.
                if (run < cards) {
                    moves.push_back(
                        MakeMove(Move::kColumn, source, Move::kColumn, emptyColumn, run));
                }
            }
            moves.push_back(MakeMove(Move::kColumn, source, Move::kColumn, emptyColumn, 1));
        }
        if (freeCell >= 0) {
            moves.push_back(MakeMove(Move::kColumn, source, Move::kCell, freeCell, 1));
        }
    }
}

// What counts against a table on its way to a win, card by card.
struct Weights {
    int cardOut;       // a card not yet home
    int cellUsed;      // a reserve cell in use
    int emptyColumn;   // taken off for an empty column
    int onNext;        // a card lying on the next card a home cell needs
    int outOfRun;      // a card that does not fit on the one below it
    int lowestBehind;  // a rank the lowest home cell still lacks
};

// Cards home first: wins most deals soonest.
constexpr Weights kCardsHome{6, 3, 4, 2, 2, 0};
// The home cells kept level and columns emptied: wins deals where sending
// one suit far ahead buries the low cards of the others.
constexpr Weights kLevelHomes{6, 3, 8, 4, 2, 8};
// The same, the reserve cells kept free as well: wins others of those deals.
constexpr Weights kFreeCells{6, 5, 8, 4, 2, 8};

// Lower is closer to a win.
int Distance(const Position& position, const Weights& weights) {
    const int lowest =
        std::min({position.home[0], position.home[1], position.home[2], position.home[3]});
    int distance = weights.cardOut * (kDeckSize - position.CardsHome()) +
                   weights.lowestBehind * (rules::kKing - lowest);
    for (int j = 0; j < rules::kCells; ++j) {
        distance += position.cells[j] != 0 ? weights.cellUsed : 0;
    }
    for (int k = 0; k < rules::kColumns; ++k) {
        const int top = position.top[k];
        if (top < 0) {
            distance -= weights.emptyColumn;
            continue;
        }
        for (int row = 0; row <= top; ++row) {
            const Card card = position.At(k, row);
            if (card.nRank == position.home[card.nSuit] + 1) {
                distance += weights.onNext * (top - row);
            }
            if (row > 0 && !FitsOn(card, position.At(k, row - 1))) {
                distance += weights.outOfRun;
            }
        }
    }
    return distance;
}

// A card no other card can still want to be built on, since both cards of
// the other colour one rank lower are home already: sending it home at once
// loses nothing, so no other move needs trying first.
bool NothingBuildsOn(const Position& position, const Card& card) {
    const int other = card.nSuit < 2 ? 2 : 0;
    return card.nRank <= std::min(position.home[other], position.home[other + 1]) + 1;
}

// The move that sends such a card home, if there is one.
std::optional<Move> ForcedMove(const Position& position) {
    for (const Move& move : LegalMoves(position)) {
        if (move.toPlace != Move::kHome) {
            continue;
        }
        const Card card = move.fromPlace == Move::kCell ? position.Cell(move.from)
                                                        : rules::TopCard(position, move.from);
        if (NothingBuildsOn(position, card)) {
            return move;
        }
    }
    return std::nullopt;
}

struct Candidate {
    int distance;
    Move move;
    Position reached;
};

// A table reached by a move, settled; false when the game would be lost there.
// The game declares no loss while automatic play still has a card to send
// home, so only the settled table is judged.
bool Reach(Position& position, const Move& move) {
    Apply(position, move);
    SettleAutoPlay(position);
    return position.Won() || !CountsNoMoveLeft(position);
}

// The unseen tables one move away, each with its distance from a win. A card
// that nothing can want any more goes home before anything else is tried,
// unless the game would count no move left after it.
void Children(const Position& position, const Weights& weights, SeenSet& seen,
              std::vector<Candidate>& children) {
    children.clear();
    if (const std::optional<Move> forced = ForcedMove(position)) {
        Position next = position;
        if (Reach(next, *forced)) {
            if (seen.Insert(CanonicalKey(next))) {
                children.push_back({next.Won() ? -1 : Distance(next, weights), *forced, next});
            }
            return;
        }
    }
    for (const Move& move : LegalMoves(position)) {
        Position next = position;
        if (Reach(next, move) && seen.Insert(CanonicalKey(next))) {
            children.push_back({next.Won() ? -1 : Distance(next, weights), move, next});
        }
    }
}

SearchResult DepthFirst(const Position& deal, const Weights& weights, std::size_t maxPositions) {
    struct Frame {
        Position position;
        // This table's moves are pending[begin, end); `next` is the next to follow.
        std::size_t begin;
        std::size_t next;
        std::size_t end;
    };
    SeenSet seen(maxPositions);
    std::vector<Frame> frames;
    std::vector<Move> pending;
    std::vector<Candidate> candidates;
    SearchResult result;

    // Queues the unseen tables one move away, the closest to a win first.
    const auto enter = [&](const Position& position) {
        Children(position, weights, seen, candidates);
        std::stable_sort(
            candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
        const std::size_t begin = pending.size();
        for (const Candidate& candidate : candidates) {
            pending.push_back(candidate.move);
        }
        frames.push_back({position, begin, begin, pending.size()});
    };

    seen.Insert(CanonicalKey(deal));
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
        Reach(next, move);
        if (next.Won()) {
            for (const Frame& step : frames) {
                result.line.push_back(pending[step.next - 1]);
            }
            result.verdict = Verdict::kWon;
            result.positions = seen.Size();
            return result;
        }
        if (seen.Full()) {
            result.positions = seen.Size();
            return result;
        }
        enter(next);
    }
    result.verdict = Verdict::kCannotBeWon;
    result.positions = seen.Size();
    return result;
}

// Always the table closest to a win next, wherever it lies: finds the deals
// where following the first promising move leads astray. Keeps every table.
SearchResult BestFirst(const Position& deal, const Weights& weights, std::size_t maxPositions) {
    struct Node {
        Position position;
        std::uint32_t parent;
        Move move;  // the move from the parent
    };
    SeenSet seen(maxPositions);
    std::vector<Node> nodes{{deal, 0, Move{}}};
    std::priority_queue<std::pair<int, std::uint32_t>, std::vector<std::pair<int, std::uint32_t>>,
                        std::greater<>>
        queue;
    std::vector<Candidate> children;
    SearchResult result;
    seen.Insert(CanonicalKey(deal));
    queue.emplace(0, 0);
    while (!queue.empty()) {
        const std::uint32_t index = queue.top().second;
        queue.pop();
        Children(nodes[index].position, weights, seen, children);
        for (const Candidate& child : children) {
            if (child.reached.Won()) {
                result.line.push_back(child.move);
                for (std::uint32_t at = index; at != 0; at = nodes[at].parent) {
                    result.line.push_back(nodes[at].move);
                }
                std::reverse(result.line.begin(), result.line.end());
                result.verdict = Verdict::kWon;
                result.positions = seen.Size();
                return result;
            }
            nodes.push_back({child.reached, index, child.move});
            queue.emplace(child.distance, static_cast<std::uint32_t>(nodes.size() - 1));
        }
        if (seen.Full()) {
            result.positions = seen.Size();
            return result;
        }
    }
    result.verdict = Verdict::kCannotBeWon;
    result.positions = seen.Size();
    return result;
}

}  // namespace

std::vector<Move> LegalMoves(const Position& position) {
    std::vector<Move> moves;
    const int emptyColumn = FirstEmptyColumn(position);
    AddCellMoves(position, emptyColumn, moves);
    AddColumnMoves(position, emptyColumn, moves);
    return moves;
}

SearchResult Search(const Position& deal, std::size_t maxPositions) {
    // Most deals fall to the first few thousand tables depth first; the rest
    // get the wider look of best first, led one way and then another, and
    // what none wins is searched to the end, to prove it cannot be won.
    struct Stage {
        SearchResult (*strategy)(const Position&, const Weights&, std::size_t);
        const Weights& weights;
        std::size_t positions;
    };
    const Stage stages[] = {{&DepthFirst, kCardsHome, kQuickLook},
                            {&BestFirst, kCardsHome, kWideLook},
                            {&BestFirst, kLevelHomes, kWideLook},
                            {&BestFirst, kFreeCells, kWideLook},
                            {&DepthFirst, kCardsHome, maxPositions}};
    std::size_t spent = 0;
    SearchResult result;
    for (const Stage& stage : stages) {
        result = stage.strategy(deal, stage.weights, std::min(stage.positions, maxPositions));
        spent += result.positions;
        if (result.verdict != Verdict::kUndecided) {
            break;
        }
    }
    result.positions = spent;
    return result;
}

}  // namespace solver
