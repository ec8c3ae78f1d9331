#include <QCheckBox>

#include "dialogs/qt_dialog_host.h"
#include "fakes/fake_platform.h"
#include "modal_driver.h"

// Options and the About box.
class SettingsDialogsTest : public QObject {
    Q_OBJECT

    FakeWindow window;
    QtDialogHost host{nullptr, window};

  private slots:
    void optionsShowsTheMembersInOrder() {
        COptionsDlg dlg;
        dlg.m_bDblClk = 1;
        dlg.m_bRclk = 0;
        dlg.m_bShow = 1;
        WhenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Options"));
            auto* left = Find<QCheckBox>(dialog, 1009);
            auto* right = Find<QCheckBox>(dialog, 1017);
            auto* timer = Find<QCheckBox>(dialog, 1007);
            QCOMPARE(left->text(), QString("LButton Double Click moves card to left cell"));
            QCOMPARE(right->text(), QString("Rbutton Double Click moves card to right cell"));
            QCOMPARE(timer->text(), QString("Displays Timer in the client area of the window "));
            QVERIFY(left->y() < right->y() && right->y() < timer->y());
            QVERIFY(left->isChecked() && !right->isChecked() && timer->isChecked());
            QCOMPARE(ButtonTexts(dialog), (QStringList{"OK", "Cancel"}));
            QVERIFY(Find<QPushButton>(dialog, IDOK)->isDefault());

            left->click();
            right->click();
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
        QCOMPARE(dlg.m_bDblClk, 0);
        QCOMPARE(dlg.m_bRclk, 1);
        QCOMPARE(dlg.m_bShow, 1);
    }

    void optionsCancelChangesNothing() {
        COptionsDlg dlg;
        WhenShown([](QDialog& dialog) {
            Find<QCheckBox>(dialog, 1007)->click();
            Find<QCheckBox>(dialog, 1009)->click();
            Click(dialog, IDCANCEL);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
        QCOMPARE(dlg.m_bShow, 0);
        QCOMPARE(dlg.m_bDblClk, 0);
    }

    void aboutShowsTheVersionAndAnEmptyTicker() {
        CAboutDlg dlg;
        WhenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("About Kelmora"));
            QCOMPARE(Texts(dialog), QStringList{"Kelmora Version 1.0"});
            QCOMPARE(ButtonTexts(dialog), QStringList{"OK"});
            QVERIFY(Find<QPushButton>(dialog, IDOK)->isDefault());
            QCOMPARE(Find<QLabel>(dialog, 1016)->text(), QString());
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(host.DoModal(dlg), IDCANCEL);
    }

    void aboutTickerScrollsOnTheDialogTimer() {
        CAboutDlg dlg;
        WhenShown([&](QDialog& dialog) {
            auto* ticker = Find<QLabel>(dialog, 1016);
            const int width = ticker->width();
            QTRY_VERIFY_WITH_TIMEOUT(!ticker->text().isEmpty(), 20000);
            QCOMPARE(ticker->text(), QString::fromStdString(std::string(17, ' ') + "Pl"));
            QCOMPARE(window.sleeps.front(), 150);
            QTRY_COMPARE_WITH_TIMEOUT(ticker->text(), QString("Please feel free to"), 20000);
            QCOMPARE(ticker->width(), width);
            Click(dialog, IDOK);
        });
        QCOMPARE(host.DoModal(dlg), IDOK);
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "settings_dialogs_test.moc"
