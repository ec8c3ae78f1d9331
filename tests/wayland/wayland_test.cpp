// The program on Qt's own Wayland plugin, under a compositor started for the
// test: it starts, is named, answers its dialogs, deals, docks its toolbar and ends.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QToolBar>
#include <QtTest>

#include "app/command_ids.h"
#include "play/play_window.h"

namespace {
constexpr int kDealtGame = 18;
}  // namespace

class WaylandTest : public QObject {
    Q_OBJECT

  private slots:
    void startsPlaysAndEndsNatively() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        PlayWindow window;
        QVERIFY(window.Started());
        QCOMPARE(window.Frame().windowTitle(), QStringLiteral("Kelmora"));

        // Every dialog has a close box alone and shows its title whole.
        AnswerNext(QStringLiteral("About Kelmora"), [](QDialog& dialog) {
            const Qt::WindowFlags flags = dialog.windowFlags();
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            // Qt's own title bar centres the title in 14-pixel type and cuts it off 76
            // pixels short of the right edge, before its buttons.
            QFont drawn = dialog.font();
            drawn.setPixelSize(14);
            const int title = QFontMetrics(drawn).horizontalAdvance(dialog.windowTitle());
            QVERIFY((dialog.width() + title) / 2 <= dialog.width() - 76);
            dialog.reject();
        });
        window.Trigger(command::kAbout);

        // A game dealt through its dialog; playing it is the whole-game test's.
        window.SelectGame(kDealtGame);
        QCOMPARE(window.Game().m_nGameNumber, kDealtGame);

        // The toolbar docks on the edge it is dragged to, and never floats
        // where the compositor alone would place it.
        CMainFrame& frame = window.Frame();
        QToolBar* toolBar = frame.findChild<QToolBar*>();
        QVERIFY(!toolBar->isFloatable());
        for (const auto& [to, area] : {std::pair{QPoint(2, 240), Qt::LeftToolBarArea},
                                       {QPoint(320, 470), Qt::BottomToolBarArea},
                                       {QPoint(320, 2), Qt::TopToolBarArea}}) {
            const QPoint grip(toolBar->width() - 2, toolBar->height() - 2);
            QTest::mousePress(toolBar, Qt::LeftButton, {}, grip);
            QTest::mouseRelease(toolBar, Qt::LeftButton, {}, toolBar->mapFrom(&frame, to));
            QCOMPARE(frame.toolBarArea(toolBar), area);
            QVERIFY(!toolBar->isWindow() && toolBar->isVisible());
        }

        window.Trigger(command::kExit);
        QVERIFY(!window.Frame().isVisible());
    }
};

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"
