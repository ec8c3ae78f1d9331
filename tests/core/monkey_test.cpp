// Seeded random games of presses, double-clicks, right presses, ticks, commands
// and dialog answers, with ticks arriving inside the dialogs: after every event
// each card must lie exactly once on the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "fakes/fake_platform.h"

namespace {

struct Monkey {
    std::mt19937 random;
    FakeTable t;
    bool ticking = false;

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    int OkOrCancel() { return Pick(0, 9) < 7 ? IDOK : IDCANCEL; }
    // A tick inside a dialog opened by a tick would nest timers that never nest.
    int Ticks(int most) {
        for (int n = Pick(0, most); n > 0 && !ticking && t.window.timers.contains(kGameTimer);
             --n) {
            ticking = true;
            t.view->OnTimer(kGameTimer);
            ticking = false;
        }
        return OkOrCancel();
    }

    explicit Monkey(unsigned seed) : random(seed) {
        t.surface.keepLog = false;
        ScriptedDialogs& d = t.dialogs;
        d.newGame = [this](CNewGameDlg&) { return Ticks(20); };
        d.restart = [this](CRestartDlg&) { return Ticks(20); };
        d.selectGame = [this](CSelectGameDlg& dlg) {
            dlg.m_strEdit = std::to_string(Pick(1, 50000));  // too large a number is refused
            return Ticks(20) == IDOK && dlg.OnOK(t.window) ? IDOK : IDCANCEL;
        };
        d.moveChoice = [this](CMoveChoiceDlg& dlg) {
            Pick(0, 1) ? dlg.OnMoveColumn() : dlg.OnMoveSingleCard();
            return Ticks(1) == IDOK ? CMoveChoiceDlg::kMoved : IDCANCEL;
        };
        d.highScore = [this](CHighScoreDlg&) { return OkOrCancel(); };
        d.gameWon = [this](CGameWonDlg& dlg) { return dlg.m_nChoice = Pick(1, 3), OkOrCancel(); };
        d.gameLost = [this](CGameLostDlg& dlg) {
            return dlg.m_bSameGame = Pick(0, 1), OkOrCancel();
        };
        t.window.duringMessageBox = [this] { Ticks(1); };
    }

    // Mouse events mostly on column tops and the upper row, where the play is;
    // ticks; now and then a command.
    void Act() {
        using Handler = void (CSolView::*)(unsigned, int, int);
        static constexpr Handler kMouse[] = {&CSolView::OnLButtonDown,  &CSolView::OnMouseMove,
                                             &CSolView::OnLButtonUp,    &CSolView::OnLButtonDblClk,
                                             &CSolView::OnRButtonDown,  &CSolView::OnRButtonUp,
                                             &CSolView::OnRButtonDblClk};
        static constexpr void (CSolView::*kCommands[])() = {
            &CSolView::OnNewGame, &CSolView::OnSelectGame, &CSolView::OnRestartGame};
        CSolView& v = *t.view;
        const int k = Pick(0, 7), roll = Pick(0, 39);
        const int x = Pick(0, 9) < 7 ? table::ColumnX(k) + Pick(1, 74) : Pick(0, 639);
        const int y =
            Pick(0, 1) ? table::RowY(std::max(v.m_nTop[k], 0)) + Pick(1, 96) : Pick(0, 300);
        if (roll < 28) {
            (v.*kMouse[roll % 7])(0, x, y);
        } else if (roll < 38) {
            Ticks(30);
        } else {
            (v.*kCommands[Pick(0, 2)])();
        }
    }
};

TEST(Monkey, RandomPlayNeverBreaksTheDeck) {
    for (unsigned seed = 0; seed < 2000; ++seed) {
        Monkey m(seed);
        m.t.Deal(m.Pick(1, 45899));
        for (int event = 0; event < 150; ++event) {
            m.Act();
            ASSERT_TRUE(EachCardOnce(*m.t.view)) << "seed " << seed << ", event " << event;
        }
    }
}

}  // namespace
