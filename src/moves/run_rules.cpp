#include "moves/run_rules.h"

#include <algorithm>

#include "moves/move_steps.h"

namespace moves {

int TopRunLength(const CSolView& view, int k, int limit) {
    const int top = view.m_nTop[k];
    const int cards = top + 1;
    int length = std::min(cards, 1);
    while (length < std::min(cards, limit) &&
           FitsOn(view.m_Cards[k][top - length + 1], view.m_Cards[k][top - length])) {
        ++length;
    }
    return length;
}

int FittingRunLength(const CSolView& view, int source, int target, int freePlaces) {
    if (source == target || view.m_nTop[source] < 0 || view.m_nTop[target] < 0) {
        return 0;
    }
    const Card& targetTop = view.m_Cards[target][view.m_nTop[target]];
    const int length = targetTop.nRank - view.m_Cards[source][view.m_nTop[source]].nRank;
    if (length < 1 || length > std::min(kLongestRun, freePlaces + 1) ||
        length > TopRunLength(view, source, length) || !HasRoomFor(view, target, length)) {
        return 0;
    }
    const Card& bottom = view.m_Cards[source][view.m_nTop[source] - length + 1];
    return FitsOn(bottom, targetTop) ? length : 0;
}

}  // namespace moves
