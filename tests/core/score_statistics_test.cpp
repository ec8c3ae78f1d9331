#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "table_text.h"

namespace {

using Writes = std::vector<std::string>;
using Slots = std::vector<std::vector<std::string>>;  // times, games, names

// The eleven statistics entries as written: won, lost, then the three best times.
Writes Entries(int won, int lost, const Slots& slots) {
    Writes w = {"Status/m_Won=" + std::to_string(won), "Status/m_Lost=" + std::to_string(lost)};
    const char* const keys[] = {"Time/t_Time", "Game/t_Game", "Name/t_Name"};
    for (int key = 0; key < 3; ++key) {
        for (int slot = 0; slot < 3; ++slot) {
            w.push_back(keys[key] + std::to_string(slot + 1) + "=" + slots[key][slot]);
        }
    }
    return w;
}
const Writes kStored = Entries(3, 4, {{"61", "72", "83"}, {"11", "22", "33"}, {"Ann", "Bo", "Cy"}});
const Writes kCleared = Entries(0, 0, {{"0", "0", "0"}, {"0", "0", "0"}, {" ", " ", " "}});
const Writes kWithTheWin =
    Entries(4, 4, {{"50", "61", "72"}, {"321", "11", "22"}, {"Dee", "Ann", "Bo"}});

// Statistics opened on kStored, Clear pressed unless `clearAnswer` is 0, left
// with `closeWith`; with `winInside` a tick in the dialog first wins game 321
// in 50 seconds for "Dee". Only OK keeps what the dialog did.
TEST(Statistics, OnlyOkKeepsWhatTheDialogDidAndWritesAllElevenEntries) {
    const struct {
        int clearAnswer, closeWith;
        bool winInside, written;
        Writes kept;
    } cases[] = {
        {0, IDOK, false, true, kStored},         {IDOK, IDOK, false, true, kCleared},
        {IDOK, IDCANCEL, false, false, kStored}, {IDCANCEL, IDOK, false, true, kStored},
        {0, IDOK, true, true, kWithTheWin},      {IDOK, IDOK, true, true, kCleared},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(&test - cases);
        FakeTable t;
        CSolView& v = *t.view;
        v.m_Won = 3;
        v.m_Lost = 4;
        for (int slot = 0; slot < 3; ++slot) {
            v.t_Time[slot] = 61 + 11 * slot;
            v.t_Game[slot] = 11 + 11 * slot;
            v.t_Name[slot] = std::vector<std::string>{"Ann", "Bo", "Cy"}[slot];
        }
        if (test.winInside) {
            t.Deal(321);
            Lay(t, "", "KC KS KH KD", "");
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
    const std::tuple<int, int, std::string> cases[] = {{1, 2, "33"},
                                                       {2, 1, "66"},
                                                       {0, 5, "0"},
                                                       {2'000'000'000, 0, "100"},
                                                       {1 << 30, 1 << 30, "50"}};
    for (const auto& [won, lost, percent] : cases) {
        CStatisticsDlg dlg;
        dlg.m_nWon = won;
        dlg.m_nLost = lost;
        dlg.OnInitDialog();
        EXPECT_NE(dlg.m_strText.find("\n\n\n" + percent + "%\n"), std::string::npos)
            << won << "/" << lost;
    }
}

}  // namespace
