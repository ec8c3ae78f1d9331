#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Writes = std::vector<std::string>;

// The statistics write of the fixture's values, with `lost` games lost.
Writes StoredWrites(int lost) {
    return {"Status/m_Won=3",   "Status/m_Lost=" + std::to_string(lost),
            "Time/t_Time1=61",  "Time/t_Time2=72",
            "Time/t_Time3=83",  "Game/t_Game1=11",
            "Game/t_Game2=22",  "Game/t_Game3=33",
            "Name/t_Name1=Ann", "Name/t_Name2=Bo",
            "Name/t_Name3=Cy"};
}

const Writes kClearedWrites = {
    "Status/m_Won=0", "Status/m_Lost=0", "Time/t_Time1=0", "Time/t_Time2=0",
    "Time/t_Time3=0", "Game/t_Game1=0",  "Game/t_Game2=0", "Game/t_Game3=0",
    "Name/t_Name1= ", "Name/t_Name2= ",  "Name/t_Name3= "};

// A table whose statistics are those of StoredWrites(4).
struct StatisticsTable {
    FakeTable t;

    StatisticsTable() {
        CSolView& v = *t.view;
        v.m_Won = 3;
        v.m_Lost = 4;
        const int times[] = {61, 72, 83};
        const int games[] = {11, 22, 33};
        const char* names[] = {"Ann", "Bo", "Cy"};
        for (int slot = 0; slot < 3; ++slot) {
            v.t_Time[slot] = times[slot];
            v.t_Game[slot] = games[slot];
            v.t_Name[slot] = names[slot];
        }
    }
    // Opens Statistics, presses Clear unless `clearAnswer` is 0, and leaves with
    // `closeWith`. With `winInside`, a tick inside the dialog first wins game
    // 321 in 50 seconds for "Dee"; its own writes are left out of the log.
    void Show(int clearAnswer, int closeWith, bool winInside = false) {
        if (winInside) {
            DealWonGame();
        }
        t.dialogs.clearStats = [clearAnswer](CClearStatsDlg&) { return clearAnswer; };
        t.dialogs.statistics = [this, clearAnswer, closeWith, winInside](CStatisticsDlg& dlg) {
            if (winInside) {
                t.view->OnTimer(kGameTimer);
                t.profile.writes.clear();
            }
            if (clearAnswer != 0) {
                dlg.OnClear(t.dialogs);
            }
            return closeWith;
        };
        t.view->OnStatistics();
    }

  private:
    void DealWonGame() {
        t.Deal(321);
        for (int k = 0; k < 8; ++k) {
            t.Column(k, {});
        }
        for (int suit = 0; suit < 4; ++suit) {
            t.view->m_Cards[4 + suit][20] = Card{13, suit};
        }
        t.view->m_bAutoPlay = 1;
        t.view->m_nSeconds = 50;
        t.dialogs.highScore = [](CHighScoreDlg& dlg) {
            dlg.m_strName = "Dee";
            return IDOK;
        };
        t.dialogs.gameWon = [](CGameWonDlg&) { return IDCANCEL; };
        t.profile.writes.clear();
    }
};

// The fixture's values after a win in 50 seconds of game 321 by "Dee".
const Writes kWithTheWin = {"Status/m_Won=4",   "Status/m_Lost=4", "Time/t_Time1=50",
                            "Time/t_Time2=61",  "Time/t_Time3=72", "Game/t_Game1=321",
                            "Game/t_Game2=11",  "Game/t_Game3=22", "Name/t_Name1=Dee",
                            "Name/t_Name2=Ann", "Name/t_Name3=Bo"};

// A game won while the dialog is open stays won: OK writes back only a Clear.
TEST(Statistics, OnlyOkKeepsWhatTheDialogDidAndWritesAllElevenEntries) {
    const struct {
        const char* what;
        int clearAnswer, closeWith;
        bool winInside;
        bool written;
        Writes kept;  // the view's statistics afterwards, as written
    } cases[] = {
        {"OK", 0, IDOK, false, true, StoredWrites(4)},
        {"Clear, then OK", IDOK, IDOK, false, true, kClearedWrites},
        {"Clear, then the close box", IDOK, IDCANCEL, false, false, StoredWrites(4)},
        {"Clear refused, then OK", IDCANCEL, IDOK, false, true, StoredWrites(4)},
        {"a win while open, then OK", 0, IDOK, true, true, kWithTheWin},
        {"a win while open, then Clear and OK", IDOK, IDOK, true, true, kClearedWrites},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        StatisticsTable s;
        s.Show(test.clearAnswer, test.closeWith, test.winInside);
        EXPECT_EQ(s.t.profile.writes, test.written ? test.kept : Writes{});

        s.t.profile.writes.clear();
        s.Show(0, IDOK);
        EXPECT_EQ(s.t.profile.writes, test.kept);
    }
}

TEST(Statistics, EveryGameStartWritesAllElevenEntries) {
    StatisticsTable s;
    s.t.Deal(1);
    EXPECT_EQ(s.t.profile.writes, StoredWrites(4)) << "the first game counts nothing";
    s.t.profile.writes.clear();
    s.t.Deal(2);
    EXPECT_EQ(s.t.profile.writes, StoredWrites(5));
}

TEST(StatisticsText, ShowsThreeSlotsThenThePercentageAndTheCounts) {
    CStatisticsDlg fresh;
    fresh.OnInitDialog();
    EXPECT_EQ(fresh.m_strText, "#0\t\t0\t\n#0\t\t0\t\n#0\t\t0\t\n\n\n0%\n\nWon   0\nLost    0");

    // The percentage drops the remainder and never overflows.
    const struct {
        int won, lost;
        const char* percent;
    } cases[] = {{1, 2, "33"},
                 {2, 1, "66"},
                 {0, 5, "0"},
                 {5, 0, "100"},
                 {2'000'000'000, 0, "100"},
                 {1'000'000'000, 1'000'000'000, "50"}};
    for (const auto& test : cases) {
        CStatisticsDlg dlg;
        dlg.m_nWon = test.won;
        dlg.m_nLost = test.lost;
        dlg.OnInitDialog();
        EXPECT_NE(dlg.m_strText.find("\n\n\n" + std::string(test.percent) + "%\n"),
                  std::string::npos)
            << test.won << " won, " << test.lost << " lost";
    }
}

}  // namespace
