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

#include "app/dialogs/qt_modal_dialog.h"

namespace {
// The drop pointers with their hot spots at the arrow tips.
QCursor LoadCursor(int id, int hotX, int hotY) {
    return QCursor(QPixmap(QStringLiteral(":/cursors/%1.png").arg(id)), hotX, hotY);
}
}  // namespace

QtWindowServices::QtWindowServices(QWidget* mainWindow, QWidget* view)
    : m_mainWindow(mainWindow),
      m_view(view),
      m_cursors{{kArrowCursor, QCursor(Qt::ArrowCursor)},
                {kDropCursor, LoadCursor(kDropCursor, 13, 25)},
                {kEmptyCursor, LoadCursor(kEmptyCursor, 14, 6)}} {}

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
