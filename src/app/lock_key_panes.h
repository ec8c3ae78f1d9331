#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

#include "app/lock_key_state.h"

class QLabel;
class QStatusBar;

// The "CAP", "NUM" and "SCRL" panes at the right of the status bar. Each
// shows its name while its lock key is on and stays blank while it is off;
// where the state cannot be read, all three show their names dimmed.
class LockKeyPanes : public QObject {
    Q_OBJECT

  public:
    explicit LockKeyPanes(QStatusBar* statusBar, LockKeyState state = LockKeyState());

  private:
    struct Pane {
        LockKey key;
        QString name;
        QLabel* label;
    };

    void Refresh();

    LockKeyState m_state;
    std::vector<Pane> m_panes;
    // The lights change outside the program too, so they are looked at often.
    QTimer m_poll;
};
