// Thousands of seeded random games of presses, releases, double-clicks, right
// presses, ticks, commands and dialog answers; after every event the table
// must still hold a sound deck.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "fakes/fake_platform.h"

namespace {

constexpr int kGames = 2000;
constexpr int kEventsPerGame = 150;

::testing::AssertionResult SoundTable(const CSolView& v) {
    int seen[53] = {};
    auto count = [&](const Card& c) -> bool {
        if (c.nRank < 1 || c.nRank > 13 || c.nSuit < 0 || c.nSuit > 3) {
            return false;
        }
        ++seen[CardCode(c)];
        return true;
    };
    for (int k = 0; k < table::kColumns; ++k) {
        if (v.m_nTop[k] < -1 || v.m_nTop[k] > 18) {
            return ::testing::AssertionFailure() << "column " << k << " top " << v.m_nTop[k];
        }
        for (int i = 0; i <= v.m_nTop[k]; ++i) {
            if (!count(v.m_Cards[k][i])) {
                return ::testing::AssertionFailure() << "no card at column " << k << " row " << i;
            }
        }
    }
    for (int k = 0; k < table::kCells; ++k) {
        const Card& c = v.m_Cards[k][table::kCellRow];
        const bool holds = !(c == Card{});
        if (v.m_bCellUsed[k] != (holds ? 1 : 0)) {
            return ::testing::AssertionFailure() << "reserve cell " << k << " flag disagrees";
        }
        if (holds && !count(c)) {
            return ::testing::AssertionFailure() << "bad card in reserve cell " << k;
        }
    }
    for (int s = 0; s < table::kCells; ++s) {
        const Card& home = v.m_Cards[table::kCells + s][table::kCellRow];
        if (home.nRank < 0 || home.nRank > 13 || (home.nRank > 0 && home.nSuit != s)) {
            return ::testing::AssertionFailure() << "home cell " << s << " holds a foreign card";
        }
        for (int r = 1; r <= home.nRank; ++r) {
            ++seen[s * 13 + r];
        }
    }
    for (int code = 1; code <= 52; ++code) {
        if (seen[code] != 1) {
            return ::testing::AssertionFailure()
                   << "card " << code << " is on the table " << seen[code] << " times";
        }
    }
    if (v.m_nSelected != 0 && !(v.m_nSelected >= 1 && v.m_nSelected <= 8) &&
        !(v.m_nSelected >= 151 && v.m_nSelected <= 154)) {
        return ::testing::AssertionFailure() << "selection code " << v.m_nSelected;
    }
    return ::testing::AssertionSuccess();
}

class Monkey {
  public:
    explicit Monkey(unsigned seed) : m_random(seed) {
        m_table.surface.keepLog = false;
        Answer();
    }

    void PlayGame() {
        m_table.Deal(Pick(1, 45899));
        for (int event = 0; event < kEventsPerGame; ++event) {
            Act();
            ASSERT_TRUE(SoundTable(*m_table.view)) << "after event " << event;
        }
        m_table.profile.writes.clear();
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }

    // Points mostly at places that matter: column tops, covered cards, cells, the king.
    std::pair<int, int> Point() {
        const CSolView& v = *m_table.view;
        switch (Pick(0, 4)) {
            case 0: {
                const int k = Pick(0, 7);
                return {table::ColumnX(k) + Pick(1, 74),
                        table::RowY(std::max(v.m_nTop[k], 0)) + Pick(1, 96)};
            }
            case 1: {
                const int k = Pick(0, 7);
                return {table::ColumnX(k) + Pick(0, 75), table::RowY(Pick(0, 18)) + Pick(0, 18)};
            }
            case 2:
                return {Pick(0, 279), Pick(0, 98)};
            case 3:
                return {Pick(340, 630), Pick(0, 98)};
            default:
                return {Pick(0, 639), Pick(0, 479)};
        }
    }

    void Tick() {
        // A tick inside a dialog opened by a tick would nest timers that never nest.
        if (m_depth == 0) {
            ++m_depth;
            m_table.view->OnTimer(kGameTimer);
            --m_depth;
        }
    }

    int OkOrCancel() { return Chance(70) ? IDOK : IDCANCEL; }

