#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

// Acts on the next modal dialog as soon as its own event loop runs. `act` is
// expected to close it; a dialog left open fails the test and is cancelled so
// that the call that opened it returns.
inline void WhenShown(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            QFAIL("no modal dialog is open");
        }
        act(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
            QFAIL("the dialog was left open");
        }
    });
}

// A control of the dialog, found by its id.
template <class Control>
Control* Find(QDialog& dialog, int id) {
    return dialog.findChild<Control*>(QString::number(id));
}

// The static texts of the dialog, in creation order.
inline QStringList Texts(QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    return texts;
}

// The push buttons' texts, in creation order.
inline QStringList ButtonTexts(QDialog& dialog) {
    QStringList texts;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        texts << button->text();
    }
    return texts;
}

inline void Click(QDialog& dialog, int id) {
    auto* button = Find<QAbstractButton>(dialog, id);
    QVERIFY2(button != nullptr, qPrintable(QStringLiteral("no control %1").arg(id)));
    button->click();
}
