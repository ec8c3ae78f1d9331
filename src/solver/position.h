#pragma once

#include <cstdint>
#include <string>

#include "game/card.h"
#include "game/table_rules.h"

// A table as the search keeps it: card codes (suit * 13 + rank, 0 for none),
// small enough to copy for every position tried.
namespace solver {

constexpr int kDeckSize = 52;

constexpr Card CardOf(int code) {
    return code == 0 ? Card{} : Card{(code - 1) % 13 + 1, (code - 1) / 13};
}

// One move as the player makes it: a press on the source, a press on the
// target, and the number of cards that go.
struct Move {
    enum Place : std::uint8_t { kColumn, kCell, kHome };
    Place fromPlace = kColumn;
    std::uint8_t from = 0;
    Place toPlace = kColumn;
    std::uint8_t to = 0;
    std::uint8_t count = 1;

    friend bool operator==(const Move&, const Move&) = default;
};

// "c4 c5 1", "c2 r1 1", "r3 h 1": columns c1..c8, reserve cells r1..r4, h home.
std::string MoveText(const Move& move);

struct Position {
    std::uint8_t cards[rules::kColumns][rules::kColumnRows] = {};
    std::int8_t top[rules::kColumns] = {-1, -1, -1, -1, -1, -1, -1, -1};
    std::uint8_t cells[rules::kCells] = {};
    std::uint8_t home[rules::kCells] = {};  // the rank each suit has reached

    // Read by the game's rules.
    int Top(int k) const { return top[k]; }
    Card At(int k, int row) const { return CardOf(cards[k][row]); }
    bool CellUsed(int j) const { return cells[j] != 0; }
    Card Cell(int j) const { return CardOf(cells[j]); }
    Card Home(int suit) const { return home[suit] == 0 ? Card{} : Card{home[suit], suit}; }

    int CardsHome() const { return home[0] + home[1] + home[2] + home[3]; }
    bool Won() const { return CardsHome() == kDeckSize; }

    friend bool operator==(const Position&, const Position&) = default;
};
static_assert(rules::Table<Position>);

// Carries out a move the rules allow; the caller has checked that they do.
void Apply(Position& position, const Move& move);

// Sends home every card that automatic play would send, until none is left:
// the order of its ticks does not change where it comes to rest.
void SettleAutoPlay(Position& position);

// Whether the game would declare the game lost on this table: a button
// release counts no move left. Every free place counts as a move, so only a
// full table can be lost.
bool CountsNoMoveLeft(const Position& position);

// The same number for tables that differ only in which column or which
// reserve cell holds what.
std::uint64_t CanonicalKey(const Position& position);

}  // namespace solver
