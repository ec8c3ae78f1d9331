// Seeded random games of presses, double-clicks, right presses, ticks, commands
// and dialog answers, with ticks arriving inside the dialogs: after every event
// each card must lie exactly once on the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "fakes/fake_platform.h"

namespace {

class Monkey {
  public:
    explicit Monkey(unsigned seed) : m_random(seed) {
        m_t.surface.keepLog = false;
        ScriptedDialogs& d = m_t.dialogs;
        d.newGame = [this](CNewGameDlg&) { return Ticks(20), OkOrCancel(); };
        d.restart = [this](CRestartDlg&) { return Ticks(20), OkOrCancel(); };
        d.selectGame = [this](CSelectGameDlg& dlg) {
            dlg.m_strEdit = Chance(80) ? std::to_string(Pick(1, 45899)) : "45900";
            return Ticks(20), dlg.OnOK(m_t.window) ? IDOK : IDCANCEL;
        };
        d.moveChoice = [this](CMoveChoiceDlg& dlg) {
            Chance(50) ? dlg.OnMoveColumn() : dlg.OnMoveSingleCard();
            return Ticks(1), Chance(80) ? CMoveChoiceDlg::kMoved : IDCANCEL;
        };
        d.highScore = [this](CHighScoreDlg& dlg) { return dlg.m_strName = "Bo", OkOrCancel(); };
        d.gameWon = [this](CGameWonDlg& dlg) { return dlg.m_nChoice = Pick(1, 3), OkOrCancel(); };
        d.gameLost = [this](CGameLostDlg& dlg) {
            return dlg.m_bSameGame = Pick(0, 1), OkOrCancel();
        };
        d.statistics = [this](CStatisticsDlg& dlg) {
            if (Chance(30)) {
                dlg.OnClear(m_t.dialogs);
            }
            return Ticks(20), OkOrCancel();
        };
        d.clearStats = [this](CClearStatsDlg&) { return OkOrCancel(); };
        d.options = [this](COptionsDlg& dlg) {
            dlg.m_bDblClk = Pick(0, 1);
            dlg.m_bRclk = Pick(0, 1);
            return OkOrCancel();
        };
        m_t.window.duringMessageBox = [this] { Tick(); };
    }

    void PlayGame() {
        m_t.Deal(Pick(1, 45899));
        if (Chance(40)) {
            LayOutAnEnding();
        }
        for (int event = 0; event < 150; ++event) {
            Act();
            ASSERT_TRUE(EachCardOnce(*m_t.view)) << "after event " << event;
        }
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }
    int OkOrCancel() { return Chance(70) ? IDOK : IDCANCEL; }

    // Home cells from the Five up, the rest spread over columns and cells, so
    // that games are often won or lost.
    void LayOutAnEnding() {
        CSolView& v = *m_t.view;
        m_t.ClearTable();
        std::vector<Card> rest;
        for (int suit = 0; suit < table::kCells; ++suit) {
            const int home = Pick(5, 13);
            v.m_Cards[table::kCells + suit][table::kCellRow] = Card{home, suit};
            for (int rank = home + 1; rank <= 13; ++rank) {
                rest.push_back({rank, suit});
            }
        }
        std::ranges::shuffle(rest, m_random);
        for (const Card& card : rest) {
            const int place = Pick(0, 11), cell = place - table::kColumns;
            if (cell >= 0 && v.m_bCellUsed[cell] == 0) {
                v.m_Cards[cell][table::kCellRow] = card;
                v.m_bCellUsed[cell] = 1;
            } else {
                const int k = cell < 0 ? place : int(std::ranges::min_element(v.m_nTop) - v.m_nTop);
                v.m_Cards[k][++v.m_nTop[k]] = card;
            }
        }
        v.UpdateMoveCount();
    }

    // A tick inside a dialog opened by a tick would nest timers that never nest.
    void Tick() {
        if (!m_ticking && m_t.window.timers.contains(kGameTimer)) {
            m_ticking = true;
            m_t.view->OnTimer(kGameTimer);
            m_ticking = false;
        }
    }
    void Ticks(int most) {
        for (int n = Pick(0, most); n > 0; --n) {
            Tick();
        }
    }

    // Mostly on column tops and the upper row, where the play is.
    void Act() {
        CSolView& v = *m_t.view;
        const int k = Pick(0, 7), roll = Pick(0, 19);
        const int x = Chance(70) ? table::ColumnX(k) + Pick(1, 74) : Pick(0, 639);
        const int y =
            Chance(50) ? table::RowY(std::max(v.m_nTop[k], 0)) + Pick(1, 96) : Pick(0, 300);
        if (roll < 8) {
            v.OnLButtonDown(0, x, y);
            v.OnMouseMove(0, x, y);
            v.OnLButtonUp(0, x, y);
            if (roll >= 6) {
                v.OnLButtonDblClk(0, x, y);
                v.OnLButtonUp(0, x, y);
            }
        } else if (roll < 10) {
            v.OnRButtonDown(0, x, y);
            v.OnRButtonUp(0, x, y);
            if (roll == 9) {
                v.OnRButtonDblClk(0, x, y);
                v.OnRButtonUp(0, x, y);
            }
        } else if (roll < 15) {
            Ticks(30);
        } else if (Chance(15)) {
            static constexpr void (CSolView::*kCommands[])() = {
                &CSolView::OnNewGame, &CSolView::OnSelectGame, &CSolView::OnRestartGame,
                &CSolView::OnOptions, &CSolView::OnStatistics};
            (v.*kCommands[Pick(0, 4)])();
        }
    }

    std::mt19937 m_random;
    FakeTable m_t;
    bool m_ticking = false;
};

TEST(Monkey, RandomPlayNeverBreaksTheDeck) {
    for (unsigned seed = 0; seed < 2000; ++seed) {
        Monkey(seed).PlayGame();
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "seed " << seed;
    }
}

}  // namespace
