#pragma once

#include <vector>

#include "solver/position.h"

namespace solver {

// The winning `line` from `deal` with every stretch cut out that fewer moves
// replace, looking `depth` moves away from each table it passes, until no
// cut is left; the line it gives never passes the same table twice.
std::vector<Move> Shorten(const Position& deal, std::vector<Move> line, int depth);

}  // namespace solver
