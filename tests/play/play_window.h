#pragma once

#include <QDialog>
#include <QTemporaryDir>
#include <functional>
#include <utility>

#include "app/sol_app.h"
#include "solver/position.h"
#include "solver/table_spots.h"

class ViewWidget;

// Answering the program's modal dialogs from a test, while their own event
// loops run. Each `act` is expected to close the dialog it is given.

// Acts on the dialog that the very next call opens, titled `title`. Any other
// dialog, or one left open, fails the test and is cancelled so that the call
// that opened it returns.
void AnswerNext(const QString& title, std::function<void(QDialog&)> act);

// Acts once on a dialog titled `title` that a timer tick opens later, watching
// for it as long as `owner` lives.
void WhenOpens(QObject* owner, const QString& title, std::function<void(QDialog&)> act);

// A control of the dialog, found by its control id; null when there is none.
template <class Control>
Control* ControlOf(QDialog& dialog, int id) {
    return dialog.findChild<Control*>(QString::number(id));
}

// Clicks the button, check box or radio button with control id `id`.
void PressButton(QDialog& dialog, int id);

// Where a player presses to make `move`: its source, then its target.
std::pair<solver::Spot, solver::Spot> PressesFor(const CSolView& game, const solver::Move& move);

// The whole program as a player starts it, on a profile of its own in a
// temporary folder, played with real mouse events on its view widget.
class PlayWindow {
  public:
    PlayWindow();

    bool Started() const { return m_started; }
    CMainFrame& Frame() const;
    ViewWidget& Table() const;
    CSolView& Game() const { return Frame().View(); }
    QString ProfilePath() const { return m_config.filePath("kelmora/kelmora.ini"); }

    // Runs a menu or toolbar command, found by its command id.
    void Trigger(int commandId) const;
    // Deals `number` through "Select Game...", typing it into the dialog.
    void SelectGame(int number) const;
    // A left press and its release, straight to the view widget.
    void Click(solver::Spot at) const;
    // The move's source clicked, then its target.
    void Play(const solver::Move& move) const;

  private:
    QTemporaryDir m_config;
    bool m_started = false;
    CSolApp m_app;
};
