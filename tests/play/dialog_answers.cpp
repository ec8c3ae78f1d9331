#include "play/dialog_answers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QtTest>

namespace {
constexpr int kWatchMilliseconds = 10;

QDialog* OpenDialog() {
    return qobject_cast<QDialog*>(QApplication::activeModalWidget());
}
}  // namespace

void AnswerNext(const QString& title, std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [title, act = std::move(act)] {
        QDialog* dialog = OpenDialog();
        if (dialog == nullptr) {
            QFAIL(qPrintable(QStringLiteral("no dialog \"%1\" is open").arg(title)));
        }
        if (dialog->windowTitle() != title) {
            dialog->reject();
            QFAIL(qPrintable(QStringLiteral("\"%1\" opened instead of \"%2\"")
                                 .arg(dialog->windowTitle(), title)));
        }
        act(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
            QFAIL(qPrintable(QStringLiteral("\"%1\" was left open").arg(title)));
        }
    });
}

void WhenOpens(QObject* owner, const QString& title, std::function<void(QDialog&)> act) {
    auto* watch = new QTimer(owner);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, title, act = std::move(act)] {
        QDialog* dialog = OpenDialog();
        if (dialog == nullptr || dialog->windowTitle() != title) {
            return;
        }
        watch->stop();
        watch->deleteLater();
        act(*dialog);
    });
    watch->start(kWatchMilliseconds);
}

void PressButton(QDialog& dialog, int id) {
    auto* button = ControlOf<QAbstractButton>(dialog, id);
    QVERIFY2(button != nullptr, qPrintable(QStringLiteral("no control %1").arg(id)));
    button->click();
}
