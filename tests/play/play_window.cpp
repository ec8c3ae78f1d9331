#include "play/play_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "app/command_ids.h"
#include "app/dialogs/control_ids.h"
#include "app/view_widget.h"
#include "platform/dialog_host.h"

namespace {
QDialog* OpenDialog() {
    return qobject_cast<QDialog*>(QApplication::activeModalWidget());
}
}  // namespace

void AnswerNext(const QString& title, std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [title, act = std::move(act)] {
        QDialog* dialog = OpenDialog();
        QVERIFY2(dialog, qPrintable(QStringLiteral("no dialog \"%1\" is open").arg(title)));
        const QString opened = dialog->windowTitle();
        if (opened == title) {
            act(*dialog);
        }
        if (dialog->isVisible()) {
            dialog->reject();
            QFAIL(qPrintable(QStringLiteral("\"%1\" left open, wanted \"%2\"").arg(opened, title)));
        }
    });
}

void WhenOpens(QObject* owner, const QString& title, std::function<void(QDialog&)> act) {
    auto* watch = new QTimer(owner);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, title, act = std::move(act)] {
        if (QDialog* dialog = OpenDialog(); dialog && dialog->windowTitle() == title) {
            watch->deleteLater();
            watch->stop();
            act(*dialog);
        }
    });
    watch->start(10);
}

void PressButton(QDialog& dialog, int id) {
    auto* button = ControlOf<QAbstractButton>(dialog, id);
    QVERIFY2(button, qPrintable(QStringLiteral("no control %1").arg(id)));
    button->click();
}

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
    CMainFrame* frame = m_app.Frame();
    if (frame == nullptr) {
        qFatal("no main window");
    }
    return *frame;
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

std::pair<solver::Spot, solver::Spot> PressesFor(const CSolView& game, const solver::Move& move) {
    const Card moving = move.fromPlace == solver::Move::kCell
                            ? game.m_Cards[move.from][table::kCellRow]
                            : game.m_Cards[move.from][game.m_nTop[move.from]];
    return {solver::SpotOf(game, move.fromPlace, move.from),
            solver::SpotOf(game, move.toPlace,
                           move.toPlace == solver::Move::kHome ? moving.nSuit : move.to)};
}

void PlayWindow::Play(const solver::Move& move) const {
    const auto [from, to] = PressesFor(Game(), move);
    Click(from);
    Click(to);
}
