#include "dialogs/modal_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/program_icons.h"
#include "platform/dialog_host.h"

namespace {
constexpr int kIconSize = 32;

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

QPushButton* MakeButton(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    return button;
}

QWidget* ModalOwner(QWidget* mainWindow) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : mainWindow;
}

ModalDialog::ModalDialog(QWidget* owner, const QString& title, DialogIcon icon)
    : QDialog(owner), m_body(new QVBoxLayout), m_buttons(new QHBoxLayout) {
    setWindowTitle(title);

    auto* top = new QHBoxLayout;
    top->addWidget(MakeIconLabel(icon, this), 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(m_body, 1);

    m_buttons->addStretch(1);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addLayout(top);
    outer->addSpacing(6);
    outer->addLayout(m_buttons);
}

QPushButton* ModalDialog::AddButton(const QString& text, int id) {
    QPushButton* button = MakeButton(text, id, this);
    m_buttons->addWidget(button);
    return button;
}

QPushButton* ModalDialog::AddClosingButton(const QString& text, int id) {
    QPushButton* button = AddButton(text, id);
    connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
    return button;
}

void ModalDialog::reject() {
    done(IDCANCEL);
}
