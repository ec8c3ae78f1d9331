#include "app/lock_key_panes.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

namespace {
constexpr int kPollMilliseconds = 250;
constexpr int kPaneMargin = 8;
}  // namespace

LockKeyPanes::LockKeyPanes(QStatusBar* statusBar, LockKeyState state)
    : QObject(statusBar), m_state(std::move(state)) {
    const std::pair<LockKey, QString> panes[] = {{LockKey::Caps, QStringLiteral("CAP")},
                                                 {LockKey::Num, QStringLiteral("NUM")},
                                                 {LockKey::Scroll, QStringLiteral("SCRL")}};
    for (const auto& [key, name] : panes) {
        auto* label = new QLabel(name, statusBar);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // A blank pane keeps the width of its name.
        label->setFixedWidth(label->fontMetrics().horizontalAdvance(name) + kPaneMargin);
        statusBar->addPermanentWidget(label);
        m_panes.push_back({key, name, label});
    }
    connect(&m_poll, &QTimer::timeout, this, &LockKeyPanes::Refresh);
    m_poll.start(kPollMilliseconds);
    Refresh();
}

void LockKeyPanes::Refresh() {
    for (const Pane& pane : m_panes) {
        const std::optional<bool> on = m_state.IsOn(pane.key);
        // A keyboard plugged in later brings its lights with it.
        pane.label->setEnabled(on.has_value());
        pane.label->setText(on.value_or(true) ? pane.name : QString());
    }
}
