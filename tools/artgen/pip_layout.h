#pragma once

#include <vector>

namespace artgen {

enum class PipColumn { Left, Middle, Right };

// One pip of the upper half of a plain card. `down` runs from 0 (the top row of pips) to
// 0.5 (the middle of the card). A paired pip has an upside-down twin where half a turn
// of the card takes it; an unpaired one stands alone, upright.
struct PipPlace {
    PipColumn column;
    double down;
    bool paired;
};

// The usual arrangement of pips for ranks 2 to 10.
std::vector<PipPlace> PipPlaces(int rank);

}  // namespace artgen
