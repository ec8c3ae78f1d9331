#include "app/qt_window_services.h"

#include <QColorDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QString>
#include <QThread>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>
#include <chrono>

#include "app/bitmap_library.h"
#include "app/dialogs/qt_modal_dialog.h"

namespace {
// A drop pointer drawn at the screen's density, its hot spot (given in the pixels of
// the pointer drawn at factor 1) at the arrow tip in device pixels.
QCursor LoadCursor(int id, QPoint hotSpot, int factor) {
    QPixmap pixmap(ArtworkPath(QStringLiteral("cursors"), id, factor));
    pixmap.setDevicePixelRatio(factor);
    return QCursor(pixmap, hotSpot.x() * factor, hotSpot.y() * factor);
}
}  // namespace

QtWindowServices::QtWindowServices(QWidget* mainWindow, QWidget* view)
    : m_mainWindow(mainWindow), m_view(view) {}

void QtWindowServices::SetTimer(int id, int periodMs) {
    m_timers[id].Start(periodMs, this);
}

void QtWindowServices::KillTimer(int id) {
    const auto timer = m_timers.find(id);
    if (timer != m_timers.end()) {
        timer->second.Stop();
    }
}

void QtWindowServices::timerEvent(QTimerEvent* event) {
    for (auto& [id, timer] : m_timers) {
        if (timer.IsTick(*event)) {
            // The handler may start or stop timers, so leave the loop first.
            const int firedId = id;
            timer.Run([this, firedId] {
                if (m_onTimer) {
                    m_onTimer(firedId);
                }
            });
            return;
        }
    }
    QObject::timerEvent(event);
}

void QtWindowServices::SetMainTitle(const std::string& title) {
    m_mainWindow->setWindowTitle(QString::fromStdString(title));
}

void QtWindowServices::SetPointer(CursorHandle cursor) {
    const int factor = ArtworkFactor(m_view->devicePixelRatioF());
    if (factor != m_cursorFactor) {
        m_cursorFactor = factor;
        m_cursors = {{kArrowCursor, QCursor(Qt::ArrowCursor)},
                     {kDropCursor, LoadCursor(kDropCursor, QPoint(13, 25), factor)},
                     {kEmptyCursor, LoadCursor(kEmptyCursor, QPoint(14, 6), factor)}};
    }
    const auto shape = m_cursors.find(cursor);
    if (shape != m_cursors.end()) {
        m_view->setCursor(shape->second);
    }
}

void QtWindowServices::MessageBox(const std::string& text, const std::string& caption) {
    // A refused game number is answered over the Select Game dialog itself.
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, ModalOwner(m_mainWindow),
                    kCloseBoxOnly);
    box.exec();
}

void QtWindowServices::Sleep(int milliseconds) {
    // The wait blocks the event loop, so show what has been drawn first.
    m_view->repaint();
    QThread::msleep(static_cast<unsigned long>(std::max(milliseconds, 0)));
}

bool QtWindowServices::ChooseColor(ColorRef initial, ColorRef& chosen) {
    const QColor colour =
        QColorDialog::getColor(QColor(initial.red, initial.green, initial.blue), m_mainWindow);
    if (!colour.isValid()) {
        return false;
    }
    chosen = MakeColorRef(colour.red(), colour.green(), colour.blue());
    return true;
}

std::int64_t QtWindowServices::CurrentTimeNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}
