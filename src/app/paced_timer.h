#pragma once

#include <QBasicTimer>
#include <functional>

class QObject;
class QTimerEvent;

// A window timer as the game expects one: ticks that fall due while a tick's
// handler runs merge into one, and the next tick comes a whole period after
// the handler returns, however long it waited inside.
class PacedTimer {
  public:
    // Ticks go to `receiver` as timer events, every `periodMs` from now.
    void Start(int periodMs, QObject* receiver);
    void Stop();

    // Whether `event` is a tick of this timer.
    bool IsTick(const QTimerEvent& event) const;

    // Runs the tick's handler. The next tick is timed from its return, unless
    // the handler started or stopped this timer itself.
    void Run(const std::function<void()>& handler);

  private:
    QBasicTimer m_timer;
    QObject* m_receiver = nullptr;
    int m_periodMs = 0;
    int m_changes = 0;  // starts and stops so far
};
