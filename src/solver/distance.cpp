#include "solver/distance.h"

#include <algorithm>

namespace solver {

namespace {

// Everything but the cards in the columns.
int PlacesDistance(const Position& position, const Weights& weights) {
    const int lowest =
        std::min({position.home[0], position.home[1], position.home[2], position.home[3]});
    int distance = weights.cardOut * (kDeckSize - position.CardsHome()) +
                   weights.lowestBehind * (rules::kKing - lowest);
    for (int j = 0; j < rules::kCells; ++j) {
        distance += position.cells[j] != 0 ? weights.cellUsed : 0;
    }
    return distance;
}

int ColumnDistance(const Position& position, int k, const Weights& weights) {
    const int top = position.top[k];
    if (top < 0) {
        return -weights.emptyColumn;
    }
    int distance = 0;
    Card below{};
    int lowestBelow = rules::kKing;  // no rank lies above a King
    for (int row = 0; row <= top; ++row) {
        const Card card = position.At(k, row);
        if (card.nRank == position.home[card.nSuit] + 1) {
            distance += weights.onNext * (top - row);
        }
        const bool loose = row > 0 && !FitsOn(card, below);
        distance += loose ? weights.outOfRun : 0;
        if (card.nRank > lowestBelow) {
            distance += loose ? weights.looseAbove : weights.aboveLower;
        }
        lowestBelow = std::min(lowestBelow, card.nRank);
        below = card;
    }
    return distance;
}

}  // namespace

int Distance(const Position& position, const Weights& weights) {
    int distance = PlacesDistance(position, weights);
    for (int k = 0; k < rules::kColumns; ++k) {
        distance += ColumnDistance(position, k, weights);
    }
    return distance;
}

DistanceFrom::DistanceFrom(const Position& from, const Weights& weights)
    : m_weights(&weights), m_tops(from) {
    std::copy(std::begin(from.home), std::end(from.home), m_home.begin());
    for (int k = 0; k < rules::kColumns; ++k) {
        m_column[k] = ColumnDistance(from, k, weights);
        m_columns += m_column[k];
    }
}

bool DistanceFrom::ColumnsKeep(const Position& next) const {
    return m_weights->onNext == 0 ||
           std::equal(m_home.begin(), m_home.end(), std::begin(next.home));
}

int DistanceFrom::Of(const Position& next) const {
    // Met for every table one move away: only the sum is needed, not a copy.
    if (!ColumnsKeep(next)) {
        return Distance(next, *m_weights);
    }
    int columns = m_columns;
    for (int k = 0; k < rules::kColumns; ++k) {
        if (m_tops.Moved(next, k)) {
            columns += ColumnDistance(next, k, *m_weights) - m_column[k];
        }
    }
    return PlacesDistance(next, *m_weights) + columns;
}

DistanceFrom DistanceFrom::Next(const Position& next) const {
    // A card gone home changes what lies on the next card for home anywhere.
    if (!ColumnsKeep(next)) {
        return DistanceFrom(next, *m_weights);
    }
    DistanceFrom from = *this;
    for (int k = 0; k < rules::kColumns; ++k) {
        if (m_tops.Moved(next, k)) {
            from.m_column[k] = ColumnDistance(next, k, *m_weights);
            from.m_columns += from.m_column[k] - m_column[k];
        }
    }
    from.m_tops = ColumnTops(next);
    return from;
}

}  // namespace solver
