#pragma once

#include <optional>
#include <vector>

#include "play/table_position.h"
#include "play/table_spots.h"

namespace play {

// One move as the player makes it: a press on a card and a press where it goes,
// each released at once, then automatic play until the table is still.
struct PlayerMove {
    Spot from;
    Spot to;
    // The second press asks "Select" (a card into an empty column while a run
    // could go too); the answer is always the single card.
    bool asksMoveChoice = false;
    Position after;
};

// A win from the deal: the table once a press on bare table has switched
// automatic play on and it has come to rest, then the moves.
struct Solution {
    Position opening;
    std::vector<PlayerMove> moves;
};

// Searches game `number` best first for a win made of single-card moves. Each
// candidate is played on a second game on fake platform parts with the very
// presses and releases a player would make, so the game's own rules decide.
// Gives up after `positionLimit` distinct positions.
std::optional<Solution> SolveGame(int number, int positionLimit);

}  // namespace play
