#include "play/play_window.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

#include "app/view_widget.h"
#include "platform/dialog_host.h"
#include "play/dialog_answers.h"

namespace {
constexpr int kSelectGameCommand = 32774;
constexpr int kGameNumberEdit = 1000;
}  // namespace

PlayWindow::PlayWindow() {
    // Never the player's own profile.
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    // A player's first press comes after the start-up tick has drawn the empty
    // table and named the window.
    m_started = m_config.isValid() && m_app.InitInstance() &&
                QTest::qWaitForWindowExposed(m_app.MainFrame()) &&
                QTest::qWaitFor([this] { return Game().m_bFirstTick == 0; });
}

ViewWidget& PlayWindow::Table() const {
    return *qobject_cast<ViewWidget*>(Frame().centralWidget());
}

QString PlayWindow::ProfilePath() const {
    return m_config.filePath(QStringLiteral("kelmora/kelmora.ini"));
}

void PlayWindow::Trigger(int commandId) const {
    for (QAction* action : Frame().findChildren<QAction*>()) {
        if (!action->isSeparator() && action->data().toInt() == commandId) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no command %1").arg(commandId)));
}

void PlayWindow::SelectGame(int number) const {
    AnswerNext(QStringLiteral("Select Game"), [number](QDialog& dialog) {
        auto* edit = ControlOf<QLineEdit>(dialog, kGameNumberEdit);
        QVERIFY(edit);
        QTest::keyClicks(edit, QString::number(number));
        PressButton(dialog, IDOK);
    });
    Trigger(kSelectGameCommand);
}

void PlayWindow::Click(play::Spot at) const {
    const QPoint point(at.x, at.y);
    QTest::mousePress(&Table(), Qt::LeftButton, {}, point);
    QTest::mouseRelease(&Table(), Qt::LeftButton, {}, point);
}

void PlayWindow::DoubleClick(Qt::MouseButton button, play::Spot at) const {
    const QPoint inWindow = Table().mapTo(&Frame(), QPoint(at.x, at.y));
    QTest::mouseDClick(Frame().windowHandle(), button, {}, inWindow);
}
