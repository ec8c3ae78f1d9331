#pragma once

#include <QDialog>
#include <QString>
#include <functional>

// Answering the program's modal dialogs from a test, while their own event
// loops run. Each `act` is expected to close the dialog it is given.

// Acts on the dialog that the very next call opens, titled `title`. Any other
// dialog, or one left open, fails the test and is cancelled so that the call
// that opened it returns.
void AnswerNext(const QString& title, std::function<void(QDialog&)> act);

// Acts once on a dialog titled `title` that a timer tick opens later, watching
// for it as long as `owner` lives.
void WhenOpens(QObject* owner, const QString& title, std::function<void(QDialog&)> act);

// A control of the dialog, found by its control id; null when there is none.
template <class Control>
Control* ControlOf(QDialog& dialog, int id) {
    return dialog.findChild<Control*>(QString::number(id));
}

// Clicks the button, check box or radio button with control id `id`.
void PressButton(QDialog& dialog, int id);
