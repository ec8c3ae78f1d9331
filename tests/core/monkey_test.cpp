// Seeded random games of presses, double-clicks, right presses, ticks, commands
// and dialog answers, with ticks arriving inside the dialogs; after every event
// the deck must be whole and the profile must count every finished game once.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "fakes/fake_platform.h"

namespace {

class Monkey {
  public:
    explicit Monkey(unsigned seed) : m_random(seed) {
        m_t.surface.keepLog = false;
        Answer();
    }

    void PlayGame() {
        m_t.Deal(Pick(1, 45899));
        if (Chance(40)) {
            LayOutAnEnding();
        }
        for (int event = 0; event < 150; ++event) {
            Act();
            ASSERT_TRUE(EachCardOnce(*m_t.view)) << "after event " << event;
            ASSERT_TRUE(SoundBooks()) << "after event " << event;
        }
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }
    int OkOrCancel() { return Chance(70) ? IDOK : IDCANCEL; }
    int Stored(const char* section, const std::string& key) {
        const auto it = m_t.profile.values.find({section, key});
        return it == m_t.profile.values.end() ? 0 : std::stoi(it->second);
    }

    // Won and lost counts equal the games finished (a game abandoned in play by
    // a new deal is lost), none twice; each best time is a finished win.
    ::testing::AssertionResult SoundBooks() {
        if (Stored("Status", "m_Won") != m_won || Stored("Status", "m_Lost") != m_lost) {
            return ::testing::AssertionFailure()
                   << "the profile counts " << Stored("Status", "m_Won") << " won and "
                   << Stored("Status", "m_Lost") << " lost of " << m_won << " and " << m_lost;
        }
        for (int slot = 1; slot <= 3; ++slot) {
            const int time = Stored("Time", "t_Time" + std::to_string(slot));
            if (time != 0 &&
                !m_wins.contains({time, Stored("Game", "t_Game" + std::to_string(slot))})) {
                return ::testing::AssertionFailure() << "best time " << time << " was never won";
            }
        }
        return ::testing::AssertionSuccess();
    }
    void GameEnded(bool won) {
        won ? ++m_won : ++m_lost;
        if (won) {
            m_wins.insert({m_t.view->m_nSeconds, m_t.view->m_nNextGame});
        }
        m_inPlay = false;
        EXPECT_TRUE(SoundBooks()) << "counted and written the moment the game ends";
    }

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
            const int place = Pick(0, 11);
            const int cell = place - table::kColumns;
            if (cell >= 0 && v.m_bCellUsed[cell] == 0) {
                v.m_Cards[cell][table::kCellRow] = card;
                v.m_bCellUsed[cell] = 1;
            } else {
                const int k = static_cast<int>(std::ranges::min_element(v.m_nTop) - v.m_nTop);
                v.m_Cards[cell < 0 ? place : k][++v.m_nTop[cell < 0 ? place : k]] = card;
            }
        }
        v.UpdateMoveCount();
    }

    void Tick() {
        // A tick inside a dialog opened by a tick would nest timers that never nest.
        if (m_depth == 0 && m_t.window.timers.contains(kGameTimer)) {
            ++m_depth;
            m_t.view->OnTimer(kGameTimer);
            --m_depth;
        }
    }
    void Ticks(int most) {
        for (int n = Pick(0, most); n > 0; --n) {
            Tick();
        }
    }

    void Answer() {
        ScriptedDialogs& d = m_t.dialogs;
        d.newGame = [this](CNewGameDlg&) { return Ticks(20), OkOrCancel(); };
        d.restart = [this](CRestartDlg&) { return Ticks(20), OkOrCancel(); };
        d.selectGame = [this](CSelectGameDlg& dlg) {
            Ticks(20);
            dlg.m_strEdit = Chance(80) ? std::to_string(Pick(1, 45899)) : "45900";
            return dlg.OnOK(m_t.window) ? IDOK : IDCANCEL;
        };
        d.moveChoice = [this](CMoveChoiceDlg& dlg) {
            Ticks(1);
            Chance(50) ? dlg.OnMoveColumn() : dlg.OnMoveSingleCard();
            return Chance(80) ? CMoveChoiceDlg::kMoved : IDCANCEL;
        };
        d.highScore = [this](CHighScoreDlg& dlg) { return dlg.m_strName = "Bo", OkOrCancel(); };
        d.gameWon = [this](CGameWonDlg& dlg) {
            GameEnded(true);
            dlg.m_nChoice = Pick(1, 3);
            return OkOrCancel();
        };
        d.gameLost = [this](CGameLostDlg& dlg) {
            GameEnded(false);
            dlg.m_bSameGame = Pick(0, 1);
            return OkOrCancel();
        };
        d.statistics = [this](CStatisticsDlg& dlg) {
            Ticks(20);
            if (Chance(30)) {
                dlg.OnClear(m_t.dialogs);
            }
            const int answer = OkOrCancel();
            if (answer == IDOK && dlg.m_bCleared == 1) {
                m_won = m_lost = 0;
                m_wins.clear();
            }
            return answer;
        };
        d.clearStats = [this](CClearStatsDlg&) { return OkOrCancel(); };
        d.options = [this](COptionsDlg& dlg) {
            dlg.m_bDblClk = Pick(0, 1);
            dlg.m_bRclk = Pick(0, 1);
            return OkOrCancel();
        };
        m_t.window.duringMessageBox = [this] { Tick(); };
        m_t.window.onSetTimer = [this](int id) {
            if (id == kGameTimer) {
                m_lost += m_inPlay ? 1 : 0;
                m_inPlay = true;
            }
        };
    }

    void Act() {
        CSolView& v = *m_t.view;
        // Mostly on column tops and the upper row, where the play is.
        const int k = Pick(0, 7);
        const int x = Chance(70) ? table::ColumnX(k) + Pick(1, 74) : Pick(0, 639);
        const int y =
            Chance(50) ? table::RowY(std::max(v.m_nTop[k], 0)) + Pick(1, 96) : Pick(0, 300);
        const int roll = Pick(0, 19);
        if (roll < 6) {
            v.OnLButtonDown(0, x, y);
            v.OnMouseMove(0, x, y);
            v.OnLButtonUp(0, x, y);
        } else if (roll < 8) {
            v.OnLButtonDown(0, x, y);
            v.OnLButtonUp(0, x, y);
            v.OnLButtonDblClk(0, x, y);
            v.OnLButtonUp(0, x, y);
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
    int m_depth = 0;
    int m_won = 0, m_lost = 0;
    std::set<std::pair<int, int>> m_wins;  // time and game number of each win
    bool m_inPlay = false;
};

TEST(Monkey, RandomPlayNeverBreaksTheDeckOrTheCounts) {
    for (unsigned seed = 0; seed < 2000; ++seed) {
        Monkey(seed).PlayGame();
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "seed " << seed;
    }
}

}  // namespace
