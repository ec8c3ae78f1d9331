// One whole game, from a dealt number to the won dialogs and the program's
// exit, played only with mouse events on the real view widget. The moves are
// found beforehand by a search that plays a second game on fake platform parts.
#include <QLineEdit>
#include <QSettings>
#include <QtTest>
#include <optional>

#include "app/command_ids.h"
#include "app/dialogs/control_ids.h"
#include "platform/dialog_host.h"
#include "play/dialog_answers.h"
#include "play/game_solver.h"
#include "play/play_window.h"
#include "play/screen_checks.h"

namespace {
// A deal the search wins in well under a second, with a few "Select" questions
// on the way.
constexpr int kDealtGame = 18;
constexpr int kSearchLimit = 20000;
constexpr int kSettleMs = 5000;
const QString kPlayer = QStringLiteral("Tester");
}  // namespace

class WholeGameTest : public QObject {
    Q_OBJECT

  private slots:
    void aGameWonIsKeptWhenTheWonDialogIsLeftAndTheProgramExits() {
        const std::optional<play::Solution> solution = play::SolveGame(kDealtGame, kSearchLimit);
        QVERIFY2(solution, "the search found no win");

        PlayWindow window;
        QVERIFY(window.Started());
        window.SelectGame(kDealtGame);
        CSolView& game = window.Game();

        // The won flow opens its dialogs from a timer tick.
        QStringList answered;
        int secondsAtWin = -1;
        int cardsHomeAtWin = 0;
        WhenOpens(&window.Frame(), QStringLiteral("High Score"), [&](QDialog& dialog) {
            answered << dialog.windowTitle();
            secondsAtWin = game.m_nSeconds;
            cardsHomeAtWin = play::CardsHome(play::PositionOf(game));
            auto* name = ControlOf<QLineEdit>(dialog, control::kEdit);
            QVERIFY(name);
            QTest::keyClicks(name, kPlayer);
            PressButton(dialog, IDOK);
        });
        WhenOpens(&window.Frame(), QStringLiteral("Game Over"), [&](QDialog& dialog) {
            answered << dialog.windowTitle();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });

        // A press on bare table switches automatic play on.
        window.Click(play::kBareTable);
        QTRY_VERIFY_WITH_TIMEOUT(play::PositionOf(game) == solution->opening, kSettleMs);
        for (std::size_t i = 0; i < solution->moves.size(); ++i) {
            const play::PlayerMove& move = solution->moves[i];
            window.Click(move.from);
            if (move.asksMoveChoice) {
                AnswerNext(QStringLiteral("Select"),
                           [](QDialog& dialog) { PressButton(dialog, control::kMoveSingleCard); });
            }
            window.Click(move.to);
            if (i + 1 < solution->moves.size()) {
                QTRY_VERIFY2_WITH_TIMEOUT(play::PositionOf(game) == move.after,
                                          qPrintable(QStringLiteral("move %1").arg(i + 1)),
                                          kSettleMs);
                const QString mismatch = screen::RepaintMismatch(window.Table(), game);
                QVERIFY2(mismatch.isEmpty(),
                         qPrintable(QStringLiteral("move %1: %2").arg(i + 1).arg(mismatch)));
            }
        }

        // The last card home ends the game. The won dialog is left with
        // Escape and the program ends: the win is in the profile all the same.
        QTRY_COMPARE_WITH_TIMEOUT(answered, (QStringList{"High Score", "Game Over"}), kSettleMs);
        QCOMPARE(cardsHomeAtWin, 52);
        QVERIFY(secondsAtWin > 0);
        QCOMPARE(game.m_bPlaying, 0);
        window.Trigger(command::kExit);
        QVERIFY(!window.Frame().isVisible());

        const QSettings profile(window.ProfilePath(), QSettings::IniFormat);
        QCOMPARE(profile.value("Status/m_Won").toString(), QStringLiteral("1"));
        QCOMPARE(profile.value("Status/m_Lost").toString(), QStringLiteral("0"));
        QCOMPARE(profile.value("Time/t_Time1").toInt(), secondsAtWin);
        QCOMPARE(profile.value("Game/t_Game1").toInt(), kDealtGame);
        QCOMPARE(profile.value("Name/t_Name1").toString(), kPlayer);
    }
};

QTEST_MAIN(WholeGameTest)
#include "whole_game_test.moc"
