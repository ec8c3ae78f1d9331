#include "play/play_window.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

#include "app/command_ids.h"
#include "app/dialogs/control_ids.h"
#include "app/view_widget.h"
#include "platform/dialog_host.h"
#include "play/dialog_answers.h"

PlayWindow::PlayWindow() {
    // Never the player's own profile.
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    // A player's first press comes after the start-up tick has drawn the empty
    // table and named the window.
    m_started = m_config.isValid() && m_app.InitInstance() &&
                QTest::qWaitForWindowExposed(&Frame()) &&
                QTest::qWaitFor([this] { return Game().m_bFirstTick == 0; });
}

CMainFrame& PlayWindow::Frame() const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* frame = qobject_cast<CMainFrame*>(window)) {
            return *frame;
        }
    }
    qFatal("no main window");
}

ViewWidget& PlayWindow::Table() const {
    return *qobject_cast<ViewWidget*>(Frame().centralWidget());
}

void PlayWindow::Trigger(int commandId) const {
    for (QAction* action : Frame().findChildren<QAction*>()) {
        if (!action->isSeparator() && action->data().toInt() == commandId) {
            return action->trigger();
        }
    }
    QFAIL(qPrintable(QStringLiteral("no command %1").arg(commandId)));
}

void PlayWindow::SelectGame(int number) const {
    AnswerNext(QStringLiteral("Select Game"), [number](QDialog& dialog) {
        QTest::keyClicks(ControlOf<QLineEdit>(dialog, control::kEdit), QString::number(number));
        PressButton(dialog, IDOK);
    });
    Trigger(command::kSelectGame);
}

void PlayWindow::Click(solver::Spot at) const {
    QTest::mouseClick(&Table(), Qt::LeftButton, {}, QPoint(at.x, at.y));
}

void PlayWindow::Play(const solver::Move& move) const {
    const CSolView& game = Game();
    const Card moving = move.fromPlace == solver::Move::kCell
                            ? game.m_Cards[move.from][table::kCellRow]
                            : game.m_Cards[move.from][game.m_nTop[move.from]];
    Click(solver::SpotOf(game, move.fromPlace, move.from));
    Click(solver::SpotOf(game, move.toPlace,
                         move.toPlace == solver::Move::kHome ? moving.nSuit : move.to));
}
