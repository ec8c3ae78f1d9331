#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "about/about_dlg.h"
#include "game/game_dialogs.h"
#include "game/sol_view.h"
#include "moves/move_choice_dlg.h"
#include "platform/platform.h"
#include "score/game_end_dlgs.h"
#include "score/statistics_dlg.h"
#include "settings/options_dlg.h"

// Text laid out as by printf.
template <class... Args>
std::string Text(const char* format, Args... args) {
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// A surface that logs each drawing call as a line: "blt 12 4,110 80x100 copy",
// "fill 0,0-640,480 0,0,128", "line 0,0-0,95 0,0,128 notcopy", "text 307,9 0".
class RecordingSurface : public Surface {
  public:
    Rect client{0, 0, 632, 407};
    std::vector<std::string> calls;
    bool keepLog = true;  // long random runs switch the log off

    Rect ClientRect() const override { return client; }
    void BitBlt(int x, int y, int cx, int cy, int bitmapId, RasterOp op) override;
    void FillRect(const Rect& rect, ColorRef colour) override;
    void Line(int x0, int y0, int x1, int y1, ColorRef pen, PenMode mode) override;
    void TextOut(int x, int y, const std::string& text) override;
    std::vector<std::string> Take() { return std::exchange(calls, {}); }  // since the last

  private:
    void Log(std::string call);
};

// Window services that remember what was asked of them.
class FakeWindow : public WindowServices {
  public:
    std::map<int, int> timers;  // running timer id -> period
    std::string title;
    CursorHandle pointer = kArrowCursor;
    std::vector<std::pair<std::string, std::string>> messages;  // text, caption
    std::vector<int> sleeps;
    std::int64_t now = 1'000'000;
    // Answer of the colour chooser; empty means Cancel.
    std::function<bool(ColorRef initial, ColorRef& chosen)> chooseColor;

    void SetTimer(int id, int periodMs) override { timers[id] = periodMs; }
    void KillTimer(int id) override { timers.erase(id); }
    void SetMainTitle(const std::string& text) override { title = text; }
    void SetPointer(CursorHandle cursor) override { pointer = cursor; }
    void MessageBox(const std::string& text, const std::string& caption) override {
        messages.emplace_back(text, caption);
    }
    void Sleep(int milliseconds) override { sleeps.push_back(milliseconds); }
    bool ChooseColor(ColorRef initial, ColorRef& chosen) override {
        return chooseColor && chooseColor(initial, chosen);
    }
    std::int64_t CurrentTimeNanoseconds() override { return now; }
};

// Dialogs answered by the test. A dialog without an answer fails the test and
// is cancelled. `shown` counts the dialogs opened, by class name.
class ScriptedDialogs : public DialogHost {
  public:
    template <class Dlg>
    using Answer = std::function<int(Dlg&)>;

    Answer<CNewGameDlg> newGame;
    Answer<CRestartDlg> restart;
    Answer<CSelectGameDlg> selectGame;
    Answer<CMoveChoiceDlg> moveChoice;
    Answer<CHighScoreDlg> highScore;
    Answer<CGameWonDlg> gameWon;
    Answer<CGameLostDlg> gameLost;
    Answer<CStatisticsDlg> statistics;
    Answer<CClearStatsDlg> clearStats;
    Answer<COptionsDlg> options;
    Answer<CAboutDlg> about;
    std::map<std::string, int> shown;

    int DoModal(CNewGameDlg& dlg) override { return Run("CNewGameDlg", newGame, dlg); }
    int DoModal(CRestartDlg& dlg) override { return Run("CRestartDlg", restart, dlg); }
    int DoModal(CSelectGameDlg& dlg) override { return Run("CSelectGameDlg", selectGame, dlg); }
    int DoModal(CMoveChoiceDlg& dlg) override { return Run("CMoveChoiceDlg", moveChoice, dlg); }
    int DoModal(CHighScoreDlg& dlg) override { return Run("CHighScoreDlg", highScore, dlg); }
    int DoModal(CGameWonDlg& dlg) override { return Run("CGameWonDlg", gameWon, dlg); }
    int DoModal(CGameLostDlg& dlg) override { return Run("CGameLostDlg", gameLost, dlg); }
    int DoModal(CStatisticsDlg& dlg) override { return Run("CStatisticsDlg", statistics, dlg); }
    int DoModal(CClearStatsDlg& dlg) override { return Run("CClearStatsDlg", clearStats, dlg); }
    int DoModal(COptionsDlg& dlg) override { return Run("COptionsDlg", options, dlg); }
    int DoModal(CAboutDlg& dlg) override { return Run("CAboutDlg", about, dlg); }

  private:
    template <class Dlg>
    int Run(const std::string& name, Answer<Dlg>& answer, Dlg& dlg) {
        ++shown[name];
        EXPECT_TRUE(static_cast<bool>(answer)) << "unexpected dialog " << name;
        return answer ? answer(dlg) : IDCANCEL;
    }
};

// A profile held in memory, with a log of the writes in order ("Status/m_Won=3")
// and a count of the updates. While `unreachable`, an update keeps nothing.
class MemoryProfile : public Profile {
  public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> writes;
    int updates = 0;
    bool unreachable = false;

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) override {
        return std::stoi(GetProfileString(section, key, std::to_string(defaultValue)));
    }
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) override {
        const auto it = values.find({std::string(section), std::string(key)});
        return it == values.end() ? std::string(defaultValue) : it->second;
    }
    bool WriteProfileInt(std::string_view section, std::string_view key, int value) override {
        return WriteProfileString(section, key, std::to_string(value));
    }
    bool WriteProfileString(std::string_view section, std::string_view key,
                            std::string_view value) override;
    bool Update(const std::function<void(ProfileKeys& keys)>& change) override;
};

// A view on fake platform parts, ready to drive.
struct FakeTable {
    CSolDoc doc;
    RecordingSurface surface;
    FakeWindow window;
    ScriptedDialogs dialogs;
    MemoryProfile profile;
    std::unique_ptr<CSolView> view;

    FakeTable() { Construct(); }
    // A new view on the same platform parts (a restart of the program).
    void Construct() {
        view = std::make_unique<CSolView>(doc, Platform{surface, window, dialogs, profile});
    }
    // Deals `game` the way Select Game does, without any dialog.
    void Deal(int game) {
        view->m_nNextGame = view->m_nReplayGame = game;
        view->StartGame();
    }
    // The number the view's next random pick gives, leaving that pick to come.
    int NextPick() {
        const Random15 before = view->m_random;
        const int pick = view->PickRandomGame();
        view->m_random = before;
        return pick;
    }
};

// Every one of the 52 cards lies exactly once on the columns, in the used
// reserve cells or under its own home cell; a free reserve cell holds no card.
::testing::AssertionResult EachCardOnce(const CSolView& view);
