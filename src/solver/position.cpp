#include "solver/position.h"

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

std::string MoveText(const Move& move) {
    return PlaceText(move.fromPlace, move.from) + " " + PlaceText(move.toPlace, move.to) + " " +
           std::to_string(move.count);
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

void SettleAutoPlay(Position& position) {
    for (bool moved = true; moved;) {
        moved = false;
        for (int k = 0; k < rules::kColumns; ++k) {
            while (position.top[k] >= 0 &&
                   rules::AutoSendsHome(position, rules::TopCard(position, k))) {
                Apply(position,
                      Move{Move::kColumn, static_cast<std::uint8_t>(k), Move::kHome, 0, 1});
                moved = true;
            }
        }
        for (int j = 0; j < rules::kCells; ++j) {
            if (position.cells[j] != 0 && rules::AutoSendsHome(position, position.Cell(j))) {
                Apply(position, Move{Move::kCell, static_cast<std::uint8_t>(j), Move::kHome, 0, 1});
                moved = true;
            }
        }
    }
}

bool CountsNoMoveLeft(const Position& position) {
    return rules::FreePlaces(position, -1) == 0 && rules::CountMovesLeft(position) == 0;
}

std::uint64_t CanonicalKey(const Position& position) {
    std::uint64_t key = 0;
    for (int k = 0; k < rules::kColumns; ++k) {
        std::uint64_t column = 0;
        for (int row = 0; row <= position.top[k]; ++row) {
            column = column * 0x100000001B3ull + position.cards[k][row];
        }
        key += position.top[k] < 0 ? 0 : Mix(column ^ static_cast<std::uint64_t>(position.top[k]));
    }
    for (int j = 0; j < rules::kCells; ++j) {
        key += position.cells[j] == 0 ? 0 : Mix(0xC0FFEEull * 64 + position.cells[j]);
    }
    return key;
}

}  // namespace solver
