#pragma once

#include <string>
#include <utility>
#include <vector>

#include "game/sol_doc.h"
#include "game/sol_view.h"
#include "platform/platform.h"
#include "solver/position.h"

namespace solver {

// The game itself on platform parts that draw nothing and keep the profile in
// memory, played with the presses a player would make.
class HeadlessGame {
  public:
    HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    CSolView& View() { return m_view; }

    // Deals game `number` the way Select Game does.
    void Deal(int number);

    // Presses the move's source, then its target, each released at once; the
    // question about an empty column is answered by the move's count. False
    // unless exactly that many cards went where the move says.
    bool Play(const Move& move);

    // Runs the game timer until automatic play comes to rest or the game ends.
    void Settle();

    bool Won() const { return m_view.m_bWon == 1; }

  private:
    class Quiet : public Surface, public WindowServices, public Profile {
      public:
        Rect ClientRect() const override { return {0, 0, 632, 407}; }
        void BitBlt(int, int, int, int, int, RasterOp) override {}
        void FillRect(const Rect&, ColorRef) override {}
        void Line(int, int, int, int, ColorRef, PenMode) override {}
        void TextOut(int, int, const std::string&) override {}

        void SetTimer(int, int) override {}
        void KillTimer(int) override {}
        void SetMainTitle(const std::string&) override {}
        void SetPointer(CursorHandle) override {}
        void MessageBox(const std::string&, const std::string&) override {}
        void Sleep(int) override {}
        bool ChooseColor(ColorRef, ColorRef&) override { return false; }
        std::int64_t CurrentTimeNanoseconds() override { return 0; }

        // A fresh profile every game: its statistics concern nobody.
        int GetProfileInt(std::string_view, std::string_view, int fallback) override {
            return fallback;
        }
        std::string GetProfileString(std::string_view, std::string_view,
                                     std::string_view fallback) override {
            return std::string(fallback);
        }
        bool WriteProfileInt(std::string_view, std::string_view, int) override { return true; }
        bool WriteProfileString(std::string_view, std::string_view, std::string_view) override {
            return true;
        }
        bool Update(const std::function<void(ProfileKeys&)>& change) override {
            change(*this);
            return true;
        }
    };

    // Every question is declined, except "Select", answered as the move asks.
    class Answers : public DialogHost {
      public:
        bool moveRun = false;

        int DoModal(CNewGameDlg&) override { return IDCANCEL; }
        int DoModal(CRestartDlg&) override { return IDCANCEL; }
        int DoModal(CSelectGameDlg&) override { return IDCANCEL; }
        int DoModal(CMoveChoiceDlg& dlg) override;
        int DoModal(CHighScoreDlg&) override { return IDCANCEL; }
        int DoModal(CGameWonDlg&) override { return IDCANCEL; }
        int DoModal(CGameLostDlg&) override { return IDCANCEL; }
        int DoModal(CStatisticsDlg&) override { return IDCANCEL; }
        int DoModal(CClearStatsDlg&) override { return IDCANCEL; }
        int DoModal(COptionsDlg&) override { return IDCANCEL; }
        int DoModal(CAboutDlg&) override { return IDCANCEL; }
    };

    void Click(int x, int y);

    CSolDoc m_document;
    Quiet m_quiet;
    Answers m_answers;
    CSolView m_view;
};

// The table the game shows, as the search keeps it.
Position PositionOf(const CSolView& view);

// The deal of game `number`, from the game's own start.
Position DealtPosition(int number);

// Whether `line`, played into the game from the deal of `number`, wins it.
bool ReplayWins(int number, const std::vector<Move>& line);

}  // namespace solver
