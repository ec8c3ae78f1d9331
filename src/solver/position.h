#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "game/card.h"
#include "game/table_rules.h"

// A table as the search keeps it: card codes (suit * 13 + rank, 0 for none),
// small enough to copy for every position tried. The rows past a column's
// top always hold 0.
namespace solver {

constexpr int kDeckSize = 52;

namespace detail {
// Every code decoded once: the search reads cards far too often to divide.
constexpr std::array<Card, kDeckSize + 1> kCardOfCode = [] {
    std::array<Card, kDeckSize + 1> cards{};
    for (int code = 1; code <= kDeckSize; ++code) {
        cards[code] = Card{(code - 1) % 13 + 1, (code - 1) / 13};
    }
    return cards;
}();
}  // namespace detail

constexpr Card CardOf(int code) {
    return detail::kCardOfCode[code];
}

// "7H", "AS", "TD": rank A 2-9 T J Q K, then suit C S H D.
std::string CardName(const Card& card);

// One move as the player makes it: a press on the source, a press on the
// target, and the number of cards that go; `card` is the code of the card
// that moves, the deepest of a run.
struct Move {
    enum Place : std::uint8_t { kColumn, kCell, kHome };
    Place fromPlace = kColumn;
    std::uint8_t from = 0;
    Place toPlace = kColumn;
    std::uint8_t to = 0;
    std::uint8_t count = 1;
    std::uint8_t card = 0;

    friend bool operator==(const Move&, const Move&) = default;
};

// "c4 c5 1 7H", "c2 r1 1 QS", "r3 h 1 AS": columns c1..c8, reserve cells
// r1..r4, h home, the count of cards and the card that moves.
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

// The move from `from` to `to` with `count` cards, naming the card it moves.
Move MoveOf(const Position& position, Move::Place fromPlace, int from, Move::Place toPlace, int to,
            int count);

// Sends home every card that automatic play would send, until none is left:
// the order of its ticks does not change where it comes to rest.
void SettleAutoPlay(Position& position);

// The same for a table that was settled before `move` was made on it.
void SettleAfter(Position& position, const Move& move);

// Whether the game would declare the game lost on this table: a button
// release counts no move left. Every free place counts as a move, so only a
// full table can be lost.
bool CountsNoMoveLeft(const Position& position);

// The same number for tables that differ only in which column or which
// reserve cell holds what. Two other tables may share one, if very rarely:
// the searches that look for a win use it, and a win found is played out
// in the game before it counts, so a shared number can only hide a win.
std::uint64_t CanonicalKey(const Position& position);

// The top rows of a table's columns. Cards come and go only at a column's
// top, and what a move lays on a column is the first that automatic play
// takes off it, so a column of a table one move away whose top row is where
// it was holds what it held.
struct ColumnTops {
    explicit ColumnTops(const Position& position) {
        std::copy(std::begin(position.top), std::end(position.top), rows.begin());
    }
    bool Moved(const Position& next, int k) const { return next.top[k] != rows[k]; }

    std::array<std::int8_t, rules::kColumns> rows;
};

// The keys of the tables one move from a table, only the columns the move
// changed mixed again.
class CanonicalKeyFrom {
  public:
    explicit CanonicalKeyFrom(const Position& from);
    std::uint64_t Of(const Position& next) const;
    // The same from `next`, a table one move away.
    CanonicalKeyFrom Next(const Position& next) const;

  private:
    ColumnTops m_tops;
    std::array<std::uint64_t, rules::kColumns> m_column{};
    std::uint64_t m_columns = 0;
};

// A table written out whole, so that two tables compare equal only when they
// hold the same cards in the same places: the first byte is the number of
// cards home plus one (never 0), then the reserve cells, then the columns,
// each ended by a 0, except the last, whose end is the zeros that follow.
// 1 + 4 + 52 + 7 bytes is the most any table takes.
using ExactTable = std::array<std::uint8_t, 64>;

// The table written out whole, the columns ordered by their bottom cards and
// the reserve cards by code: the same for tables that differ only in which
// column or which reserve cell holds what, different for all others.
ExactTable CanonicalTable(const Position& position);

}  // namespace solver
