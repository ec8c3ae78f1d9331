// The game's dialogs, opened for real and driven by keys and clicks.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QtTest>
#include <vector>

#include "app/dialogs/control_ids.h"
#include "app/dialogs/qt_dialog_host.h"
#include "app/dialogs/tabbed_text.h"
#include "fakes/fake_platform.h"
#include "play/play_window.h"

namespace {
// A wait that blocks, as the program's own does, noting when each begins and ends.
class BlockingWindow : public FakeWindow {
  public:
    std::vector<qint64> begun, ended;

    void Sleep(int milliseconds) override {
        begun.push_back(m_clock.elapsed());
        FakeWindow::Sleep(milliseconds);
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        ended.push_back(m_clock.elapsed());
    }

  private:
    QElapsedTimer m_clock = [] {
        QElapsedTimer clock;
        clock.start();
        return clock;
    }();
};

// Besides control ids, what a player may do: press Return or Escape.
constexpr int kReturn = -1;
constexpr int kEscape = -2;
}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    FakeWindow window;
    QtDialogHost host{nullptr, window};

    // Opens `dlg`, presses these controls or keys in turn, and returns how it closed.
    template <class Dialog>
    int Answer(Dialog& dlg, const QString& title, std::vector<int> presses, QString typed = {}) {
        AnswerNext(title, [=](QDialog& dialog) {
            if (auto* edit = ControlOf<QLineEdit>(dialog, control::kEdit);
                edit && !typed.isNull()) {
                edit->setText(typed);
            }
            for (const int press : presses) {
                press >= 0
                    ? PressButton(dialog, press)
                    : QTest::keyClick(&dialog, press == kReturn ? Qt::Key_Return : Qt::Key_Escape);
            }
        });
        return host.DoModal(dlg);
    }

  private slots:
    // Each dialog shows its members in its controls and takes them back on OK only.
    void controlsSetTheMembersOnOkOnly() {
        CRestartDlg restart;
        QCOMPARE(Answer(restart, "Restart Game", {kReturn}), IDOK);
        QCOMPARE(Answer(restart, "Restart Game", {IDCANCEL}), IDCANCEL);

        CMoveChoiceDlg move;
        QCOMPARE(Answer(move, "Select", {kReturn}), CMoveChoiceDlg::kMoved);
        QCOMPARE(move.m_bMoveColumn, 1);
        QCOMPARE(Answer(move, "Select", {IDCANCEL}), IDCANCEL);

        CHighScoreDlg high;
        QCOMPARE(Answer(high, "High Score", {kReturn}, QString::fromUtf8(" Zoë = [x] ")), IDOK);
        QCOMPARE(high.m_strName, std::string(" Zoë = [x] "));
        QCOMPARE(Answer(high, "High Score", {kEscape}, "Bo"), IDCANCEL);
        QCOMPARE(high.m_strName, std::string(" Zoë = [x] "));

        // The won dialog opens on "New Game" whatever was chosen before.
        CGameWonDlg won;
        for (const auto& [radio, choice] :
             {std::pair{control::kSameGameRadio, CGameWonDlg::kSameGame},
              {control::kNewGameRadio, CGameWonDlg::kNewGame},
              {control::kSelectGameRadio, CGameWonDlg::kSelectGame}}) {
            QCOMPARE(Answer(won, "Game Over", {control::kSelectGameRadio, radio, kReturn}), IDOK);
            QCOMPARE(won.m_nChoice, choice);
        }
        AnswerNext("Game Over", [](QDialog& dialog) {
            QVERIFY(ControlOf<QAbstractButton>(dialog, control::kNewGameRadio)->isChecked());
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(won), IDOK);
        QCOMPARE(won.m_nChoice, CGameWonDlg::kNewGame);

        CGameLostDlg lost;
        QCOMPARE(Answer(lost, "Game Over", {control::kSameGameCheck, IDOK}), IDOK);
        QCOMPARE(lost.m_bSameGame, 1);
        QCOMPARE(Answer(lost, "Game Over", {control::kSameGameCheck, IDCANCEL}), IDCANCEL);
        QCOMPARE(lost.m_bSameGame, 1);
        QCOMPARE(Answer(lost, "Game Over", {control::kSameGameCheck, IDOK}), IDOK);
        QCOMPARE(lost.m_bSameGame, 0);

        COptionsDlg options;
        options.m_bDblClk = options.m_bShow = 1;
        const auto flags = [&] {
            return std::vector{options.m_bDblClk, options.m_bRclk, options.m_bShow};
        };
        using control::kLeftDoubleClick, control::kRightDoubleClick, control::kShowTimer;
        QCOMPARE(Answer(options, "Options", {kLeftDoubleClick, kRightDoubleClick, kReturn}), IDOK);
        QCOMPARE(flags(), (std::vector{0, 1, 1}));
        QCOMPARE(Answer(options, "Options", {kShowTimer, kLeftDoubleClick, IDCANCEL}), IDCANCEL);
        QCOMPARE(flags(), (std::vector{0, 1, 1}));
        QCOMPARE(Answer(options, "Options", {kShowTimer, IDOK}), IDOK);
        QCOMPARE(flags(), (std::vector{0, 1, 0}));
    }

    void selectGameRefusesABadNumberAndStaysOpen() {
        CSelectGameDlg dlg;
        AnswerNext(QStringLiteral("Select Game"), [&](QDialog& dialog) {
            auto* edit = ControlOf<QLineEdit>(dialog, control::kEdit);
            QCOMPARE(edit->text(), QString());
            QTest::keyClicks(edit, "45900 ");
            // Clicked with the mouse, the button takes the focus from the field.
            QTest::mouseClick(ControlOf<QPushButton>(dialog, IDOK), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QCOMPARE(window.messages.size(), 1u);
            // The field has the focus back with its "0" selected: typing replaces it, and
            // blanks after a pasted number are taken like those before it.
            QCOMPARE(edit->text(), QString("0"));
            QCOMPARE(dialog.focusWidget(), edit);
            QTest::keyClicks(edit, "1234 ");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_nGame, 1234);
        QCOMPARE(Answer(dlg, "Select Game", {kEscape}, "500"), IDCANCEL);
        QCOMPARE(dlg.m_nGame, 1234);
    }

    void statisticsClearsOverItsDialog() {
        CStatisticsDlg dlg;
        dlg.m_nWon = 12;
        AnswerNext(QStringLiteral("Statistics"), [&](QDialog& dialog) {
            auto* text = ControlOf<TabbedText>(dialog, control::kStatisticsText);
            // Clearing asks over the dialog, which then shows the emptied table.
            AnswerNext(QStringLiteral("Clear Statistics"), [&](QDialog& question) {
                QCOMPARE(question.parentWidget(), &dialog);
                PressButton(question, IDOK);
            });
            PressButton(dialog, control::kClear);
            QCOMPARE(text->accessibleName(),
                     QString("#0\t\t0\t \n#0\t\t0\t \n#0\t\t0\t \n\n\n0%\n\nWon   0\nLost    0"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }

    // Each control at its place in dialog units (a quarter of the font's average
    // character width, an eighth of its height). The ticker shows nothing, then
    // one frame per tick; ticks due during a frame's wait merge, and the next
    // comes a whole tick after the wait.
    void aboutBoxStandsInDialogUnitsAndTicksAtItsOwnPace() {
        BlockingWindow blocking;
        QtDialogHost pacedHost{nullptr, blocking};
        CAboutDlg dlg;
        AnswerNext(QStringLiteral("About Kelmora"), [&](QDialog& dialog) {
            const QFontMetrics metrics = dialog.fontMetrics();
            const auto units = [&metrics](int x, int y, int width, int height) {
                const auto across = [&](int u) {
                    return qRound(u * metrics.averageCharWidth() / 4.0);
                };
                const auto down = [&](int u) { return qRound(u * metrics.height() / 8.0); };
                return QRect(across(x), down(y), across(width), down(height));
            };
            auto* ticker = ControlOf<QLabel>(dialog, control::kTicker);
            QLabel* version = nullptr;
            QLabel* icon = nullptr;
            for (auto* label : dialog.findChildren<QLabel*>()) {
                if (label->text() == QStringLiteral("Kelmora Version 1.0")) {
                    version = label;
                } else if (label != ticker) {
                    icon = label;
                }
            }
            QVERIFY(version && icon);
            QCOMPARE(dialog.size(), units(0, 0, 166, 129).size());
            QCOMPARE(icon->geometry(), units(13, 7, 21, 20));
            QCOMPARE(version->geometry(), units(13, 37, 101, 19));
            QCOMPARE(ControlOf<QPushButton>(dialog, IDOK)->geometry(), units(104, 23, 44, 14));
            QCOMPARE(ticker->geometry(), units(41, 15, 72, 8));

            QCOMPARE(ticker->text(), QString());
            QTRY_VERIFY_WITH_TIMEOUT(blocking.begun.size() >= 5, 20000);
            QCOMPARE(ticker->text(), QString::fromStdString(dlg.m_strTicker));
            QVERIFY(!ticker->text().trimmed().isEmpty());
            for (std::size_t frame = 1; frame < 5; ++frame) {
                QVERIFY2(blocking.begun[frame] - blocking.ended[frame - 1] >= 95,
                         qPrintable(QStringLiteral("frame %1 came %2 ms after the wait")
                                        .arg(frame + 1)
                                        .arg(blocking.begun[frame] - blocking.ended[frame - 1])));
            }
            QCOMPARE(blocking.sleeps.front(), 150);
            PressButton(dialog, IDOK);
        });
        QCOMPARE(pacedHost.DoModal(dlg), IDOK);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
