#include "game/game_dialogs.h"
#include "game/sol_view.h"
#include "score/statistics_record.h"

namespace {
constexpr int kDealtTops[table::kColumns] = {6, 6, 6, 6, 5, 5, 5, 5};
// A pick that comes out as 0 deals this game instead: 0 is never offered.
constexpr int kGameInsteadOfZero = 1560;
}  // namespace

void CSolView::DealCards(int nGame) {
    int k = 0;
    for (int column = 0; column < table::kColumns; ++column) {
        for (int row = 0; row <= m_nTop[column]; ++row, ++k) {
            const Card card = m_pDocument->DealtCard(nGame, k);
            m_Cards[column][row] = card;
            DrawCardFace(card, table::ColumnX(column), table::RowY(row), table::kRepaintWidth,
                         table::kRepaintHeight);
        }
    }
}

void CSolView::StartGame() {
    m_nSeconds = 0;
    m_platform.window.SetMainTitle("Kelmora #" + std::to_string(m_nNextGame));

    // A game still in play is abandoned now and counts as lost; a game that
    // was won or lost has been counted when it ended.
    const bool abandoned = m_bPlaying == 1 && m_bWon == 0;
    m_bWon = 0;
    RecordStatistics([abandoned](Statistics& statistics) {
        if (abandoned) {
            CountGame(statistics.lost);
        }
    });

    ++m_nGameSerial;
    m_bNoGameYet = 0;
    m_bAutoPlay = 0;
    m_platform.window.SetTimer(kGameTimer, kTickMilliseconds);
    m_bPlaying = 1;
    m_nSelected = kNothingSelected;

    const Rect client = m_platform.surface.ClientRect();
    EraseRect(client.left, client.right, client.top, client.bottom);

    for (int column = 0; column < table::kColumns; ++column) {
        m_Cards[column][table::kCellRow] = Card{};
        m_nTop[column] = kDealtTops[column];
    }
    for (int& used : m_bCellUsed) {
        used = 0;
    }
    m_nGameNumber = m_nNextGame;

    DrawKingBox();
    DrawCellFrames();
    DealCards(m_nGameNumber);
    UpdateMoveCount();
}

int CSolView::PickRandomGame() {
    int n = m_random.Next() + m_random.Next();
    if (n > CSolDoc::kLastGameNumber) {
        n = m_random.Next();
    }
    return n == 0 ? kGameInsteadOfZero : n;
}

void CSolView::OnNewGame() {
    // Only a game still open to play is worth a question.
    if (m_bNoGameYet == 0 && m_bWon == 0) {
        const int asked = m_nGameSerial;
        CNewGameDlg dlg;
        if (m_platform.dialogs.DoModal(dlg) != IDOK || m_nGameSerial != asked) {
            return;
        }
    }
    m_nNextGame = m_nReplayGame = PickRandomGame();
    StartGame();
}

void CSolView::OnSelectGame() {
    const int asked = m_nGameSerial;
    CSelectGameDlg dlg;
    if (m_platform.dialogs.DoModal(dlg) != IDOK || m_nGameSerial != asked) {
        return;
    }
    m_nNextGame = m_nReplayGame = dlg.m_nGame;
    StartGame();
}

void CSolView::OnRestartGame() {
    if (m_bPlaying == 0) {
        return;
    }
    // Reached with a won game only from the won dialog's "Same Game": no question.
    if (m_bWon == 1) {
        StartGame();
        return;
    }
    const int asked = m_nGameSerial;
    CRestartDlg dlg;
    if (m_platform.dialogs.DoModal(dlg) != IDOK || m_nGameSerial != asked) {
        return;
    }
    m_nNextGame = m_nReplayGame;
    StartGame();
}
