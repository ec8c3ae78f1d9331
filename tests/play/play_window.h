#pragma once

#include <QTemporaryDir>

#include "app/sol_app.h"
#include "solver/position.h"
#include "solver/table_spots.h"

class ViewWidget;

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
