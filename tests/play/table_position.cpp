#include "play/table_position.h"

#include <algorithm>
#include <iterator>

namespace play {

Position PositionOf(const CSolView& view) {
    Position position;
    std::copy(&view.m_Cards[0][0], &view.m_Cards[0][0] + table::kColumns * table::kRows,
              &position.cards[0][0]);
    std::ranges::copy(view.m_nTop, position.top);
    std::ranges::copy(view.m_bCellUsed, position.cellUsed);
    return position;
}

void Restore(CSolView& view, const Position& position) {
    std::copy(&position.cards[0][0], &position.cards[0][0] + table::kColumns * table::kRows,
              &view.m_Cards[0][0]);
    std::ranges::copy(position.top, view.m_nTop);
    std::ranges::copy(position.cellUsed, view.m_bCellUsed);
    view.m_nSelected = kNothingSelected;
    view.m_bMouseDown = 0;
}

int CardsHome(const Position& position) {
    int count = 0;
    for (int suit = 0; suit < table::kCells; ++suit) {
        count += position.cards[table::kCells + suit][table::kCellRow].nRank;
    }
    return count;
}

}  // namespace play
