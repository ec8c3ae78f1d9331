#include "solver/position.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>

namespace solver {

namespace {
// Built by appending: "c" + std::to_string(...) sets off a false overlap
// warning in the optimiser.
std::string PlaceText(Move::Place place, int index) {
    if (place == Move::kHome) {
        return "h";
    }
    std::string text(1, place == Move::kColumn ? 'c' : 'r');
    text += std::to_string(index + 1);
    return text;
}

// A strong 64-bit mix, so that adding the mixed values of the columns gives a
// key that does not depend on their order.
constexpr std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Takes the card a move picks up, leaving its place empty.
std::uint8_t Take(Position& position, Move::Place place, int index) {
    if (place == Move::kCell) {
        const std::uint8_t code = position.cells[index];
        position.cells[index] = 0;
        return code;
    }
    const std::uint8_t code = position.cards[index][position.top[index]];
    position.cards[index][position.top[index]--] = 0;
    return code;
}
}  // namespace

std::string CardName(const Card& card) {
    return {"-A23456789TJQK"[card.nRank], "CSHD"[card.nSuit]};
}

std::string MoveText(const Move& move) {
    return PlaceText(move.fromPlace, move.from) + " " + PlaceText(move.toPlace, move.to) + " " +
           std::to_string(move.count) + " " + CardName(CardOf(move.card));
}

Move MoveOf(const Position& position, Move::Place fromPlace, int from, Move::Place toPlace, int to,
            int count) {
    const std::uint8_t card = fromPlace == Move::kCell
                                  ? position.cells[from]
                                  : position.cards[from][position.top[from] - count + 1];
    return Move{fromPlace,
                static_cast<std::uint8_t>(from),
                toPlace,
                static_cast<std::uint8_t>(to),
                static_cast<std::uint8_t>(count),
                card};
}

void Apply(Position& position, const Move& move) {
    if (move.toPlace == Move::kColumn && move.fromPlace == Move::kColumn) {
        // The run keeps its order: lowest card first.
        const int source = move.from;
        const int bottom = position.top[source] - move.count + 1;
        for (int row = bottom; row <= position.top[source]; ++row) {
            position.cards[move.to][++position.top[move.to]] = position.cards[source][row];
            position.cards[source][row] = 0;
        }
        position.top[source] = static_cast<std::int8_t>(bottom - 1);
        return;
    }
    const std::uint8_t code = Take(position, move.fromPlace, move.from);
    if (move.toPlace == Move::kCell) {
        position.cells[move.to] = code;
    } else if (move.toPlace == Move::kHome) {
        ++position.home[CardOf(code).nSuit];
    } else {
        position.cards[move.to][++position.top[move.to]] = code;
    }
}

namespace {
// The rule of rules::AutoSendsHome, read straight off the code.
bool AutoSends(const Position& position, std::uint8_t code, int lowest) {
    const Card card = CardOf(code);
    return code != 0 && card.nRank == position.home[card.nSuit] + 1 &&
           rules::SafeForHome(card.nRank, lowest);
}
}  // namespace

void SettleAutoPlay(Position& position) {
    int lowest = rules::MinHome(position);
    const auto sendHome = [&](std::uint8_t& code) {
        ++position.home[CardOf(code).nSuit];
        code = 0;
        lowest = rules::MinHome(position);
    };
    for (bool moved = true; moved;) {
        moved = false;
        for (int k = 0; k < rules::kColumns; ++k) {
            while (position.top[k] >= 0 &&
                   AutoSends(position, position.cards[k][position.top[k]], lowest)) {
                sendHome(position.cards[k][position.top[k]--]);
                moved = true;
            }
        }
        for (int j = 0; j < rules::kCells; ++j) {
            if (AutoSends(position, position.cells[j], lowest)) {
                sendHome(position.cells[j]);
                moved = true;
            }
        }
    }
}

void SettleAfter(Position& position, const Move& move) {
    // A card moved elsewhere was no card for home before and is none now. A
    // card sent home by hand was not safe to send, so its suit was not the
    // lowest, and no other card becomes safe by it. Only a card the move
    // uncovers can set automatic play off.
    if (move.fromPlace == Move::kColumn && position.top[move.from] >= 0 &&
        AutoSends(position, position.cards[move.from][position.top[move.from]],
                  rules::MinHome(position))) {
        SettleAutoPlay(position);
    }
}

bool CountsNoMoveLeft(const Position& position) {
    return rules::FreePlaces(position, rules::kNoColumnExcluded) == 0 &&
           rules::CountMovesLeft(position, 1) == 0;
}

namespace {
// A column's rows past its top hold 0, so its 20 bytes, read as three words,
// say all it holds.
std::uint64_t ColumnKey(const Position& position, int k) {
    static_assert(rules::kColumnRows == 20);
    if (position.top[k] < 0) {
        return 0;
    }
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    std::uint32_t highest = 0;
    std::memcpy(&low, position.cards[k], 8);
    std::memcpy(&high, position.cards[k] + 8, 8);
    std::memcpy(&highest, position.cards[k] + 16, 4);
    return Mix(low ^ Mix(high ^ (std::uint64_t{highest} << 16)));
}

constexpr std::array<std::uint64_t, kDeckSize + 1> kCellKeyOfCode = [] {
    std::array<std::uint64_t, kDeckSize + 1> keys{};
    for (int code = 1; code <= kDeckSize; ++code) {
        keys[code] = Mix(0xC0FFEEull * 64 + code);
    }
    return keys;
}();

std::uint64_t CellsKey(const Position& position) {
    std::uint64_t key = 0;
    for (int j = 0; j < rules::kCells; ++j) {
        key += kCellKeyOfCode[position.cells[j]];
    }
    return key;
}
}  // namespace

std::uint64_t CanonicalKey(const Position& position) {
    std::uint64_t key = CellsKey(position);
    for (int k = 0; k < rules::kColumns; ++k) {
        key += ColumnKey(position, k);
    }
    return key;
}

CanonicalKeyFrom::CanonicalKeyFrom(const Position& from) : m_tops(from) {
    for (int k = 0; k < rules::kColumns; ++k) {
        m_column[k] = ColumnKey(from, k);
        m_columns += m_column[k];
    }
}

std::uint64_t CanonicalKeyFrom::Of(const Position& next) const {
    // Met for every table one move away: only the sum is needed, not a copy.
    std::uint64_t columns = m_columns;
    for (int k = 0; k < rules::kColumns; ++k) {
        if (m_tops.Moved(next, k)) {
            columns += ColumnKey(next, k) - m_column[k];
        }
    }
    return columns + CellsKey(next);
}

CanonicalKeyFrom CanonicalKeyFrom::Next(const Position& next) const {
    CanonicalKeyFrom from = *this;
    for (int k = 0; k < rules::kColumns; ++k) {
        if (m_tops.Moved(next, k)) {
            from.m_column[k] = ColumnKey(next, k);
            from.m_columns += from.m_column[k] - m_column[k];
        }
    }
    from.m_tops = ColumnTops(next);
    return from;
}

ExactTable CanonicalTable(const Position& position) {
    ExactTable table{};
    table[0] = static_cast<std::uint8_t>(position.CardsHome() + 1);
    std::array<std::uint8_t, rules::kCells> cells{};
    std::copy(std::begin(position.cells), std::end(position.cells), cells.begin());
    std::sort(cells.begin(), cells.end(), std::greater<>());
    std::copy(cells.begin(), cells.end(), table.begin() + 1);

    // Every card lies once on the table, so bottom cards tell columns apart;
    // empty columns go last, where they leave only zeros.
    std::array<int, rules::kColumns> order{};
    std::iota(order.begin(), order.end(), 0);
    const auto bottom = [&](int k) { return position.top[k] < 0 ? 255 : position.cards[k][0]; };
    std::sort(order.begin(), order.end(), [&](int a, int b) { return bottom(a) < bottom(b); });
    std::size_t at = 1 + rules::kCells;
    for (const int k : order) {
        for (int row = 0; row <= position.top[k]; ++row) {
            table[at++] = position.cards[k][row];
        }
        if (at < table.size()) {
            ++at;
        }
    }
    return table;
}

}  // namespace solver
