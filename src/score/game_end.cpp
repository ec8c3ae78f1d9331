#include <climits>

#include "game/sol_view.h"
#include "game/view_table.h"
#include "moves/move_steps.h"
#include "platform/dialog_host.h"
#include "render/cell_cards.h"
#include "score/best_times.h"
#include "score/game_end_dlgs.h"
#include "score/statistics_record.h"

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

    // The win and its time are kept before the name is asked, so that they
    // survive whatever ends the program while the question is open.
    const int seconds = m_nSeconds;
    const int game = m_nNextGame;
    int slot = -1;
    RecordStatistics([&](Statistics& statistics) {
        CountGame(statistics.won);
        slot = EnterBestTime(statistics.Best(), seconds, game);
        if (slot >= 0) {
            statistics.names[slot] = UnnamedBestTime(slot);
        }
    });
    if (slot >= 0) {
        CHighScoreDlg nameDlg;
        if (m_platform.dialogs.DoModal(nameDlg) == IDOK) {
            RecordStatistics([&](Statistics& statistics) {
                NameBestTime(statistics.Best(), {seconds, game, UnnamedBestTime(slot)},
                             nameDlg.m_strName);
            });
        }
    }

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
    RecordStatistics([](Statistics& statistics) { CountGame(statistics.lost); });

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
