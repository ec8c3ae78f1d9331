#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "app/dialogs/control_ids.h"
#include "app/dialogs/qt_dialog_host.h"
#include "app/dialogs/tabbed_text.h"
#include "fakes/fake_platform.h"

namespace {
// Acts on the next modal dialog as soon as its own event loop runs. `act` is
// expected to close it; a dialog left open fails the test and is cancelled so
// that the call that opened it returns.
void WhenShown(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            QFAIL("no modal dialog is open");
        }
        act(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
            QFAIL("the dialog was left open");
        }
    });
}

// A control of the dialog, found by its id.
template <class Control = QAbstractButton>
Control* Find(QDialog& dialog, int id) {
    auto* control = dialog.findChild<Control*>(QString::number(id));
    if (control == nullptr) {
        qFatal("no control %d", id);
    }
    return control;
}

// Where the label showing `text` stands in the dialog.
QPoint LabelAt(QDialog& dialog, const QString& text) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == text) {
            return label->mapTo(&dialog, QPoint(0, 0));
        }
    }
    return {-1, -1};
}

}  // namespace

// The game's dialogs, opened for real and driven by keys and clicks.
class DialogsTest : public QObject {
    Q_OBJECT

    FakeWindow window;
    QtDialogHost host{nullptr, window};

  private slots:
    void confirmationAnswersYesWithReturnAndNoWithItsButton() {
        CRestartDlg dlg;
        WhenShown([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(host.DoModal(dlg), IDOK);
        WhenShown([](QDialog& dialog) { Find(dialog, IDCANCEL)->click(); });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }

    void selectGameRefusesABadNumberAndStaysOpen() {
        CSelectGameDlg dlg;
        WhenShown([&](QDialog& dialog) {
            auto* edit = Find<QLineEdit>(dialog, control::kEdit);
            QCOMPARE(edit->text(), QString());
            QTest::keyClicks(edit, "45900");
            Find(dialog, IDOK)->click();
            QVERIFY(dialog.isVisible());
            QCOMPARE(edit->text(), QString("0"));
            QCOMPARE(
                window.messages,
                (decltype(window.messages){{"Select a Game Number between 0 & 45900", "Kelmora"}}));
            edit->setText("1234");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_nGame, 1234);

        WhenShown([](QDialog& dialog) {
            Find<QLineEdit>(dialog, control::kEdit)->setText("500");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_nGame, 1234);
        QCOMPARE(window.messages.size(), 1u);
    }

    void moveChoiceStacksItsButtonsAndEndsWithZeroAfterEitherMove() {
        CMoveChoiceDlg dlg;
        WhenShown([](QDialog& dialog) {
            const int column = Find(dialog, control::kMoveColumn)->y();
            const int single = Find(dialog, control::kMoveSingleCard)->y();
            QVERIFY(column < single && single < Find(dialog, IDCANCEL)->y());
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), CMoveChoiceDlg::kMoved);
        QCOMPARE(dlg.m_bMoveColumn, 1);
        WhenShown([](QDialog& dialog) { Find(dialog, control::kMoveSingleCard)->click(); });
        QCOMPARE(host.DoModal(dlg), CMoveChoiceDlg::kMoved);
        QCOMPARE(dlg.m_bMoveColumn, 0);
        WhenShown([](QDialog& dialog) { Find(dialog, IDCANCEL)->click(); });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }

    void highScoreKeepsTheNameExactlyAsTypedOnOkOnly() {
        CHighScoreDlg dlg;
        WhenShown([](QDialog& dialog) {
            Find<QLineEdit>(dialog, control::kEdit)->setText(QString::fromUtf8(" Zoë = [x] "));
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_strName, std::string(" Zoë = [x] "));
        WhenShown([](QDialog& dialog) {
            Find<QLineEdit>(dialog, control::kEdit)->setText("Bo");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_strName, std::string(" Zoë = [x] "));
    }

    void gameWonOpensOnNewGameAndRadioButtonsSetTheChoice() {
        CGameWonDlg dlg;
        dlg.m_nChoice = CGameWonDlg::kSameGame;
        WhenShown([&dlg](QDialog& dialog) {
            QVERIFY(Find(dialog, control::kNewGameRadio)->isChecked());
            QCOMPARE(dlg.m_nChoice, CGameWonDlg::kNewGame);
            Find(dialog, control::kSameGameRadio)->click();
            QCOMPARE(dlg.m_nChoice, CGameWonDlg::kSameGame);
            Find(dialog, control::kSelectGameRadio)->click();
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_nChoice, CGameWonDlg::kSelectGame);
    }

    void gameLostReadsTheCheckBoxOnYesOnly() {
        CGameLostDlg dlg;
        WhenShown([](QDialog& dialog) {
            QVERIFY(!Find(dialog, control::kSameGameCheck)->isChecked());
            Find(dialog, control::kSameGameCheck)->click();
            Find(dialog, IDOK)->click();
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_bSameGame, 1);
        WhenShown([](QDialog& dialog) {
            QVERIFY(Find(dialog, control::kSameGameCheck)->isChecked());
            Find(dialog, control::kSameGameCheck)->click();
            Find(dialog, IDCANCEL)->click();
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_bSameGame, 1);
    }

    void statisticsLinesUpTheTextUnderItsHeadings() {
        CStatisticsDlg dlg;
        dlg.m_nWon = 12;
        dlg.m_nLost = 23;
        dlg.m_nBestTime[0] = 95;
        dlg.m_nBestGame[0] = 45899;
        dlg.m_strBestName[0] = "Ann";
        WhenShown([](QDialog& dialog) {
            auto* text = Find<TabbedText>(dialog, control::kStatisticsText);
            QCOMPARE(text->accessibleName(),
                     QString("#45899\t\t95\tAnn\n#0\t\t0\t\n#0\t\t0\t\n\n\n34%\n\n"
                             "Won   12\nLost    23"));
            // A line is "#game", two tabs, the time, a tab, the name.
            const QFontMetrics metrics = text->fontMetrics();
            const int stop = text->TabStop();
            QVERIFY(stop > metrics.horizontalAdvance("#45899"));
            QVERIFY(stop > metrics.horizontalAdvance("99999"));
            const QPoint origin = text->mapTo(&dialog, QPoint(0, 0));
            QCOMPARE(LabelAt(dialog, "Game No.").x(), origin.x());
            QCOMPARE(LabelAt(dialog, "Time").x(), origin.x() + 2 * stop);
            QCOMPARE(LabelAt(dialog, "Name").x(), origin.x() + 3 * stop);
            QVERIFY(LabelAt(dialog, "Name").y() < origin.y());
            // "1." beside the first line, "Total " beside the percentage on the sixth.
            QCOMPARE(LabelAt(dialog, "1.\n2.\n3.").y(), origin.y());
            const int totalY = LabelAt(dialog, "Total ").y();
            QVERIFY(qAbs(totalY - (origin.y() + 5 * metrics.lineSpacing())) <= 1);
            Find(dialog, IDOK)->click();
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
    }

    void statisticsClearAsksOverItAndShowsTheEmptiedTable() {
        CStatisticsDlg dlg;
        dlg.m_nWon = 12;
        WhenShown([&](QDialog& dialog) {
            WhenShown([&](QDialog& question) {
                QCOMPARE(question.windowTitle(), QString("Clear Statistics"));
                QCOMPARE(question.parentWidget(), static_cast<QWidget*>(&dialog));
                Find(question, IDOK)->click();
            });
            Find(dialog, control::kClear)->click();
            QVERIFY(dialog.isVisible());
            QCOMPARE(Find<TabbedText>(dialog, control::kStatisticsText)->accessibleName(),
                     QString("#0\t\t0\t \n#0\t\t0\t \n#0\t\t0\t \n\n\n0%\n\nWon   0\nLost    0"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }

    void optionsShowsTheMembersInOrderAndWritesThemOnOkOnly() {
        COptionsDlg dlg;
        dlg.m_bDblClk = 1;
        dlg.m_bRclk = 0;
        dlg.m_bShow = 1;
        WhenShown([](QDialog& dialog) {
            QAbstractButton* left = Find(dialog, control::kLeftDoubleClick);
            QAbstractButton* right = Find(dialog, control::kRightDoubleClick);
            QAbstractButton* timer = Find(dialog, control::kShowTimer);
            QVERIFY(left->y() < right->y() && right->y() < timer->y());
            QVERIFY(left->isChecked() && !right->isChecked() && timer->isChecked());
            left->click();
            right->click();
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_bDblClk, 0);
        QCOMPARE(dlg.m_bRclk, 1);
        QCOMPARE(dlg.m_bShow, 1);
        WhenShown([](QDialog& dialog) {
            Find(dialog, control::kShowTimer)->click();
            Find(dialog, control::kLeftDoubleClick)->click();
            Find(dialog, IDCANCEL)->click();
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_bShow, 1);
        QCOMPARE(dlg.m_bDblClk, 0);
    }

    void aboutTickerStaysEmptyThenScrollsFromTheSecondFrame() {
        CAboutDlg dlg;
        WhenShown([&](QDialog& dialog) {
            auto* ticker = Find<QLabel>(dialog, control::kTicker);
            const int width = ticker->width();
            QCOMPARE(ticker->text(), QString());
            QTRY_VERIFY_WITH_TIMEOUT(!ticker->text().isEmpty(), 20000);
            QCOMPARE(ticker->text(), QString::fromStdString(std::string(17, ' ') + "Pl"));
            QCOMPARE(window.sleeps.front(), 150);
            QTRY_COMPARE_WITH_TIMEOUT(ticker->text(), QString("Please feel free to"), 20000);
            QCOMPARE(ticker->width(), width);
            Find(dialog, IDOK)->click();
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
