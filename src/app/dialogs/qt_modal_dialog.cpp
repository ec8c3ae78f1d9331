#include "app/dialogs/qt_modal_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/icons/program_icons.h"
#include "platform/dialog_host.h"

namespace {
constexpr int kIconSize = 32;
constexpr int kButtonRowGap = 6;
// Room beside the title on a title bar a window manager draws: the close box,
// the frame and a margin each side.
constexpr int kTitleBarRoom = 72;
// Under Wayland Qt draws the title bar itself: the title in 14-pixel type,
// centred over the whole bar but cut off before the three buttons it always
// draws at the right, so the bar needs room for those buttons on both sides.
constexpr int kDrawnTitlePixels = 14;
constexpr int kDrawnTitleBarRoom = 2 * 80;

QIcon LoadIcon(DialogIcon icon) {
    return icon == DialogIcon::Question ? QuestionIcon() : ApplicationIcon();
}

// The icon keeps its place even while the artwork is missing, so the layout
// does not shift.
QLabel* MakeIconLabel(DialogIcon icon, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFixedSize(kIconSize, kIconSize);
    label->setPixmap(LoadIcon(icon).pixmap(kIconSize, kIconSize));
    return label;
}
}  // namespace

int TitleWidth(const QString& title, QFont font) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        font.setPixelSize(kDrawnTitlePixels);
        return QFontMetrics(font).horizontalAdvance(title) + kDrawnTitleBarRoom;
    }
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarRoom;
}

QPushButton* MakeButton(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    return button;
}

QWidget* ModalOwner(QWidget* mainWindow) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : mainWindow;
}

QtModalDialog::QtModalDialog(QWidget* owner, const QString& title, DialogIcon icon)
    : QDialog(owner, kCloseBoxOnly), m_outer(new QVBoxLayout(this)), m_body(new QVBoxLayout) {
    setWindowTitle(title);

    auto* top = new QHBoxLayout;
    top->addWidget(MakeIconLabel(icon, this), 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(m_body, 1);

    m_outer->setSizeConstraint(QLayout::SetFixedSize);
    m_outer->addLayout(top);
    m_outer->addSpacerItem(new QSpacerItem(TitleWidth(title, font()), 0));
}

QPushButton* QtModalDialog::AddButton(const QString& text, int id) {
    // The bottom row comes with its first button, so that a dialog whose
    // buttons all stand in its body ends right under them.
    if (m_buttons == nullptr) {
        m_buttons = new QHBoxLayout;
        m_buttons->addStretch();
        m_outer->addSpacing(kButtonRowGap);
        m_outer->addLayout(m_buttons);
    }
    QPushButton* button = MakeButton(text, id, this);
    m_buttons->addWidget(button);
    return button;
}

QPushButton* QtModalDialog::AddClosingButton(const QString& text, int id) {
    QPushButton* button = AddButton(text, id);
    connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
    return button;
}

void QtModalDialog::reject() {
    done(IDCANCEL);
}
