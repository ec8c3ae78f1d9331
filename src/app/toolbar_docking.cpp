#include "app/toolbar_docking.h"

#include <QMainWindow>
#include <QMouseEvent>
#include <QToolBar>
#include <algorithm>

Qt::ToolBarArea NearestToolBarArea(QSize size, QPoint at) {
    const int left = at.x();
    const int right = size.width() - at.x();
    const int top = at.y();
    const int bottom = size.height() - at.y();
    const int nearest = std::min({left, right, top, bottom});
    if (nearest == top) {
        return Qt::TopToolBarArea;
    }
    if (nearest == bottom) {
        return Qt::BottomToolBarArea;
    }
    return nearest == left ? Qt::LeftToolBarArea : Qt::RightToolBarArea;
}

ToolBarDocking::ToolBarDocking(QMainWindow* window, QToolBar* toolBar)
    : QObject(toolBar), m_window(window), m_toolBar(toolBar) {
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setCursor(Qt::SizeAllCursor);
    m_toolBar->installEventFilter(this);
}

bool ToolBarDocking::eventFilter(QObject* watched, QEvent* event) {
    // Only presses on the bar itself, between and beside its buttons.
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (watched != m_toolBar || (!press && event->type() != QEvent::MouseButtonRelease)) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) {
        return false;
    }
    if (press) {
        m_pressed = true;
        return true;
    }
    if (!m_pressed) {
        return false;
    }
    m_pressed = false;
    const QPoint at = m_toolBar->mapTo(m_window, mouse->position().toPoint());
    const Qt::ToolBarArea area = NearestToolBarArea(m_window->size(), at);
    if (area != m_window->toolBarArea(m_toolBar)) {
        m_window->addToolBar(area, m_toolBar);
        m_toolBar->show();
    }
    return true;
}
