#include "play/dialog_answers.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace {
constexpr int kWatchMilliseconds = 10;
}  // namespace

void WhenOpens(QObject* owner, const QString& title, std::function<void(QDialog&)> act) {
    auto* watch = new QTimer(owner);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, title, act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->windowTitle() != title) {
            return;
        }
        watch->stop();
        watch->deleteLater();
        act(*dialog);
    });
    watch->start(kWatchMilliseconds);
}
