#pragma once

#include <QApplication>

#include "app/main_frame.h"

// The program's main window, found among the top-level windows the way the
// window system lists them; null while there is none.
inline CMainFrame* FindMainFrame() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* frame = qobject_cast<CMainFrame*>(window)) {
            return frame;
        }
    }
    return nullptr;
}
