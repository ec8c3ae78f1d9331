#pragma once

#include <vector>

#include "solver/position.h"

namespace solver {

// The legal moves from a table, worth-trying ones only: a card goes into the
// first free reserve cell and the first empty column, the others being the
// same table in another order. `fromDeal` leaves out the cards automatic
// play would send home itself: on the table as dealt it starts with the
// first move. `likely` leaves out as well the moves that lay a column's top
// card aside where the search for a short win seldom needs it: into a free
// place when it fits on a column's top card, into a reserve cell when it
// lies on a card it fits or alone in its column. A search that must meet
// every table cannot leave them out.
void LegalMoves(const Position& position, bool fromDeal, std::vector<Move>& moves,
                bool likely = false);
std::vector<Move> LegalMoves(const Position& position);

// A move made and the table settled: every card automatic play sends goes
// home. `fromDeal`: the table is as dealt, where automatic play has not yet
// looked; any other is settled already.
void Play(Position& position, const Move& move, bool fromDeal);

// A table reached by a move, settled; false when the game would be lost there.
// The game declares no loss while automatic play still has a card to send
// home, so only the settled table is judged.
bool Reach(Position& position, const Move& move, bool fromDeal);

// The move among `moves` that sends home a card no other card can still want
// to be built on, since both cards of the other colour one rank lower are
// home already: playing it at once loses nothing. Null when there is none.
const Move* ForcedMove(const Position& position, const std::vector<Move>& moves);

}  // namespace solver
