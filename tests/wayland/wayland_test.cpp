// The program on Qt's own Wayland plugin, under a compositor started for the
// test: it starts, is named, answers its dialogs, plays and ends.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QToolBar>
#include <QtTest>

#include "app/command_ids.h"
#include "play/play_window.h"
#include "solver/game_solver.h"
#include "solver/headless_game.h"

namespace {
constexpr int kDealtGame = 18;
constexpr std::size_t kMovesPlayed = 4;
}  // namespace

class WaylandTest : public QObject {
    Q_OBJECT

  private slots:
    void startsPlaysAndEndsNatively() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        PlayWindow window;
        QVERIFY(window.Started());
        QCOMPARE(window.Frame().windowTitle(), QStringLiteral("Kelmora"));

        // Every dialog has a close box alone and shows its title whole.
        AnswerNext(QStringLiteral("About Kelmora"), [](QDialog& dialog) {
            const Qt::WindowFlags flags = dialog.windowFlags();
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            // Qt's own title bar centres the title in 14-pixel type and cuts it off 76
            // pixels short of the right edge, before its buttons.
            QFont drawn = dialog.font();
            drawn.setPixelSize(14);
            const int title = QFontMetrics(drawn).horizontalAdvance(dialog.windowTitle());
            QVERIFY((dialog.width() + title) / 2 <= dialog.width() - 76);
            dialog.reject();
        });
        window.Trigger(command::kAbout);

        // The first moves of a winning line, each leaving the table the
        // headless game shows for it.
        const solver::GameResult solution = solver::SolveGame(kDealtGame);
        QVERIFY(solution.line.size() > kMovesPlayed);
        solver::HeadlessGame expected;
        expected.Deal(kDealtGame);
        window.SelectGame(kDealtGame);
        for (std::size_t i = 0; i < kMovesPlayed; ++i) {
            window.Play(solution.line[i]);
            QVERIFY(expected.Play(solution.line[i]));
            expected.Settle();
            QTRY_VERIFY_WITH_TIMEOUT(
                solver::PositionOf(window.Game()) == solver::PositionOf(expected.View()), 5000);
        }

        // The toolbar docks on the edge it is dragged to, and never floats
        // where the compositor alone would place it.
        CMainFrame& frame = window.Frame();
        QToolBar* toolBar = frame.findChild<QToolBar*>();
        QVERIFY(!toolBar->isFloatable());
        for (const auto& [to, area] : {std::pair{QPoint(2, 240), Qt::LeftToolBarArea},
                                       {QPoint(320, 470), Qt::BottomToolBarArea},
                                       {QPoint(320, 2), Qt::TopToolBarArea}}) {
            const QPoint grip(toolBar->width() - 2, toolBar->height() - 2);
            QTest::mousePress(toolBar, Qt::LeftButton, {}, grip);
            QTest::mouseRelease(toolBar, Qt::LeftButton, {}, toolBar->mapFrom(&frame, to));
            QCOMPARE(frame.toolBarArea(toolBar), area);
            QVERIFY(!toolBar->isWindow() && toolBar->isVisible());
        }

        window.Trigger(command::kExit);
        QVERIFY(!window.Frame().isVisible());
    }
};

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"
