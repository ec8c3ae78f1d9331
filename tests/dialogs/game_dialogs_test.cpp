#include <QLineEdit>

#include "dialogs/qt_dialog_host.h"
#include "fakes/fake_platform.h"
#include "modal_driver.h"

// The game's questions and choices: confirmations, Select Game, the move choice.
class GameDialogsTest : public QObject {
    Q_OBJECT

    FakeWindow window;
    QtDialogHost host{nullptr, window};

    int Confirm(const QString& title) {
        if (title == "New Game") {
            CNewGameDlg dlg;
            return host.DoModal(dlg);
        }
        if (title == "Restart Game") {
            CRestartDlg dlg;
            return host.DoModal(dlg);
        }
        CClearStatsDlg dlg;
        return host.DoModal(dlg);
    }

  private slots:
    void confirmationsAskYesOrNo_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("question");
        QTest::newRow("new") << "New Game"
                             << "Are you sure you want to start a new Game ?";
        QTest::newRow("restart") << "Restart Game"
                                 << "Are you sure you want to restart the Game ?";
        QTest::newRow("clear") << "Clear Statistics"
                               << "Are you sure you want to clear all statistics ?";
    }
    void confirmationsAskYesOrNo() {
        QFETCH(QString, title);
        QFETCH(QString, question);
        WhenShown([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), title);
            QCOMPARE(Texts(dialog), QStringList{question});
            QCOMPARE(ButtonTexts(dialog), (QStringList{"Yes", "No"}));
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(Confirm(title), IDOK);

        WhenShown([](QDialog& dialog) { Click(dialog, IDCANCEL); });
        QCOMPARE(Confirm(title), IDCANCEL);
        WhenShown([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(Confirm(title), IDCANCEL);
        WhenShown([](QDialog& dialog) { dialog.close(); });
        QCOMPARE(Confirm(title), IDCANCEL);
    }

    void selectGameRefusesABadNumberAndStaysOpen() {
        window.messages.clear();
        CSelectGameDlg dlg;
        WhenShown([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Select Game"));
            QCOMPARE(Texts(dialog), QStringList{"Select a Game Number between 0 & 45900 "});
            QCOMPARE(ButtonTexts(dialog), (QStringList{"OK", "Cancel"}));
            auto* edit = Find<QLineEdit>(dialog, 1000);
            QCOMPARE(edit->text(), QString());

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

        WhenShown([](QDialog& dialog) {
            Find<QLineEdit>(dialog, 1000)->setText("500");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_nGame, 1234);
    }

    void moveChoiceEndsWithZeroAfterEitherMove() {
        CMoveChoiceDlg dlg;
        WhenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Select"));
            QCOMPARE(ButtonTexts(dialog),
                     (QStringList{"Move Column", "Move Single Card", "Cancel"}));
            auto* column = Find<QPushButton>(dialog, 1019);
            auto* single = Find<QPushButton>(dialog, 1018);
            QVERIFY(column->y() < single->y() && single->y() < Find<QPushButton>(dialog, 2)->y());
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), CMoveChoiceDlg::kMoved);
        QCOMPARE(dlg.m_bMoveColumn, 1);

        WhenShown([](QDialog& dialog) { Click(dialog, 1018); });
        QCOMPARE(host.DoModal(dlg), CMoveChoiceDlg::kMoved);
        QCOMPARE(dlg.m_bMoveColumn, 0);

        WhenShown([](QDialog& dialog) { Click(dialog, 1019); });
        QCOMPARE(host.DoModal(dlg), CMoveChoiceDlg::kMoved);
        QCOMPARE(dlg.m_bMoveColumn, 1);
    }

    void moveChoiceCancelEscapeAndCloseBox() {
        CMoveChoiceDlg dlg;
        WhenShown([](QDialog& dialog) { Click(dialog, IDCANCEL); });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        WhenShown([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        WhenShown([](QDialog& dialog) { dialog.close(); });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }
};

QTEST_MAIN(GameDialogsTest)
#include "game_dialogs_test.moc"
