#include "solver/legal_moves.h"

#include <algorithm>
#include <array>
#include <bit>

namespace solver {

namespace {

int FirstEmptyColumn(const Position& position) {
    for (int k = 0; k < rules::kColumns; ++k) {
        if (rules::TakesAnyCard(position, k)) {
            return k;
        }
    }
    return -1;
}

int FirstFreeCell(const Position& position) {
    for (int j = 0; j < rules::kCells; ++j) {
        if (!position.CellUsed(j)) {
            return j;
        }
    }
    return -1;
}

// A card sent home: always a legal move, but on the table as dealt one that
// automatic play makes by itself once play starts.
void AddHomeMove(const Position& position, Move::Place from, int index, const Card& card,
                 bool fromDeal, std::vector<Move>& moves) {
    if (rules::GoesToHomeCell(position, card, card.nSuit) &&
        !(fromDeal && rules::AutoSendsHome(position, card))) {
        moves.push_back(MoveOf(position, from, index, Move::kHome, card.nSuit, 1));
    }
}

void AddCellMoves(const Position& position, int emptyColumn, bool fromDeal,
                  std::vector<Move>& moves) {
    for (int j = 0; j < rules::kCells; ++j) {
        if (!position.CellUsed(j)) {
            continue;
        }
        const Card card = position.Cell(j);
        AddHomeMove(position, Move::kCell, j, card, fromDeal, moves);
        for (int k = 0; k < rules::kColumns; ++k) {
            if (rules::CellCardGoesOn(position, card, k)) {
                moves.push_back(MoveOf(position, Move::kCell, j, Move::kColumn, k, 1));
            }
        }
        if (emptyColumn >= 0) {
            moves.push_back(MoveOf(position, Move::kCell, j, Move::kColumn, emptyColumn, 1));
        }
    }
}

void AddColumnMoves(const Position& position, int emptyColumn, bool fromDeal, bool likely,
                    std::vector<Move>& moves) {
    const int freePlaces = rules::FreePlaces(position, rules::kNoColumnExcluded);
    const int freeCell = FirstFreeCell(position);
    // A run goes only onto a card above its top card by no more than the
    // run's length, of the colour its lowest card lacks, so the rule is
    // asked only then: the columns whose top cards have each rank and
    // colour, as bits, say which those are at once.
    std::array<std::array<unsigned, 2>, rules::kKing + 1> columnsOf{};
    std::array<int, rules::kColumns> topRank{};
    for (int k = 0; k < rules::kColumns; ++k) {
        if (position.top[k] >= 0) {
            const Card top = rules::TopCard(position, k);
            topRank[k] = top.nRank;
            columnsOf[top.nRank][ColourOf(top.nSuit)] |= 1u << k;
        }
    }
    const int runLimit = rules::RunLimit(freePlaces);
    for (int source = 0; source < rules::kColumns; ++source) {
        if (position.top[source] < 0) {
            continue;
        }
        const Card card = rules::TopCard(position, source);
        AddHomeMove(position, Move::kColumn, source, card, fromDeal, moves);
        const int highest = std::min<int>(
            rules::kKing, topRank[source] + rules::TopRunLength(position, source, runLimit));
        // The colours of a run alternate: an odd run ends in its top's.
        unsigned targets = 0;
        for (int rank = topRank[source] + 1; rank <= highest; ++rank) {
            const bool odd = (rank - topRank[source]) % 2 == 1;
            targets |= columnsOf[rank][ColourOf(card.nSuit) ^ (odd ? 1 : 0)];
        }
        const bool fitsATop =
            card.nRank < rules::kKing && columnsOf[card.nRank + 1][ColourOf(card.nSuit) ^ 1] != 0;
        for (; targets != 0; targets &= targets - 1) {
            const int target = std::countr_zero(targets);
            const int length = rules::FittingRunLength(position, source, target, freePlaces);
            if (length > 0) {
                moves.push_back(
                    MoveOf(position, Move::kColumn, source, Move::kColumn, target, length));
            }
        }
        const int cards = position.top[source] + 1;
        // A card that fits on a column's top card goes there, the free place
        // kept; one that lies on a card it fits, or alone in its column,
        // would leave a reserve cell taken for nothing uncovered that counts.
        const bool aside =
            !likely || !(fitsATop || cards == 1 ||
                         FitsOn(card, position.At(source, position.top[source] - 1)));
        if (emptyColumn >= 0 && cards > 1) {
            const int placesLeft = rules::FreePlaces(position, emptyColumn);
            if (rules::AsksRunOrCard(position, source, placesLeft)) {
                const int run = rules::RunIntoEmptyColumn(position, source, placesLeft);
                // The whole column into an empty one only changes its place.
                if (run < cards) {
                    moves.push_back(
                        MoveOf(position, Move::kColumn, source, Move::kColumn, emptyColumn, run));
                }
            }
            if (!likely || !fitsATop) {
                moves.push_back(
                    MoveOf(position, Move::kColumn, source, Move::kColumn, emptyColumn, 1));
            }
        }
        if (freeCell >= 0 && aside) {
            moves.push_back(MoveOf(position, Move::kColumn, source, Move::kCell, freeCell, 1));
        }
    }
}

bool NothingBuildsOn(const Position& position, const Card& card) {
    const int other = card.nSuit < 2 ? 2 : 0;
    return card.nRank <= std::min(position.home[other], position.home[other + 1]) + 1;
}

}  // namespace

void LegalMoves(const Position& position, bool fromDeal, std::vector<Move>& moves, bool likely) {
    moves.clear();
    const int emptyColumn = FirstEmptyColumn(position);
    AddCellMoves(position, emptyColumn, fromDeal, moves);
    AddColumnMoves(position, emptyColumn, fromDeal, likely, moves);
}

std::vector<Move> LegalMoves(const Position& position) {
    std::vector<Move> moves;
    LegalMoves(position, false, moves);
    return moves;
}

void Play(Position& position, const Move& move, bool fromDeal) {
    Apply(position, move);
    if (fromDeal) {
        SettleAutoPlay(position);
    } else {
        SettleAfter(position, move);
    }
}

bool Reach(Position& position, const Move& move, bool fromDeal) {
    Play(position, move, fromDeal);
    return position.Won() || !CountsNoMoveLeft(position);
}

const Move* ForcedMove(const Position& position, const std::vector<Move>& moves) {
    for (const Move& move : moves) {
        if (move.toPlace == Move::kHome && NothingBuildsOn(position, CardOf(move.card))) {
            return &move;
        }
    }
    return nullptr;
}

}  // namespace solver
