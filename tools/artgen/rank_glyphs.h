#pragma once

#include "mask.h"

namespace artgen {

// Height of every rank glyph of the corner index.
constexpr int kRankGlyphHeight = 7;

// The rank of the corner index, 1 (Ace) .. 13 (King), in bold pixel letters.
Mask RankGlyph(int rank);

}  // namespace artgen
