#include "play/dialog_answers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QtTest>

namespace {
QDialog* OpenDialog() {
    return qobject_cast<QDialog*>(QApplication::activeModalWidget());
}
}  // namespace

void AnswerNext(const QString& title, std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [title, act = std::move(act)] {
        QDialog* dialog = OpenDialog();
        QVERIFY2(dialog, qPrintable(QStringLiteral("no dialog \"%1\" is open").arg(title)));
        const QString opened = dialog->windowTitle();
        if (opened == title) {
            act(*dialog);
        }
        if (dialog->isVisible()) {
            dialog->reject();
            QFAIL(qPrintable(QStringLiteral("\"%1\" left open, wanted \"%2\"").arg(opened, title)));
        }
    });
}

void WhenOpens(QObject* owner, const QString& title, std::function<void(QDialog&)> act) {
    auto* watch = new QTimer(owner);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, title, act = std::move(act)] {
        if (QDialog* dialog = OpenDialog(); dialog && dialog->windowTitle() == title) {
            watch->deleteLater();
            watch->stop();
            act(*dialog);
        }
    });
    watch->start(10);
}

void PressButton(QDialog& dialog, int id) {
    auto* button = ControlOf<QAbstractButton>(dialog, id);
    QVERIFY2(button, qPrintable(QStringLiteral("no control %1").arg(id)));
    button->click();
}
