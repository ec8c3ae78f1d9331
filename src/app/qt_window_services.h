#pragma once

#include <QCursor>
#include <QObject>
#include <functional>
#include <map>

#include "app/paced_timer.h"
#include "platform/window_services.h"

class QTimerEvent;
class QWidget;

// The window services of the main window and its view: view timers by id,
// the title, the pointer shape, message boxes, the blocking wait, the colour
// chooser and the clock.
class QtWindowServices : public QObject, public WindowServices {
    Q_OBJECT

  public:
    using TimerHandler = std::function<void(int id)>;

    // `mainWindow` carries the title and owns the boxes; `view` shows the
    // pointer shapes and is brought up to date before each wait.
    QtWindowServices(QWidget* mainWindow, QWidget* view);

    // Where the ticks of every timer go.
    void SetTimerHandler(TimerHandler handler) { m_onTimer = std::move(handler); }

    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    void SetMainTitle(const std::string& title) override;
    void SetPointer(CursorHandle cursor) override;
    void MessageBox(const std::string& text, const std::string& caption) override;
    void Sleep(int milliseconds) override;
    bool ChooseColor(ColorRef initial, ColorRef& chosen) override;
    std::int64_t CurrentTimeNanoseconds() override;

  protected:
    void timerEvent(QTimerEvent* event) override;

  private:
    QWidget* m_mainWindow;
    QWidget* m_view;
    std::map<int, PacedTimer> m_timers;
    // The pointers, made for the screen density the view last showed them on.
    std::map<CursorHandle, QCursor> m_cursors;
    int m_cursorFactor = 0;
    TimerHandler m_onTimer;
};