    void Answer() {
        ScriptedDialogs& d = m_table.dialogs;
        d.newGame = [this](CNewGameDlg&) { return OkOrCancel(); };
        d.restart = [this](CRestartDlg&) { return OkOrCancel(); };
        d.selectGame = [this](CSelectGameDlg& dlg) {
            static const char* const kTyped[] = {"0", "abc", "", "45900", "-3", "4294967297"};
            dlg.m_strEdit = Chance(60) ? std::to_string(Pick(1, 45899)) : kTyped[Pick(0, 5)];
            return dlg.OnOK(m_table.window) ? IDOK : IDCANCEL;
        };
        d.moveChoice = [this](CMoveChoiceDlg& dlg) {
            if (Chance(30)) {
                Tick();
            }
            if (Chance(20)) {
                return IDCANCEL;
            }
            Chance(50) ? dlg.OnMoveColumn() : dlg.OnMoveSingleCard();
            return CMoveChoiceDlg::kMoved;
        };
        d.highScore = [this](CHighScoreDlg& dlg) {
            dlg.m_strName = Chance(50) ? "Ann\n[Options]" : "Bo";
            return OkOrCancel();
        };
        d.gameWon = [this](CGameWonDlg& dlg) {
            dlg.OnInitDialog();
            dlg.m_nChoice = Pick(1, 3);
            return OkOrCancel();
        };
        d.gameLost = [this](CGameLostDlg& dlg) {
            dlg.m_bSameGame = Pick(0, 1);
            return OkOrCancel();
        };
        d.statistics = [this](CStatisticsDlg& dlg) {
            dlg.OnInitDialog();
            if (Chance(30)) {
                dlg.OnClear(m_table.dialogs);
            }
            return OkOrCancel();
        };
        d.clearStats = [this](CClearStatsDlg&) { return OkOrCancel(); };
        d.options = [this](COptionsDlg& dlg) {
            dlg.m_bDblClk = Pick(0, 1);
            dlg.m_bShow = Pick(0, 1);
            dlg.m_bRclk = Pick(0, 1);
            return OkOrCancel();
        };
        m_table.window.chooseColor = [this](ColorRef, ColorRef& chosen) {
            chosen = MakeColorRef(Pick(0, 255), Pick(0, 255), Pick(0, 255));
            return Chance(70);
        };
        m_table.window.duringMessageBox = [this] { Tick(); };
    }

    void Act() {
        CSolView& v = *m_table.view;
        const auto [x, y] = Point();
        const int roll = Pick(0, 19);
        if (roll < 6) {
            v.OnLButtonDown(0, x, y);
            v.OnMouseMove(0, x + Pick(-3, 3), y + Pick(-3, 3));
            v.OnLButtonUp(0, x, y);
        } else if (roll < 8) {
            v.OnLButtonDown(0, x, y);
            v.OnLButtonUp(0, x, y);
            v.OnLButtonDblClk(0, x, y);
            v.OnLButtonUp(0, x, y);
        } else if (roll < 10) {
            // A right press alone peeks; pressed twice it is a double-click.
            v.OnRButtonDown(0, x, y);
            v.OnRButtonUp(0, x, y);
            if (roll == 9) {
                v.OnRButtonDblClk(0, x, y);
                v.OnRButtonUp(0, x, y);
            }
        } else if (roll < 11) {
            v.OnMouseMove(0, x, y);
        } else if (roll < 15) {
            for (int n = Pick(1, 30); n > 0; --n) {
                Tick();
            }
        } else if (Chance(15)) {  // commands are rare next to play
            static constexpr void (CSolView::*kCommands[])() = {
                &CSolView::OnNewGame,      &CSolView::OnSelectGame, &CSolView::OnRestartGame,
                &CSolView::OnOptions,      &CSolView::OnCardColor,  &CSolView::OnBackgroundColor,
                &CSolView::OnDefaultColor, &CSolView::OnStatistics};
            (v.*kCommands[Pick(0, 7)])();
        }
    }

    std::mt19937 m_random;
    FakeTable m_table;
    int m_depth = 0;
};

TEST(Monkey, RandomPlayNeverBreaksTheDeck) {
    for (int game = 0; game < kGames; ++game) {
        Monkey monkey(static_cast<unsigned>(game));
        monkey.PlayGame();
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "seed " << game;
    }
}

}  // namespace
