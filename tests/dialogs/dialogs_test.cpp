// The game's dialogs, opened for real and driven by keys and clicks.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "app/dialogs/control_ids.h"
#include "app/dialogs/qt_dialog_host.h"
#include "app/dialogs/tabbed_text.h"
#include "app/qt_window_services.h"
#include "fakes/fake_platform.h"
#include "play/play_window.h"

namespace {
// Besides control ids, what a player may do: press Return or Escape.
constexpr int kReturn = -1;
constexpr int kEscape = -2;

// What a player sees of a dialog: its title and size, then each shown control with its
// place, its text or picture, and whether it is the default button.
QString Layout(const QDialog& dialog) {
    QString layout = QStringLiteral("%1 %2x%3\n")
                         .arg(dialog.windowTitle())
                         .arg(dialog.width())
                         .arg(dialog.height());
    for (const QWidget* control : dialog.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&dialog)) {
            continue;
        }
        const QRect at(control->mapTo(&dialog, QPoint()), control->size());
        const auto* label = qobject_cast<const QLabel*>(control);
        const QImage picture = label ? label->pixmap().toImage() : QImage();
        const auto* button = qobject_cast<const QPushButton*>(control);
        layout += QStringLiteral("  %1 #%2 %3,%4 %5x%6 \"%7\"%8%9\n")
                      .arg(control->metaObject()->className(), control->objectName())
                      .arg(at.x())
                      .arg(at.y())
                      .arg(at.width())
                      .arg(at.height())
                      .arg(control->property("text").toString().replace('\n', "\\n"))
                      .arg(picture.isNull()
                               ? QString()
                               : QStringLiteral(" picture %1")
                                     .arg(qHashBits(picture.constBits(), picture.sizeInBytes())))
                      .arg(button && button->isDefault() ? " default" : "");
    }
    return layout;
}
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
    // Enter presses each dialog's default button, Escape cancels it.
    void enterTakesTheDefaultButtonAndEscapeCancels() {
        const auto open = [this]<class Dialog>(Dialog dlg) {
            return [this, dlg]() mutable { return host.DoModal(dlg); };
        };
        CSelectGameDlg typed;
        typed.m_strEdit.assign(1, '5');  // not = "5": GCC 12 warns falsely of overlap there
        const struct {
            QString title;
            std::function<int()> open;
            QString caption;  // of the default button
            int button = IDOK, enter = IDOK;
        } dialogs[] = {
            {.title = "New Game", .open = open(CNewGameDlg{}), .caption = "Yes"},
            {.title = "Restart Game", .open = open(CRestartDlg{}), .caption = "Yes"},
            {.title = "Clear Statistics", .open = open(CClearStatsDlg{}), .caption = "Yes"},
            {.title = "Select Game", .open = open(typed), .caption = "OK"},
            {.title = "Select",
             .open = open(CMoveChoiceDlg{}),
             .caption = "Move Column",
             .button = control::kMoveColumn,
             .enter = CMoveChoiceDlg::kMoved},
            {.title = "High Score", .open = open(CHighScoreDlg{}), .caption = "OK"},
            {.title = "Game Over", .open = open(CGameWonDlg{}), .caption = "OK"},
            {.title = "Game Over", .open = open(CGameLostDlg{}), .caption = "Yes"},
            {.title = "Statistics", .open = open(CStatisticsDlg{}), .caption = "OK"},
            {.title = "Options", .open = open(COptionsDlg{}), .caption = "OK"},
            {.title = "About Kelmora", .open = open(CAboutDlg{}), .caption = "OK"},
        };
        QString layouts;
        for (const auto& d : dialogs) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
                AnswerNext(d.title, [&](QDialog& dialog) {
                    const auto* button = ControlOf<QPushButton>(dialog, d.button);
                    QVERIFY2(button && button->isDefault() && button->text() == d.caption,
                             qPrintable(d.title));
                    layouts += key == Qt::Key_Return ? Layout(dialog) : QString();
                    QTest::keyClick(&dialog, key);
                });
                QCOMPARE(d.open(), key == Qt::Key_Return ? d.enter : IDCANCEL);
            }
        }
        // Every dialog looks as it did when its layout was last looked at and written
        // down; after a change that is meant, look at the dialogs and copy the new file.
        QFile expected(QStringLiteral(KELMORA_DIALOG_LAYOUTS));
        QVERIFY(expected.open(QIODevice::ReadOnly | QIODevice::Text));
        if (layouts != QString::fromUtf8(expected.readAll())) {
            QFile actual(QStringLiteral("dialog_layouts.txt"));
            QVERIFY(actual.open(QIODevice::WriteOnly | QIODevice::Text));
            actual.write(layouts.toUtf8());
            QFAIL(qPrintable("the dialogs' layout differs: compare " +
                             QFileInfo(actual).absoluteFilePath() + " with " +
                             expected.fileName()));
        }
    }

    // Each dialog shows its members in its controls and takes them back on OK only.
    void controlsSetTheMembersOnOkOnly() {
        CMoveChoiceDlg move;
        QCOMPARE(Answer(move, "Select", {kReturn}), CMoveChoiceDlg::kMoved);
        QCOMPARE(move.m_bMoveColumn, 1);

        CHighScoreDlg high;
        QCOMPARE(Answer(high, "High Score", {kReturn}, QString::fromUtf8(" Zoë =\t[x] ")), IDOK);
        QCOMPARE(high.m_strName, std::string(" Zoë =[x] "));
        QCOMPARE(Answer(high, "High Score", {kEscape}, "Bo"), IDCANCEL);
        QCOMPARE(high.m_strName, std::string(" Zoë =[x] "));

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

    // However long a stored name, the dialog fits the screen.
    void statisticsClearsOverItsDialog() {
        CStatisticsDlg dlg;
        dlg.m_nWon = 12;
        dlg.m_strBestName[1].assign(150, 'W');
        AnswerNext(QStringLiteral("Statistics"), [&](QDialog& dialog) {
            QVERIFY(dialog.width() < dialog.screen()->availableGeometry().width());
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

    // The ticker shows nothing, then a frame every 250 ms: ticks due during a frame's
    // wait merge, and the next comes a whole tick after the wait.
    void aboutBoxTicksAtItsOwnPace() {
        QWidget table;  // the program's own window services, whose wait blocks
        QtWindowServices services(&table, &table);
        QtDialogHost pacedHost{nullptr, services};
        CAboutDlg dlg;
        AnswerNext(QStringLiteral("About Kelmora"), [&](QDialog& dialog) {
            auto* ticker = ControlOf<QLabel>(dialog, control::kTicker);
            QCOMPARE(ticker->text(), QString());
            QElapsedTimer clock;
            clock.start();
            std::vector<qint64> shown;  // when each frame came
            for (QString last; shown.size() < 5 && clock.elapsed() < 20000; QTest::qWait(5)) {
                if (ticker->text() != std::exchange(last, ticker->text())) {
                    shown.push_back(clock.elapsed());
                }
            }
            QCOMPARE(shown.size(), 5u);
            qint64 shortest = clock.elapsed();
            for (std::size_t i = 1; i < shown.size(); ++i) {
                shortest = std::min(shortest, shown[i] - shown[i - 1]);
            }
            QVERIFY2(shortest >= 230,
                     qPrintable(QStringLiteral("a frame after %1 ms").arg(shortest)));
            PressButton(dialog, IDOK);
        });
        QCOMPARE(pacedHost.DoModal(dlg), IDOK);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
