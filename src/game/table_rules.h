#pragma once

#include <algorithm>
#include <concepts>
#include <limits>

#include "game/card.h"
#include "game/table_geometry.h"

// The rules of play on any table that can say where its cards lie. The game's
// own table and the solver's compact positions are both judged by this code,
// so the two cannot disagree about a move.
namespace rules {

using table::kCells;
using table::kColumns;
// A column holds rows 0..19; row 20 of the grid is the upper row of cells.
constexpr int kColumnRows = table::kCellRow;
// No more cards than this move in one action, however many places are free.
constexpr int kLongestRun = 5;
constexpr int kKing = 13;
// Passed as a move's own destination when every empty column counts.
constexpr int kNoColumnExcluded = -1;

// Top(k): column k's top row, -1 when empty; At(k, row): a card of column k;
// CellUsed(j) and Cell(j): reserve cell j ({0, 0} when free); Home(s): the top
// card of the home cell of suit s ({0, 0} when empty).
template <class T>
concept Table = requires(const T& t, int i) {
    { t.Top(i) } -> std::convertible_to<int>;
    { t.At(i, i) } -> std::convertible_to<Card>;
    { t.CellUsed(i) } -> std::convertible_to<bool>;
    { t.Cell(i) } -> std::convertible_to<Card>;
    { t.Home(i) } -> std::convertible_to<Card>;
};

template <Table T>
Card TopCard(const T& t, int k) {
    return t.At(k, t.Top(k));
}

// The next card for its home cell: one rank above what the cell of its suit holds.
template <Table T>
bool GoesHome(const T& t, const Card& card) {
    return card.nRank - 1 == t.Home(card.nSuit).nRank;
}

// A card pressed onto home cell `home` goes there: the cell of its suit, and
// the next card for it.
template <Table T>
bool GoesToHomeCell(const T& t, const Card& card, int home) {
    return card.nSuit == home && GoesHome(t, card);
}

// The game is won once every home cell holds its King.
template <Table T>
bool AllHome(const T& t) {
    for (int suit = 0; suit < kCells; ++suit) {
        if (t.Home(suit).nRank != kKing) {
            return false;
        }
    }
    return true;
}

// The lowest rank on the four home cells (0 while any is empty).
template <Table T>
int MinHome(const T& t) {
    int lowest = t.Home(0).nRank;
    for (int suit = 1; suit < kCells; ++suit) {
        lowest = std::min(lowest, t.Home(suit).nRank);
    }
    return lowest;
}

// Automatic play sends a card home only while no home cell lags more than one
// rank behind it: then no card still on the table could want to be built on it.
constexpr bool SafeForHome(int rank, int minHome) {
    return rank <= minHome + 1;
}

template <Table T>
bool AutoSendsHome(const T& t, const Card& card) {
    return card.nRank != 0 && GoesHome(t, card) && SafeForHome(card.nRank, MinHome(t));
}

// Whether automatic play has a card to send home: a column's top card or a
// reserve card.
template <Table T>
bool AnyAutoSendsHome(const T& t) {
    for (int column = 0; column < kColumns; ++column) {
        if (t.Top(column) >= 0 && AutoSendsHome(t, TopCard(t, column))) {
            return true;
        }
    }
    for (int cell = 0; cell < kCells; ++cell) {
        if (AutoSendsHome(t, t.Cell(cell))) {
            return true;
        }
    }
    return false;
}

// Free reserve cells and empty columns, `excludedColumn` (a move's own
// destination) left out.
template <Table T>
int FreePlaces(const T& t, int excludedColumn) {
    int count = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        count += t.CellUsed(cell) ? 0 : 1;
    }
    for (int column = 0; column < kColumns; ++column) {
        count += t.Top(column) == -1 && column != excludedColumn ? 1 : 0;
    }
    return count;
}

// Whether column k can take `count` more cards without reaching the cell row.
template <Table T>
bool HasRoomFor(const T& t, int k, int count) {
    return t.Top(k) + count < kColumnRows;
}

// A reserve card goes onto column k: a card is there for it to fit on, and
// room above it.
template <Table T>
bool CellCardGoesOn(const T& t, const Card& card, int k) {
    return t.Top(k) >= 0 && FitsOn(card, TopCard(t, k)) && HasRoomFor(t, k, 1);
}

// Any single card may go into an empty column.
template <Table T>
bool TakesAnyCard(const T& t, int k) {
    return t.Top(k) == -1;
}

