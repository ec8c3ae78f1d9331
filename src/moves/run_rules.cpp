#include "moves/run_rules.h"

#include "game/view_table.h"

namespace moves {

int TopRunLength(const CSolView& view, int k, int limit) {
    return rules::TopRunLength(ViewTable{view}, k, limit);
}

int FittingRunLength(const CSolView& view, int source, int target, int freePlaces) {
    return rules::FittingRunLength(ViewTable{view}, source, target, freePlaces);
}

}  // namespace moves
