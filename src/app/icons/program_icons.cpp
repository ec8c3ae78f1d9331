#include "app/icons/program_icons.h"

#include <QString>

QIcon ApplicationIcon() {
    QIcon icon;
    // Up to the sizes a window manager shows; the launcher's larger icon is
    // installed as a file. Each size here is decoded at every start.
    for (const int size : {16, 32, 48, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/app-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QIcon QuestionIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/211.png"));
    icon.addFile(QStringLiteral(":/icons/211@2x.png"));
    return icon;
}