// A run is carried over card by card through the free places, one card each.
constexpr int RunLimit(int freePlaces) {
    return std::min(kLongestRun, freePlaces + 1);
}

// How many cards at the top of column k form a run (each fits on the card
// below it), counting at most `limit`; 0 for an empty column.
template <Table T>
int TopRunLength(const T& t, int k, int limit) {
    const int top = t.Top(k);
    const int cards = top + 1;
    int length = std::min(cards, 1);
    while (length < std::min(cards, limit) &&
           FitsOn(t.At(k, top - length + 1), t.At(k, top - length))) {
        ++length;
    }
    return length;
}

// The number of cards a press on column `target` carries over from column
// `source`, or 0 when none would. The target's top card fixes the length; the
// run must be whole, fit on it and need no more than the free places plus one.
template <Table T>
int FittingRunLength(const T& t, int source, int target, int freePlaces) {
    if (source == target || t.Top(source) < 0 || t.Top(target) < 0) {
        return 0;
    }
    const Card targetTop = TopCard(t, target);
    const int length = targetTop.nRank - TopCard(t, source).nRank;
    // The cheap tests first: most pairs of columns fail at the run's lowest card.
    if (length < 1 || length > RunLimit(freePlaces) || length > t.Top(source) + 1 ||
        !FitsOn(t.At(source, t.Top(source) - length + 1), targetTop)) {
        return 0;
    }
    return length <= TopRunLength(t, source, length) && HasRoomFor(t, target, length) ? length : 0;
}

// Into an empty column the player is asked whether the run or the top card
// alone is meant, when a run could go at all.
template <Table T>
bool AsksRunOrCard(const T& t, int source, int freePlaces) {
    return freePlaces >= 1 && TopRunLength(t, source, 2) >= 2;
}

// The run that "Move Column" carries into an empty column.
template <Table T>
int RunIntoEmptyColumn(const T& t, int source, int freePlaces) {
    return std::min(RunLimit(freePlaces), TopRunLength(t, source, kLongestRun));
}

namespace detail {
template <Table T>
int HomeCellsHolding(const T& t, int rank, int suit) {
    int count = 0;
    for (int home = 0; home < kCells; ++home) {
        const Card top = t.Home(home);
        count += top.nRank != 0 && top.nRank == rank && top.nSuit == suit ? 1 : 0;
    }
    return count;
}

// Destinations for `card` among the column tops: one rank higher, other colour.
template <Table T>
int ColumnsTaking(const T& t, const Card& card) {
    int count = 0;
    for (int column = 0; column < kColumns; ++column) {
        count += t.Top(column) >= 0 && FitsOn(card, TopCard(t, column)) ? 1 : 0;
    }
    return count;
}
}  // namespace detail

// The count of available moves; the game is lost when a button release finds
// it at 0. A heuristic, not a list of legal moves: every free place counts
// once, and a top card lying on its like counts only when shifting it frees a
// card for home. Counting stops once it reaches `enough`.
template <Table T>
int CountMovesLeft(const T& t, int enough = std::numeric_limits<int>::max()) {
    int count = 0;
    for (int cell = 0; cell < kCells && count < enough; ++cell) {
        if (!t.CellUsed(cell)) {
            ++count;
            continue;
        }
        const Card card = t.Cell(cell);
        count += detail::ColumnsTaking(t, card);
        count += detail::HomeCellsHolding(t, card.nRank - 1, card.nSuit);
    }
    for (int source = 0; source < kColumns && count < enough; ++source) {
        const int top = t.Top(source);
        if (top == -1) {
            ++count;
            continue;
        }
        const Card card = t.At(source, top);
        for (int target = 0; target < kColumns && count < enough; ++target) {
            if (t.Top(target) < 0) {
                continue;
            }
            const Card onto = TopCard(t, target);
            if (!FitsOn(card, onto)) {
                continue;
            }
            if (top == 0 || !FitsOn(card, t.At(source, top - 1))) {
                ++count;
                continue;
            }
            const Card below = t.At(source, top - 1);
            count += detail::HomeCellsHolding(t, onto.nRank - 1, onto.nSuit);
            count += detail::HomeCellsHolding(t, below.nRank - 1, below.nSuit);
        }
        count += detail::HomeCellsHolding(t, card.nRank - 1, card.nSuit);
    }
    return count;
}

}  // namespace rules
