#include "render/cell_cards.h"

namespace cells {
namespace {
bool Holds(const CSolView& view, int k) {
    return !(view.m_Cards[k][table::kCellRow] == Card{});
}
}  // namespace

int CardWidth(const CSolView& view, int k) {
    const bool lastOfBlock = k % table::kCells == table::kCells - 1;
    return !lastOfBlock && Holds(view, k + 1) ? table::kCardWidth - 1 : table::kCardWidth;
}

void DrawFace(CSolView& view, const Card& card, int k) {
    view.DrawCardFace(card, X(k), 0, CardWidth(view, k), table::kCardHeight);
}

void DrawMark(CSolView& view, int j) {
    view.DrawCard(kSelectionMark, X(j), 0, CardWidth(view, j) + table::kMarkExtraWidth,
                  table::kMarkHeight, true);
}

void DrawCards(CSolView& view) {
    for (int k = 0; k < table::kColumns; ++k) {
        if (Holds(view, k)) {
            DrawFace(view, view.m_Cards[k][table::kCellRow], k);
        }
    }
}

}  // namespace cells
