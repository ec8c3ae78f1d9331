#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

class QMainWindow;
class QToolBar;

// The edge of a window of `size` nearest to `at` (window coordinates, which
// may lie outside it), as the toolbar area that edge holds.
Qt::ToolBarArea NearestToolBarArea(QSize size, QPoint at);

// Docking the toolbar on another edge of the main window by dragging it there
// with the left button, all within the window: for window systems that let no
// program place a window, where Qt's own drag floats the bar wherever the
// compositor puts it and docks it again by wrong positions.
class ToolBarDocking : public QObject {
  public:
    ToolBarDocking(QMainWindow* window, QToolBar* toolBar);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMainWindow* m_window;
    QToolBar* m_toolBar;
    bool m_pressed = false;
};
