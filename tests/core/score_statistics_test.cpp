#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Writes = std::vector<std::string>;

// The eleven statistics entries as written: won, lost, then three best times.
Writes Entries(int won, int lost, std::vector<int> times, std::vector<int> games,
               std::vector<std::string> names) {
    Writes w = {"Status/m_Won=" + std::to_string(won), "Status/m_Lost=" + std::to_string(lost)};
    for (int slot = 0; slot < 3; ++slot) {
        w.push_back("Time/t_Time" + std::to_string(slot + 1) + "=" + std::to_string(times[slot]));
    }
    for (int slot = 0; slot < 3; ++slot) {
        w.push_back("Game/t_Game" + std::to_string(slot + 1) + "=" + std::to_string(games[slot]));
    }
    for (int slot = 0; slot < 3; ++slot) {
        w.push_back("Name/t_Name" + std::to_string(slot + 1) + "=" + names[slot]);
    }
    return w;
}
const Writes kStored = Entries(3, 4, {61, 72, 83}, {11, 22, 33}, {"Ann", "Bo", "Cy"});
const Writes kCleared = Entries(0, 0, {0, 0, 0}, {0, 0, 0}, {" ", " ", " "});
const Writes kWithTheWin = Entries(4, 4, {50, 61, 72}, {321, 11, 22}, {"Dee", "Ann", "Bo"});

// Statistics opened on kStored, Clear pressed unless `clearAnswer` is 0, left
// with `closeWith`; with `winInside` a tick in the dialog first wins game 321
// in 50 seconds for "Dee". Only OK keeps what the dialog did.
TEST(Statistics, OnlyOkKeepsWhatTheDialogDidAndWritesAllElevenEntries) {
    const struct {
        const char* what;
        int clearAnswer, closeWith;
        bool winInside;
        bool written;
        Writes kept;
    } cases[] = {
        {"OK", 0, IDOK, false, true, kStored},
        {"Clear, then OK", IDOK, IDOK, false, true, kCleared},
        {"Clear, then the close box", IDOK, IDCANCEL, false, false, kStored},
        {"Clear refused, then OK", IDCANCEL, IDOK, false, true, kStored},
        {"a win while open, then OK", 0, IDOK, true, true, kWithTheWin},
        {"a win while open, then Clear and OK", IDOK, IDOK, true, true, kCleared},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        FakeTable t;
        CSolView& v = *t.view;
        v.m_Won = 3;
        v.m_Lost = 4;
        for (int slot = 0; slot < 3; ++slot) {
            v.t_Time[slot] = 61 + 11 * slot;
            v.t_Game[slot] = 11 + 11 * slot;
        }
        v.t_Name[0] = "Ann", v.t_Name[1] = "Bo", v.t_Name[2] = "Cy";
        if (test.winInside) {
            t.Deal(321);
            t.ClearTable();
            for (int suit = 0; suit < 4; ++suit) {
                v.m_Cards[4 + suit][20] = Card{13, suit};
            }
            v.m_bAutoPlay = 1;
            v.m_nSeconds = 50;
            t.dialogs.highScore = [](CHighScoreDlg& dlg) { return dlg.m_strName = "Dee", IDOK; };
            t.dialogs.gameWon = [](CGameWonDlg&) { return IDCANCEL; };
        }
        t.dialogs.clearStats = [&test](CClearStatsDlg&) { return test.clearAnswer; };
        t.dialogs.statistics = [&](CStatisticsDlg& dlg) {
            if (test.winInside) {
                v.OnTimer(kGameTimer);
            }
            t.profile.writes.clear();
            if (test.clearAnswer != 0) {
                dlg.OnClear(t.dialogs);
            }
            return test.closeWith;
        };
        v.OnStatistics();
        EXPECT_EQ(t.profile.writes, test.written ? test.kept : Writes{});
        t.dialogs.clearStats = nullptr;
        t.dialogs.statistics = [](CStatisticsDlg&) { return IDOK; };
        t.profile.writes.clear();
        v.OnStatistics();
        EXPECT_EQ(t.profile.writes, test.kept);
    }
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
