#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
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
template <class Control = QAbstractButton>
Control* Find(QDialog& dialog, int id) {
    auto* control = dialog.findChild<Control*>(QString::number(id));
    if (control == nullptr) {
        qFatal("no control %d", id);
    }
    return control;
}

// What a dialog shows: its title, the texts of its labels, check boxes and
// radio buttons in any order, then its push buttons in order.
inline QStringList Face(QDialog& dialog) {
    QStringList texts;
    QStringList buttons;
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            (qobject_cast<const QPushButton*>(button) ? buttons : texts) << button->text();
        } else if (label != nullptr && !label->text().isEmpty()) {
            texts << label->text();
        }
    }
    texts.sort();
    return QStringList{dialog.windowTitle()} + texts + buttons;
}
