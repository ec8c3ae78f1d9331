#include <QLineEdit>

#include "dialogs/qt_dialog_host.h"
#include "fakes/fake_platform.h"
#include "modal_driver.h"

// The game's questions and choices: confirmations, Select Game, the move choice.
class GameDialogsTest : public QObject {
    Q_OBJECT

    FakeWindow window;
    QtDialogHost host{nullptr, window};

    int Confirm(const QString& which) {
        if (which == "new") {
            CNewGameDlg dlg;
            return host.DoModal(dlg);
        }
        if (which == "restart") {
            CRestartDlg dlg;
            return host.DoModal(dlg);
        }
        CClearStatsDlg dlg;
        return host.DoModal(dlg);
    }

  private slots:
    void init() { window.messages.clear(); }

    void confirmationsAskYesOrNo_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("question");
        QTest::newRow("new game") << "new"
                                  << "New Game"
                                  << "Are you sure you want to start a new Game ?";
        QTest::newRow("restart") << "restart"
                                 << "Restart Game"
                                 << "Are you sure you want to restart the Game ?";
        QTest::newRow("clear statistics") << "clear"
                                          << "Clear Statistics"
                                          << "Are you sure you want to clear all statistics ?";
    }
    void confirmationsAskYesOrNo() {
        QFETCH(QString, which);
        QFETCH(QString, title);
        QFETCH(QString, question);
        WhenShown([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), title);
            QCOMPARE(Texts(dialog), QStringList{question});
            QCOMPARE(ButtonTexts(dialog), (QStringList{"Yes", "No"}));
            QVERIFY(Find<QPushButton>(dialog, IDOK)->isDefault());
            QVERIFY(!Find<QPushButton>(dialog, IDCANCEL)->isDefault());
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(Confirm(which), IDOK);

        WhenShown([](QDialog& dialog) { Click(dialog, IDCANCEL); });
        QCOMPARE(Confirm(which), IDCANCEL);
        WhenShown([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(Confirm(which), IDCANCEL);
        WhenShown([](QDialog& dialog) { dialog.close(); });
        QCOMPARE(Confirm(which), IDCANCEL);
    }

    void selectGameShowsItsControls() {
        CSelectGameDlg dlg;
        WhenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Select Game"));
            QCOMPARE(Texts(dialog), QStringList{"Select a Game Number between 0 & 45900 "});
            QCOMPARE(Find<QLineEdit>(dialog, 1000)->text(), QString());
            QCOMPARE(ButtonTexts(dialog), (QStringList{"OK", "Cancel"}));
            QVERIFY(Find<QPushButton>(dialog, IDOK)->isDefault());
            Click(dialog, IDCANCEL);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QVERIFY(window.messages.empty());
    }

    void selectGameRefusesABadNumberAndStaysOpen() {
        CSelectGameDlg dlg;
        WhenShown([&](QDialog& dialog) {
            auto* edit = Find<QLineEdit>(dialog, 1000);
            QTest::keyClicks(edit, "45900");
            Click(dialog, IDOK);
            QVERIFY(dialog.isVisible());
            QCOMPARE(edit->text(), QString("0"));
            QCOMPARE(window.messages.size(), 1u);
            QCOMPARE(window.messages[0].first,
                     std::string("Select a Game Number between 0 & 45900"));
            QCOMPARE(window.messages[0].second, std::string("Kelmora"));

            edit->setText("1234");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_nGame, 1234);
        QCOMPARE(window.messages.size(), 1u);
    }

    void selectGameCancelKeepsTheGame() {
        CSelectGameDlg dlg;
        dlg.m_nGame = 77;
        WhenShown([](QDialog& dialog) {
            Find<QLineEdit>(dialog, 1000)->setText("500");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_nGame, 77);
    }

    void moveChoiceShowsItsButtons() {
        CMoveChoiceDlg dlg;
        WhenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Select"));
            QCOMPARE(ButtonTexts(dialog),
                     (QStringList{"Move Column", "Move Single Card", "Cancel"}));
            auto* column = Find<QPushButton>(dialog, 1019);
            auto* single = Find<QPushButton>(dialog, 1018);
            auto* cancel = Find<QPushButton>(dialog, IDCANCEL);
            QVERIFY(column->isDefault());
            QVERIFY(column->y() < single->y() && single->y() < cancel->y());
            Click(dialog, IDCANCEL);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }

    void moveChoiceEndsWithZeroAfterEitherMove() {
        CMoveChoiceDlg dlg;
        WhenShown([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(host.DoModal(dlg), CMoveChoiceDlg::kMoved);
        QCOMPARE(dlg.m_bMoveColumn, 1);

        WhenShown([](QDialog& dialog) { Click(dialog, 1018); });
        QCOMPARE(host.DoModal(dlg), CMoveChoiceDlg::kMoved);
        QCOMPARE(dlg.m_bMoveColumn, 0);

        WhenShown([](QDialog& dialog) { Click(dialog, 1019); });
        QCOMPARE(host.DoModal(dlg), CMoveChoiceDlg::kMoved);
        QCOMPARE(dlg.m_bMoveColumn, 1);
    }

    void moveChoiceEscapeAndCloseBoxCancel() {
        CMoveChoiceDlg dlg;
        WhenShown([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        WhenShown([](QDialog& dialog) { dialog.close(); });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }
};

QTEST_MAIN(GameDialogsTest)
#include "game_dialogs_test.moc"
