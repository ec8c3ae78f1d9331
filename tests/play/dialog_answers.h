#pragma once

#include <QString>
#include <functional>

class QDialog;
class QObject;

// Answers a modal dialog that opens later, from a timer tick of the game:
// watches, for as long as `owner` lives, until a dialog titled `title` is the
// active modal window, then acts on it once. `act` is expected to close it.
void WhenOpens(QObject* owner, const QString& title, std::function<void(QDialog&)> act);
