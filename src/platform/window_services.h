#pragma once

#include <cstdint>
#include <string>

#include "platform/color_ref.h"

// A pointer shape, named by its cursor resource id; 0 is the system arrow.
using CursorHandle = int;
constexpr CursorHandle kArrowCursor = 0;
constexpr CursorHandle kDropCursor = 222;
constexpr CursorHandle kEmptyCursor = 226;

// Services of the window that shows the view and of the program around it.
class WindowServices {
  public:
    virtual ~WindowServices() = default;

    // Starts, or restarts, the view's timer `id`; its ticks reach CSolView::OnTimer.
    virtual void SetTimer(int id, int periodMs) = 0;
    virtual void KillTimer(int id) = 0;

    virtual void SetMainTitle(const std::string& title) = 0;
    virtual void SetPointer(CursorHandle cursor) = 0;

    // A modal message box with one OK button; returns once it is closed.
    virtual void MessageBox(const std::string& text, const std::string& caption) = 0;

    // Blocks the user-interface thread. Everything drawn so far is on the
    // screen before the wait begins.
    virtual void Sleep(int milliseconds) = 0;

    // The standard colour chooser, opened on `initial`. Returns false on Cancel.
    virtual bool ChooseColor(ColorRef initial, ColorRef& chosen) = 0;

    // Fine enough that two games started within one second see different times.
    virtual std::int64_t CurrentTimeNanoseconds() = 0;
};
