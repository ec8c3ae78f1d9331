#pragma once

#include <functional>
#include <string>

#include "game/card.h"
#include "game/profile_keys.h"
#include "game/sol_doc.h"
#include "game/table_geometry.h"
#include "platform/platform.h"
#include "platform/random15.h"

struct Statistics;

// Selection codes held in m_nSelected.
constexpr int kNothingSelected = 0;
constexpr int kFirstReserveSelection = 151;  // 151..154: reserve cell 0..3

// The bitmap passed with the invert flag to mark the selection.
constexpr int kSelectionMark = 500;

// Timers of the view.
constexpr int kGameTimer = 0;
constexpr int kStartupTimer = 1;
constexpr int kTickMilliseconds = 100;

// The game: the whole table and every rule of play. The members are the game
// state itself and are read and written directly by the handlers, which are
// split over game/, render/, moves/, score/ and settings/.
class CSolView {
  public:
    CSolView(const CSolDoc& document, Platform platform);
    CSolView(const CSolView&) = delete;
    CSolView& operator=(const CSolView&) = delete;

    // --- game/: dealing and the game commands ---
    void DealCards(int nGame);
    void StartGame();
    int PickRandomGame();
    void OnNewGame();
    void OnSelectGame();
    void OnRestartGame();

    // --- render/: drawing primitives, painting and status texts ---
    void DrawCard(int nBitmap, int x, int y, int cx, int cy, bool bInvert);
    // Draws `card` face up into the box, noting it as the card drawn last.
    void DrawCardFace(const Card& card, int x, int y, int cx, int cy);
    void EraseRect(int left, int right, int top, int bottom);
    void DrawCellFrames();
    void DrawKingBox();
    // The view window's class: double-clicks on, the table colour behind it.
    // Returns that background colour for the window being created.
    ColorRef PreCreateWindow();
    void OnPaint();
    void DrawClock();
    void UpdateMoveCount();

    // --- moves/: mouse input, selection and the move rules ---
    void OnLButtonDown(unsigned nFlags, int x, int y);
    void OnLButtonUp(unsigned nFlags, int x, int y);
    void OnMouseMove(unsigned nFlags, int x, int y);
    void OnRButtonDown(unsigned nFlags, int x, int y);
    void OnRButtonUp(unsigned nFlags, int x, int y);
    void OnLButtonDblClk(unsigned nFlags, int x, int y);
    void OnRButtonDblClk(unsigned nFlags, int x, int y);
    void ClickColumn(int x, int y);
    void ToggleColumnSelection(int k);
    void ClickReserveCell(int x, int y);
    void ClickHomeCell(int x, int y);
    void ClickEmptyColumn(int k);
    void MoveCellCardToColumn(int k);
    void MoveCardToEmptyColumn(int k);
    void MoveRunToEmptyColumn(int k, int n);
    void MoveRunToColumn(int nTarget);
    void MoveRun(int L, int nTarget);
    void SendCardHome(int nSource, int nSuit);
    void AutoPlay();
    void AutoMoveToHome(int nFrom, int nHome);

    // --- score/: timer tick, game end, statistics ---
    void OnInitialUpdate();
    void OnTimer(unsigned nIDEvent);
    void OnGameWon();
    void CheckGameLost();
    void OnStatistics();

    // --- settings/: options and colours ---
    void OnOptions();
    void OnCardColor();
    void OnBackgroundColor();
    void OnDefaultColor();

    // --- the game state, in declaration order ---
    std::string m_strWndClass;
    CursorHandle m_hArrowCursor = kArrowCursor;
    CursorHandle m_hDropCursor = kDropCursor;
    CursorHandle m_hEmptyCursor = kEmptyCursor;
    int m_nMovesLeft = 10;
    int m_bFirstTick = 1;
    int m_Blue = 128;
    int m_Green = 0;
    int m_Red = 0;
    int t_Time[kBestTimeSlots] = {};
    int t_Game[kBestTimeSlots] = {};
    std::string t_Name[kBestTimeSlots];
    int m_nSeconds = 0;
    int m_bNoGameYet = 1;
    int m_bWon = 0;
    int m_Lost = 0;
    int m_Won = 0;
    int m_DblClk = 1;
    int m_Rclk = 1;
    int m_Show = 1;
    int m_nCardColor = 0;
    int m_nGameNumber = 0;
    ColorRef m_crBackground = MakeColorRef(m_Red, m_Green, m_Blue);
    int m_nAutoSource = 0;
    int m_nNextGame = 0;
    int m_nReplayGame = 0;
    int m_nCardCode = 0;
    int m_bAutoPlay = 0;
    int m_nPeekRow = 0;
    int m_nPeekColumn = 0;
    int m_bPeeking = 0;
    int m_nMinHome = 0;
    int m_bKingTurned = 0;
    int m_bPointerRight = 0;
    int m_bMouseDown = 0;
    int m_nSelected = kNothingSelected;
    int m_nTop[table::kColumns] = {};
    int m_bCellUsed[table::kCells] = {};
    int m_bPlaying = 0;
    int m_nFree[12] = {};
    Card m_Cards[table::kColumns][table::kRows] = {};

    // Clock ticks counted toward the next second; kept across games, so the
    // first second of a game comes after 1 to 11 ticks.
    int m_nTickDivider = 0;

    // Changes whenever a game starts or ends. A command that asked the player
    // first acts only if its game is still as it was when the question opened:
    // ticks run inside the question and may end the game or deal the next one.
    int m_nGameSerial = 0;

    // Game numbers for New Game, seeded once with the time at construction, so
    // two picks within one second still give two games, and two games started
    // within one second deal differently.
    Random15 m_random;

    const CSolDoc* m_pDocument;

  private:
    void ReadProfile();
    // Keeps one moment of the statistics (a game counted, a best time, a
    // Clear) as one change of the profile: `change` is applied to the values
    // the profile holds now, so another running game's results stay, and the
    // game takes the result. Out of the profile's reach it is applied to the
    // game's own values.
    void RecordStatistics(const std::function<void(Statistics&)>& change);
    Statistics HeldStatistics() const;
    void HoldStatistics(const Statistics& statistics);
    // One more game won or lost; a count already at the largest value stays there.
    static void CountGame(int& nTotal);

    // The free-place list: empty reserve cells, then empty columns other than
    // `excludedColumn`. Fills m_nFree and returns the count; the movers take the
    // list itself from moves::ListFreePlaces.
    int BuildFreeList(int excludedColumn);

    Platform m_platform;
};
