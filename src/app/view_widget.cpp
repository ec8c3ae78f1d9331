#include "app/view_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "game/sol_view.h"

namespace {
// Button and key state handed with each mouse message.
constexpr unsigned kLeftButtonFlag = 0x0001;
constexpr unsigned kRightButtonFlag = 0x0002;
constexpr unsigned kShiftFlag = 0x0004;
constexpr unsigned kControlFlag = 0x0008;
constexpr unsigned kMiddleButtonFlag = 0x0010;

unsigned MouseFlags(const QMouseEvent& event) {
    unsigned flags = 0;
    if (event.buttons() & Qt::LeftButton) {
        flags |= kLeftButtonFlag;
    }
    if (event.buttons() & Qt::RightButton) {
        flags |= kRightButtonFlag;
    }
    if (event.buttons() & Qt::MiddleButton) {
        flags |= kMiddleButtonFlag;
    }
    if (event.modifiers() & Qt::ShiftModifier) {
        flags |= kShiftFlag;
    }
    if (event.modifiers() & Qt::ControlModifier) {
        flags |= kControlFlag;
    }
    return flags;
}
}  // namespace

ViewWidget::ViewWidget(QWidget* parent)
    : QWidget(parent), m_surface([this](const QRect& changed) {
          update(m_surface.ToShow(changed, devicePixelRatioF()));
      }) {
    setMouseTracking(true);
    // Every pixel comes from the image, so Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ViewWidget::SetView(CSolView& view) {
    m_view = &view;
    const ColorRef table = m_view->PreCreateWindow();
    m_background = QColor(table.red, table.green, table.blue);
    m_surface.Reset(size(), m_background, ArtworkFactor(devicePixelRatioF()));
}

void ViewWidget::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another density: the table is drawn again for it.
    if (ArtworkFactor(devicePixelRatioF()) != m_surface.Factor()) {
        Redraw(size());
    }
    QPainter painter(this);
    m_surface.Show(painter, event->rect());
}

void ViewWidget::resizeEvent(QResizeEvent* event) {
    Redraw(event->size());
}

void ViewWidget::Redraw(QSize size) {
    m_surface.Reset(size, m_background, ArtworkFactor(devicePixelRatioF()));
    if (m_view) {
        m_view->OnPaint();
    }
}

ViewWidget::MouseHandler ViewWidget::ForButton(const QMouseEvent& event, MouseHandler left,
                                               MouseHandler right) {
    switch (event.button()) {
        case Qt::LeftButton:
            return left;
        case Qt::RightButton:
            return right;
        default:
            return nullptr;
    }
}

void ViewWidget::Forward(const QMouseEvent& event, MouseHandler handler) {
    if (m_view && handler) {
        const QPoint at = event.position().toPoint();
        (m_view->*handler)(MouseFlags(event), at.x(), at.y());
    }
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    Forward(*event, ForButton(*event, &CSolView::OnLButtonDown, &CSolView::OnRButtonDown));
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    Forward(*event, ForButton(*event, &CSolView::OnLButtonUp, &CSolView::OnRButtonUp));
}

void ViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // Only the double-click itself: its first press and release have already
    // arrived, and the second release follows.
    Forward(*event, ForButton(*event, &CSolView::OnLButtonDblClk, &CSolView::OnRButtonDblClk));
}

void ViewWidget::mouseMoveEvent(QMouseEvent* event) {
    Forward(*event, &CSolView::OnMouseMove);
}
