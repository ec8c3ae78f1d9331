// Draws the README's picture of a game in play: game 18 a few moves into the
// line kelmora-solve finds for it, the clock at a fixed time, the whole main
// window drawn offscreen, the same picture every run.
//   kelmora_screenshot OUTPUT.png
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstdio>

#include "app/sol_app.h"
#include "app/view_widget.h"
#include "solver/game_solver.h"
#include "solver/table_spots.h"

namespace {
constexpr int kGame = 18;
constexpr std::size_t kMovesPlayed = 10;
constexpr int kClockSeconds = 83;

void Click(QWidget& table, solver::Spot at) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const QPointF point(at.x, at.y);
        QMouseEvent event(type, point, table.mapToGlobal(point), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(&table, &event);
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelmora_screenshot OUTPUT.png\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir profile;
    qputenv("XDG_CONFIG_HOME", profile.path().toLocal8Bit());
    QApplication application(argc, argv);
    CSolApp app;
    if (!app.InitInstance()) {
        return 1;
    }
    CMainFrame& frame = *app.Frame();
    CSolView& game = frame.View();
    QWidget& table = *frame.centralWidget();
    while (game.m_bFirstTick != 0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    game.m_nNextGame = game.m_nReplayGame = kGame;
    game.StartGame();

    const solver::GameResult solution = solver::SolveGame(kGame);
    for (std::size_t i = 0; i < kMovesPlayed && i < solution.line.size(); ++i) {
        const solver::Move& move = solution.line[i];
        const Card moving = move.fromPlace == solver::Move::kCell
                                ? game.m_Cards[move.from][table::kCellRow]
                                : game.m_Cards[move.from][game.m_nTop[move.from]];
        Click(table, solver::SpotOf(game, move.fromPlace, move.from));
        Click(table, solver::SpotOf(game, move.toPlace,
                                    move.toPlace == solver::Move::kHome ? moving.nSuit : move.to));
    }
    // A repaint with the clock stopped at one time gives the same table however
    // long the moves took.
    game.m_nSeconds = kClockSeconds;
    game.OnPaint();
    return frame.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
