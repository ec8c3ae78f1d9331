#pragma once

#include <QIcon>

// The program's own icon (resource 128) in every size drawn for it, so that
// windows, dialogs and high-density screens each get a picture made for them.
QIcon ApplicationIcon();

// The icon of the "Are you sure" questions (resource 211).
QIcon QuestionIcon();
