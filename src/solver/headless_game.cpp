#include "solver/headless_game.h"

#include "game/view_table.h"
#include "moves/move_choice_dlg.h"
#include "solver/table_spots.h"

namespace solver {

namespace {
constexpr unsigned kLeftButton = 0x0001;

// Cards on the table at the place a move names, or on its home cell.
int CardsAt(const CSolView& view, Move::Place place, int index) {
    const ViewTable viewed{view};
    switch (place) {
        case Move::kColumn:
            return viewed.Top(index) + 1;
        case Move::kCell:
            return viewed.CellUsed(index);
        case Move::kHome:
            break;
    }
    return viewed.Home(index).nRank;
}

int CardsHome(const CSolView& view) {
    int count = 0;
    for (int suit = 0; suit < table::kCells; ++suit) {
        count += CardsAt(view, Move::kHome, suit);
    }
    return count;
}
}  // namespace

int HeadlessGame::Answers::DoModal(CMoveChoiceDlg& dlg) {
    if (moveRun) {
        dlg.OnMoveColumn();
    } else {
        dlg.OnMoveSingleCard();
    }
    return CMoveChoiceDlg::kMoved;
}

HeadlessGame::HeadlessGame() : m_view(m_document, Platform{m_quiet, m_quiet, m_answers, m_quiet}) {}

void HeadlessGame::Deal(int number) {
    m_view.m_nNextGame = m_view.m_nReplayGame = number;
    m_view.StartGame();
}

void HeadlessGame::Click(int x, int y) {
    m_view.OnLButtonDown(kLeftButton, x, y);
    m_view.OnLButtonUp(0, x, y);
}

bool HeadlessGame::Play(const Move& move) {
    if (move.fromPlace == Move::kHome || CardsAt(m_view, move.fromPlace, move.from) == 0) {
        return false;
    }
    const Card card = move.fromPlace == Move::kCell
                          ? m_view.m_Cards[move.from][table::kCellRow]
                          : m_view.m_Cards[move.from][m_view.m_nTop[move.from]];
    const int target = move.toPlace == Move::kHome ? card.nSuit : move.to;
    const int before = CardsAt(m_view, move.toPlace, target);
    const Spot from = SpotOf(m_view, move.fromPlace, move.from);
    const Spot to = SpotOf(m_view, move.toPlace, target);
    m_answers.moveRun = move.count > 1;
    Click(from.x, from.y);
    Click(to.x, to.y);
    return m_view.m_nSelected == kNothingSelected &&
           CardsAt(m_view, move.toPlace, target) == before + move.count;
}

void HeadlessGame::Settle() {
    for (int home = -1; m_view.m_bPlaying == 1 && home != CardsHome(m_view);) {
        home = CardsHome(m_view);
        m_view.OnTimer(kGameTimer);
    }
}

Position PositionOf(const CSolView& view) {
    const ViewTable viewed{view};
    Position position;
    for (int k = 0; k < table::kColumns; ++k) {
        position.top[k] = static_cast<std::int8_t>(viewed.Top(k));
        for (int row = 0; row <= viewed.Top(k); ++row) {
            position.cards[k][row] = static_cast<std::uint8_t>(CardCode(viewed.At(k, row)));
        }
    }
    for (int j = 0; j < table::kCells; ++j) {
        position.cells[j] =
            static_cast<std::uint8_t>(viewed.CellUsed(j) ? CardCode(viewed.Cell(j)) : 0);
        position.home[j] = static_cast<std::uint8_t>(viewed.Home(j).nRank);
    }
    return position;
}

Position DealtPosition(int number) {
    HeadlessGame game;
    game.Deal(number);
    return PositionOf(game.View());
}

bool ReplayWins(int number, const std::vector<Move>& line) {
    HeadlessGame game;
    game.Deal(number);
    for (const Move& move : line) {
        if (game.View().m_bPlaying != 1 || !game.Play(move)) {
            return false;
        }
        game.Settle();
    }
    return game.Won();
}

}  // namespace solver
