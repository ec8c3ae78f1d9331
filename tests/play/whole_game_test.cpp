// One whole game, from a dealt number to the won dialogs and the program's
// exit, played only with mouse events on the real view widget. The moves are the
// line kelmora-solve prints for the deal.
#include <QLineEdit>
#include <QSettings>
#include <QtTest>

#include "app/command_ids.h"
#include "app/dialogs/control_ids.h"
#include "game/view_table.h"
#include "platform/dialog_host.h"
#include "play/play_window.h"
#include "solver/game_solver.h"
#include "solver/headless_game.h"

namespace {
// A deal whose line asks "Select" a few times on the way.
constexpr int kDealtGame = 18;

// Whether a press with this move's source selected asks "Select": a card of a
// column going into an empty column while a run could go too.
bool AsksChoice(const CSolView& view, const solver::Move& move) {
    return move.fromPlace == solver::Move::kColumn && move.toPlace == solver::Move::kColumn &&
           view.m_nTop[move.to] < 0 &&
           rules::AsksRunOrCard(ViewTable{view}, move.from,
                                rules::FreePlaces(ViewTable{view}, move.to));
}
}  // namespace

class WholeGameTest : public QObject {
    Q_OBJECT

  private slots:
    void aGameWonIsKeptWhenTheWonDialogIsLeftAndTheProgramExits() {
        const solver::GameResult solution = solver::SolveGame(kDealtGame);
        QVERIFY2(solution.verdict == solver::Verdict::kWon, "the solver found no win");
        // The same line on a headless game gives the table to expect after each move.
        solver::HeadlessGame expected;
        expected.Deal(kDealtGame);
        PlayWindow window;
        QVERIFY(window.Started());
        window.SelectGame(kDealtGame);
        CSolView& game = window.Game();

        // The won flow opens its dialogs from a timer tick.
        QStringList answered;
        int secondsAtWin = -1;
        WhenOpens(&window.Frame(), QStringLiteral("High Score"), [&](QDialog& dialog) {
            answered << dialog.windowTitle();
            secondsAtWin = game.m_nSeconds;
            QTest::keyClicks(ControlOf<QLineEdit>(dialog, control::kEdit), "Tester");
            PressButton(dialog, IDOK);
        });
        WhenOpens(&window.Frame(), QStringLiteral("Game Over"), [&](QDialog& dialog) {
            answered << dialog.windowTitle();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        for (std::size_t i = 0; i < solution.line.size(); ++i) {
            const solver::Move& move = solution.line[i];
            if (AsksChoice(game, move)) {
                AnswerNext(QStringLiteral("Select"), [&move](QDialog& dialog) {
                    PressButton(dialog,
                                move.count > 1 ? control::kMoveColumn : control::kMoveSingleCard);
                });
            }
            window.Play(move);
            QVERIFY(expected.Play(move));
            expected.Settle();
            QTRY_VERIFY2_WITH_TIMEOUT(
                i + 1 == solution.line.size() ||
                    solver::PositionOf(game) == solver::PositionOf(expected.View()),
                qPrintable(QStringLiteral("move %1").arg(i + 1)), 5000);
        }

        // The last card home ends the game. The won dialog is left with
        // Escape and the program ends: the win is in the profile all the same.
        QTRY_COMPARE_WITH_TIMEOUT(answered, (QStringList{"High Score", "Game Over"}), 5000);
        QVERIFY(secondsAtWin > 0);
        QCOMPARE(game.m_bPlaying, 0);
        window.Trigger(command::kExit);
        QVERIFY(!window.Frame().isVisible());
        const QSettings profile(window.ProfilePath(), QSettings::IniFormat);
        QCOMPARE(profile.value("Status/m_Won").toString(), QStringLiteral("1"));
        QCOMPARE(profile.value("Status/m_Lost").toString(), QStringLiteral("0"));
        QCOMPARE(profile.value("Time/t_Time1").toInt(), secondsAtWin);
        QCOMPARE(profile.value("Game/t_Game1").toInt(), kDealtGame);
        QCOMPARE(profile.value("Name/t_Name1").toString(), QStringLiteral("Tester"));
    }
};

QTEST_MAIN(WholeGameTest)
#include "whole_game_test.moc"
