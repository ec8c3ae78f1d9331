#include <climits>

#include "game/sol_view.h"
#include "game/view_table.h"
#include "moves/move_steps.h"
#include "platform/dialog_host.h"
#include "render/cell_cards.h"
#include "score/best_times.h"
#include "score/game_end_dlgs.h"

void CSolView::OnGameWon() {
    m_platform.window.KillTimer(kGameTimer);
    // Every card is home: the reserve row is cleared, and the four Kings stay
    // whole over the outlines.
    EraseRect(0, table::ReserveX(table::kCells), 0, table::kCellBoxHeight);
    DrawCellFrames();
    cells::DrawCards(*this);

    // The table takes no more input.
    m_bPlaying = 0;
    m_bAutoPlay = 0;
    m_nSelected = kNothingSelected;
    m_bWon = 1;
    ++m_nGameSerial;

    const int slot = EnterBestTime(BestTimes{t_Time, t_Game, t_Name}, m_nSeconds, m_nNextGame);
    if (slot >= 0) {
        CHighScoreDlg nameDlg;
        t_Name[slot] =
            m_platform.dialogs.DoModal(nameDlg) == IDOK ? nameDlg.m_strName : UnnamedBestTime(slot);
    }
    // The win and its time are kept now, whatever the player does next.
    CountGame(m_Won);
    WriteStatistics();

    CGameWonDlg wonDlg;
    if (m_platform.dialogs.DoModal(wonDlg) != IDOK) {
        return;
    }
    switch (wonDlg.m_nChoice) {
        case CGameWonDlg::kNewGame:
            OnNewGame();
            break;
        case CGameWonDlg::kSelectGame:
            OnSelectGame();
            break;
        case CGameWonDlg::kSameGame:
            // Restart deals only a game in play; the won game counts as one here.
            m_bPlaying = 1;
            OnRestartGame();
            break;
        default:
            break;
    }
}

void CSolView::CheckGameLost() {
    if (m_nMovesLeft != 0) {
        return;
    }
    // The count was taken at the last button release and gives nothing for a
    // card going home: the game goes on while automatic play can still send a
    // card home, or while the table as it stands now has a move.
    const ViewTable table{*this};
    if (rules::AnyAutoSendsHome(table) || rules::CountMovesLeft(table) != 0) {
        return;
    }
    m_platform.window.KillTimer(kGameTimer);
    m_bPlaying = 0;
    m_bAutoPlay = 0;
    // The lost table stays on the screen: it must not show a selection that has ended.
    moves::DropSelection(*this, kNothingSelected);
    m_bWon = 0;
    ++m_nGameSerial;
    CountGame(m_Lost);
    WriteStatistics();

    CGameLostDlg lostDlg;
    if (m_platform.dialogs.DoModal(lostDlg) != IDOK) {
        return;
    }
    if (lostDlg.m_bSameGame == 1) {
        m_nNextGame = m_nReplayGame;
    } else {
        m_nNextGame = m_nReplayGame = PickRandomGame();
    }
    StartGame();
}

void CSolView::CountGame(int& nTotal) {
    if (nTotal < INT_MAX) {
        ++nTotal;
    }
}
