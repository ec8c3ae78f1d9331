#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/qt_dialog_host.h"
#include "dialogs/tabbed_text.h"
#include "fakes/fake_platform.h"
#include "modal_driver.h"

namespace {
QLabel* LabelWithText(QDialog& dialog, const QString& text) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == text) {
            return label;
        }
    }
    return nullptr;
}

// Where a control stands in the dialog.
QPoint At(QDialog& dialog, const QWidget* widget) {
    return widget->mapTo(&dialog, QPoint(0, 0));
}

CStatisticsDlg SomeStatistics() {
    CStatisticsDlg dlg;
    dlg.m_nWon = 12;
    dlg.m_nLost = 23;
    dlg.m_nBestTime[0] = 95;
    dlg.m_nBestGame[0] = 45899;
    dlg.m_strBestName[0] = "Ann";
    return dlg;
}
}  // namespace

// The dialogs at the end of a game, and the statistics.
class GameEndDialogsTest : public QObject {
    Q_OBJECT

    FakeWindow window;
    QtDialogHost host{nullptr, window};

  private slots:
    void highScoreKeepsTheNameExactlyAsTyped() {
        CHighScoreDlg dlg;
        WhenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("High Score"));
            QCOMPARE(Texts(dialog), QStringList{"Congratulations, You have achieved a high score!\n"
                                                "Please Enter your Name: "});
            QCOMPARE(ButtonTexts(dialog), QStringList{"OK"});
            QVERIFY(Find<QPushButton>(dialog, IDOK)->isDefault());
            Find<QLineEdit>(dialog, 1000)->setText(QString::fromUtf8(" Zoë = [x] "));
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_strName, std::string(" Zoë = [x] "));

        WhenShown([](QDialog& dialog) {
            Find<QLineEdit>(dialog, 1000)->setText("Bo");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_strName, std::string(" Zoë = [x] "));
    }

    void gameWonOpensOnNewGameAndRadioButtonsSetTheChoice() {
        CGameWonDlg dlg;
        dlg.m_nChoice = CGameWonDlg::kSameGame;
        WhenShown([&dlg](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Game Over"));
            QCOMPARE(Texts(dialog), QStringList{"Congratulations ,You Win!"});
            QCOMPARE(Find<QRadioButton>(dialog, 1002)->text(), QString("New Game"));
            QCOMPARE(Find<QRadioButton>(dialog, 1003)->text(), QString("Same Game"));
            QCOMPARE(Find<QRadioButton>(dialog, 1004)->text(), QString("Select Game"));
            QVERIFY(Find<QRadioButton>(dialog, 1002)->isChecked());
            QCOMPARE(dlg.m_nChoice, CGameWonDlg::kNewGame);
            QVERIFY(Find<QPushButton>(dialog, IDOK)->isDefault());

            Click(dialog, 1003);
            QCOMPARE(dlg.m_nChoice, CGameWonDlg::kSameGame);
            QVERIFY(!Find<QRadioButton>(dialog, 1002)->isChecked());
            Click(dialog, 1002);
            QCOMPARE(dlg.m_nChoice, CGameWonDlg::kNewGame);
            Click(dialog, 1004);
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_nChoice, CGameWonDlg::kSelectGame);

        WhenShown([](QDialog& dialog) { dialog.close(); });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }

    void gameLostReadsTheCheckBoxOnYes() {
        CGameLostDlg dlg;
        WhenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Game Over"));
            QCOMPARE(Texts(dialog), QStringList{"Sorry, you lose.\nDo you want to play again ?"});
            QCOMPARE(ButtonTexts(dialog), (QStringList{"Yes", "No"}));
            QVERIFY(Find<QPushButton>(dialog, IDOK)->isDefault());
            auto* sameGame = Find<QCheckBox>(dialog, 1017);
            QCOMPARE(sameGame->text(), QString("Same Game"));
            QVERIFY(!sameGame->isChecked());
            sameGame->click();
            Click(dialog, IDOK);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_bSameGame, 1);

        WhenShown([](QDialog& dialog) {
            QVERIFY(Find<QCheckBox>(dialog, 1017)->isChecked());
            Find<QCheckBox>(dialog, 1017)->click();
            Click(dialog, IDCANCEL);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_bSameGame, 1);
    }

    void statisticsShowsTheTextUnderItsHeadings() {
        CStatisticsDlg dlg = SomeStatistics();
        WhenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Statistics"));
            QStringList texts = Texts(dialog);
            texts.sort();
            QCOMPARE(texts, (QStringList{"1.\n2.\n3.", "Game No.", "Name", "Time", "Top Scores",
                                         "Total "}));
            QCOMPARE(ButtonTexts(dialog), (QStringList{"OK", "Clear"}));
            QVERIFY(Find<QPushButton>(dialog, IDOK)->isDefault());

            auto* text = Find<TabbedText>(dialog, 1000);
            QCOMPARE(text->text(), QString("#45899\t\t95\tAnn\n#0\t\t0\t\n#0\t\t0\t\n\n\n34%\n\n"
                                           "Won   12\nLost    23"));
            // A line is "#game", two tabs, the time, a tab, the name.
            const QFontMetrics metrics = text->fontMetrics();
            const int stop = text->TabStop();
            QVERIFY(stop > metrics.horizontalAdvance("#45899"));
            QVERIFY(stop > metrics.horizontalAdvance("99999"));
            const QPoint origin = At(dialog, text);
            QCOMPARE(At(dialog, LabelWithText(dialog, "Game No.")).x(), origin.x());
            QCOMPARE(At(dialog, LabelWithText(dialog, "Time")).x(), origin.x() + 2 * stop);
            QCOMPARE(At(dialog, LabelWithText(dialog, "Name")).x(), origin.x() + 3 * stop);
            QVERIFY(At(dialog, LabelWithText(dialog, "Name")).y() < origin.y());
            // "1." beside the first line, "Total " beside the percentage on the sixth.
            QCOMPARE(At(dialog, LabelWithText(dialog, "1.\n2.\n3.")).y(), origin.y());
            const int totalY = At(dialog, LabelWithText(dialog, "Total ")).y();
            QVERIFY(qAbs(totalY - (origin.y() + 5 * metrics.lineSpacing())) <= 1);
            QVERIFY(text->height() >=
                    metrics.size(Qt::TextExpandTabs, text->text(), stop).height());
            Click(dialog, IDOK);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
    }

    void statisticsClearAsksAndShowsTheEmptiedTable() {
        CStatisticsDlg dlg = SomeStatistics();
        WhenShown([&](QDialog& dialog) {
            auto* text = Find<TabbedText>(dialog, 1000);
            const QString before = text->text();
            WhenShown([](QDialog& question) { QTest::keyClick(&question, Qt::Key_Escape); });
            Click(dialog, 1010);
            QCOMPARE(text->text(), before);
            QCOMPARE(dlg.m_nWon, 12);

            WhenShown([](QDialog& question) {
                QCOMPARE(question.windowTitle(), QString("Clear Statistics"));
                Click(question, IDOK);
            });
            Click(dialog, 1010);
            QVERIFY(dialog.isVisible());
            QCOMPARE(text->text(),
                     QString("#0\t\t0\t \n#0\t\t0\t \n#0\t\t0\t \n\n\n0%\n\nWon   0\nLost    0"));
            QCOMPARE(dlg.m_nWon, 0);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }
};

QTEST_MAIN(GameEndDialogsTest)
#include "game_end_dialogs_test.moc"
