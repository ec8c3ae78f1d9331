// Thousands of seeded random games of presses, releases, double-clicks, right
// presses, ticks, commands and dialog answers, with ticks arriving inside the
// dialogs that leave the game timer running; after every event the table must
// still hold a sound deck and the profile must count every finished game once.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

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
        if (Chance(40)) {
            LayOutAnEnding();
        }
        for (int event = 0; event < kEventsPerGame; ++event) {
            Act();
            ASSERT_TRUE(SoundTable(*m_table.view)) << "after event " << event;
            ASSERT_TRUE(SoundBooks()) << "after event " << event;
        }
        m_table.profile.writes.clear();
    }

  private:
    // The games finished so far, as the monkey has seen them end, since the
    // statistics were last cleared.
    struct Books {
        int won = 0;
        int lost = 0;                        // declared lost, or abandoned in play by a new deal
        std::set<std::pair<int, int>> wins;  // time and game number of each win
        bool inPlay = false;
    };

    // The profile counts every finished game once, and its best times are wins.
    ::testing::AssertionResult SoundBooks() {
        const auto stored = [this](const char* section, const std::string& key) {
            const auto it = m_table.profile.values.find({section, key});
            return it == m_table.profile.values.end() ? 0 : std::stoi(it->second);
        };
        if (stored("Status", "m_Won") != m_books.won ||
            stored("Status", "m_Lost") != m_books.lost) {
            return ::testing::AssertionFailure()
                   << "the profile counts " << stored("Status", "m_Won") << " won and "
                   << stored("Status", "m_Lost") << " lost of " << m_books.won << " won and "
                   << m_books.lost << " lost";
        }
        for (int slot = 1; slot <= 3; ++slot) {
            const int time = stored("Time", "t_Time" + std::to_string(slot));
            const int game = stored("Game", "t_Game" + std::to_string(slot));
            if (time != 0 && !m_books.wins.contains({time, game})) {
                return ::testing::AssertionFailure()
                       << "best time " << time << " of game " << game << " was never won";
            }
        }
        return ::testing::AssertionSuccess();
    }

    void GameStarted() {
        if (m_books.inPlay) {
            ++m_books.lost;
        }
        m_books.inPlay = true;
    }
    void GameEnded(bool won) {
        const CSolView& v = *m_table.view;
        if (won) {
            ++m_books.won;
            m_books.wins.insert({v.m_nSeconds, v.m_nNextGame});
        } else {
            ++m_books.lost;
        }
        m_books.inPlay = false;
        // Counted and written the moment the game ends, before any answer.
        EXPECT_TRUE(SoundBooks());
    }

    // The rest of a game near its end, laid out at random, so that games are
    // won and lost often: home cells from the Five up, the other cards spread
    // over the columns and reserve cells.
    void LayOutAnEnding() {
        CSolView& v = *m_table.view;
        m_table.ClearTable();
        std::vector<Card> rest;
        for (int suit = 0; suit < table::kCells; ++suit) {
            const int home = Pick(5, 13);
            v.m_Cards[table::kCells + suit][table::kCellRow] = Card{home, suit};
            for (int rank = home + 1; rank <= 13; ++rank) {
                rest.push_back({rank, suit});
            }
        }
        std::ranges::shuffle(rest, m_random);
        // Full reserve cells and no empty column leave few moves: such games
        // are often lost.
        const bool crowded = Chance(50);
        for (int i = 0; i < static_cast<int>(rest.size()); ++i) {
            const Card& card = rest[i];
            const int place = crowded && i < 12 ? (i + table::kColumns) % 12 : Pick(0, 11);
            if (place >= table::kColumns && v.m_bCellUsed[place - table::kColumns] == 0) {
                v.m_Cards[place - table::kColumns][table::kCellRow] = card;
                v.m_bCellUsed[place - table::kColumns] = 1;
                continue;
            }
            int k = place % table::kColumns;
            if (v.m_nTop[k] >= 12) {
                k = static_cast<int>(std::ranges::min_element(v.m_nTop) - v.m_nTop);
            }
            v.m_Cards[k][++v.m_nTop[k]] = card;
        }
        v.UpdateMoveCount();
    }

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
        // Only a running game timer ticks. A tick inside a dialog opened by a
        // tick would nest timers that never nest.
        if (m_depth == 0 && m_table.window.timers.count(kGameTimer) == 1) {
            ++m_depth;
            m_table.view->OnTimer(kGameTimer);
            --m_depth;
        }
    }

    // Some ticks while a dialog is open; the clock and automatic play go on.
    void TicksInside() {
        if (Chance(30)) {
            for (int n = Pick(1, 40); n > 0; --n) {
                Tick();
            }
        }
    }

    int OkOrCancel() { return Chance(70) ? IDOK : IDCANCEL; }

    void Answer() {
        ScriptedDialogs& d = m_table.dialogs;
        d.newGame = [this](CNewGameDlg&) {
            TicksInside();
            return OkOrCancel();
        };
        d.restart = [this](CRestartDlg&) {
            TicksInside();
            return OkOrCancel();
        };
        d.selectGame = [this](CSelectGameDlg& dlg) {
            static const char* const kTyped[] = {"0", "abc", "", "45900", "-3", "4294967297"};
            TicksInside();
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
            GameEnded(true);
            dlg.OnInitDialog();
            dlg.m_nChoice = Pick(1, 3);
            return OkOrCancel();
        };
        d.gameLost = [this](CGameLostDlg& dlg) {
            GameEnded(false);
            dlg.m_bSameGame = Pick(0, 1);
            return OkOrCancel();
        };
        d.statistics = [this](CStatisticsDlg& dlg) {
            dlg.OnInitDialog();
            TicksInside();
            if (Chance(30)) {
                dlg.OnClear(m_table.dialogs);
            }
            TicksInside();
            const int answer = OkOrCancel();
            if (answer == IDOK && dlg.m_bCleared == 1) {
                m_books.won = m_books.lost = 0;
                m_books.wins.clear();
            }
            return answer;
        };
        d.clearStats = [this](CClearStatsDlg&) {
            TicksInside();
            return OkOrCancel();
        };
        d.options = [this](COptionsDlg& dlg) {
            TicksInside();
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
        m_table.window.onSetTimer = [this](int id) {
            if (id == kGameTimer) {
                GameStarted();
            }
        };
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
    Books m_books;
};

TEST(Monkey, RandomPlayNeverBreaksTheDeckOrTheCounts) {
    for (int game = 0; game < kGames; ++game) {
        Monkey monkey(static_cast<unsigned>(game));
        monkey.PlayGame();
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "seed " << game;
    }
}

}  // namespace
