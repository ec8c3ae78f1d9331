#pragma once

#include <QColor>
#include <QWidget>

#include "app/image_surface.h"

class CSolView;
class QMouseEvent;
class QPaintEvent;
class QResizeEvent;

// The table on screen. Its image is the view's client area at the screen's
// density: the game draws into it directly, and painting only shows it in the
// window. Mouse input goes to the game with client coordinates.
class ViewWidget : public QWidget {
    Q_OBJECT

  public:
    explicit ViewWidget(QWidget* parent = nullptr);

    // Where the game draws: the table image this widget shows.
    ImageSurface& DrawingSurface() { return m_surface; }

    // The game that draws here. Its table colour fills the area from now on
    // before each full repaint.
    void SetView(CSolView& view);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    using MouseHandler = void (CSolView::*)(unsigned nFlags, int x, int y);
    static MouseHandler ForButton(const QMouseEvent& event, MouseHandler left, MouseHandler right);
    void Forward(const QMouseEvent& event, MouseHandler handler);
    // A new table image of `size` at the screen's density, painted whole by the game.
    void Redraw(QSize size);

    ImageSurface m_surface;
    CSolView* m_view = nullptr;
    QColor m_background = Qt::black;
};
