// The game's dialogs, opened for real and driven by keys and clicks.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/dialogs/control_ids.h"
#include "app/dialogs/qt_dialog_host.h"
#include "app/dialogs/tabbed_text.h"
#include "fakes/fake_platform.h"
#include "play/dialog_answers.h"

namespace {
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

class DialogsTest : public QObject {
    Q_OBJECT

    FakeWindow window;
    QtDialogHost host{nullptr, window};

  private slots:
    void confirmationAnswersYesWithReturnAndNoWithItsButton() {
        CRestartDlg dlg;
        AnswerNext(QStringLiteral("Restart Game"),
                   [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(host.DoModal(dlg), IDOK);
        AnswerNext(QStringLiteral("Restart Game"),
                   [](QDialog& dialog) { PressButton(dialog, IDCANCEL); });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
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
            QCOMPARE(edit->text(), QString("0"));
            QCOMPARE(
                window.messages,
                (decltype(window.messages){{"Select a Game Number between 0 & 45900", "Kelmora"}}));
            // The field has the focus back with its "0" selected: typing replaces it, and
            // blanks after a pasted number are taken like those before it.
            QCOMPARE(dialog.focusWidget(), edit);
            QTest::keyClicks(edit, "1234 ");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_nGame, 1234);

        AnswerNext(QStringLiteral("Select Game"), [](QDialog& dialog) {
            ControlOf<QLineEdit>(dialog, control::kEdit)->setText("500");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_nGame, 1234);
        QCOMPARE(window.messages.size(), 1u);
    }

    void moveChoiceStacksItsButtonsAndEndsWithZeroAfterEitherMove() {
        CMoveChoiceDlg dlg;
        AnswerNext(QStringLiteral("Select"), [](QDialog& dialog) {
            const int column = ControlOf<QAbstractButton>(dialog, control::kMoveColumn)->y();
            const int single = ControlOf<QAbstractButton>(dialog, control::kMoveSingleCard)->y();
            QVERIFY(column < single && single < ControlOf<QAbstractButton>(dialog, IDCANCEL)->y());
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), CMoveChoiceDlg::kMoved);
        QCOMPARE(dlg.m_bMoveColumn, 1);
        AnswerNext(QStringLiteral("Select"),
                   [](QDialog& dialog) { PressButton(dialog, control::kMoveSingleCard); });
        QCOMPARE(host.DoModal(dlg), CMoveChoiceDlg::kMoved);
        QCOMPARE(dlg.m_bMoveColumn, 0);
        AnswerNext(QStringLiteral("Select"),
                   [](QDialog& dialog) { PressButton(dialog, IDCANCEL); });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }

    void highScoreKeepsTheNameExactlyAsTypedOnOkOnly() {
        CHighScoreDlg dlg;
        AnswerNext(QStringLiteral("High Score"), [](QDialog& dialog) {
            ControlOf<QLineEdit>(dialog, control::kEdit)->setText(QString::fromUtf8(" Zoë = [x] "));
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_strName, std::string(" Zoë = [x] "));
        AnswerNext(QStringLiteral("High Score"), [](QDialog& dialog) {
            ControlOf<QLineEdit>(dialog, control::kEdit)->setText("Bo");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_strName, std::string(" Zoë = [x] "));
    }

    void gameWonOpensOnNewGameAndRadioButtonsSetTheChoice() {
        CGameWonDlg dlg;
        dlg.m_nChoice = CGameWonDlg::kSameGame;
        AnswerNext(QStringLiteral("Game Over"), [&dlg](QDialog& dialog) {
            QVERIFY(ControlOf<QAbstractButton>(dialog, control::kNewGameRadio)->isChecked());
            QCOMPARE(dlg.m_nChoice, CGameWonDlg::kNewGame);
            PressButton(dialog, control::kSameGameRadio);
            QCOMPARE(dlg.m_nChoice, CGameWonDlg::kSameGame);
            PressButton(dialog, control::kSelectGameRadio);
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_nChoice, CGameWonDlg::kSelectGame);
    }

    void gameLostReadsTheCheckBoxOnYesOnly() {
        CGameLostDlg dlg;
        AnswerNext(QStringLiteral("Game Over"), [](QDialog& dialog) {
            QVERIFY(!ControlOf<QAbstractButton>(dialog, control::kSameGameCheck)->isChecked());
            PressButton(dialog, control::kSameGameCheck);
            PressButton(dialog, IDOK);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_bSameGame, 1);
        AnswerNext(QStringLiteral("Game Over"), [](QDialog& dialog) {
            QVERIFY(ControlOf<QAbstractButton>(dialog, control::kSameGameCheck)->isChecked());
            PressButton(dialog, control::kSameGameCheck);
            PressButton(dialog, IDCANCEL);
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
        AnswerNext(QStringLiteral("Statistics"), [](QDialog& dialog) {
            auto* text = ControlOf<TabbedText>(dialog, control::kStatisticsText);
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
            PressButton(dialog, IDOK);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
    }

    void statisticsClearAsksOverItAndShowsTheEmptiedTable() {
        CStatisticsDlg dlg;
        dlg.m_nWon = 12;
        AnswerNext(QStringLiteral("Statistics"), [&](QDialog& dialog) {
            AnswerNext(QStringLiteral("Clear Statistics"), [&](QDialog& question) {
                QCOMPARE(question.parentWidget(), static_cast<QWidget*>(&dialog));
                PressButton(question, IDOK);
            });
            PressButton(dialog, control::kClear);
            QVERIFY(dialog.isVisible());
            QCOMPARE(ControlOf<TabbedText>(dialog, control::kStatisticsText)->accessibleName(),
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
        AnswerNext(QStringLiteral("Options"), [](QDialog& dialog) {
            QAbstractButton* left = ControlOf<QAbstractButton>(dialog, control::kLeftDoubleClick);
            QAbstractButton* right = ControlOf<QAbstractButton>(dialog, control::kRightDoubleClick);
            QAbstractButton* timer = ControlOf<QAbstractButton>(dialog, control::kShowTimer);
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
        AnswerNext(QStringLiteral("Options"), [](QDialog& dialog) {
            PressButton(dialog, control::kShowTimer);
            PressButton(dialog, control::kLeftDoubleClick);
            PressButton(dialog, IDCANCEL);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_bShow, 1);
        QCOMPARE(dlg.m_bDblClk, 0);
    }

    void aboutTickerStaysEmptyThenScrollsFromTheSecondFrame() {
        CAboutDlg dlg;
        AnswerNext(QStringLiteral("About Kelmora"), [&](QDialog& dialog) {
            auto* ticker = ControlOf<QLabel>(dialog, control::kTicker);
            const int width = ticker->width();
            QCOMPARE(ticker->text(), QString());
            QTRY_VERIFY_WITH_TIMEOUT(!ticker->text().isEmpty(), 20000);
            QCOMPARE(ticker->text(), QString::fromStdString(std::string(17, ' ') + "Pl"));
            QCOMPARE(window.sleeps.front(), 150);
            QTRY_COMPARE_WITH_TIMEOUT(ticker->text(), QString("Please feel free to"), 20000);
            QCOMPARE(ticker->width(), width);
            PressButton(dialog, IDOK);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
