// The main window as the program starts it, what each menu item and toolbar
// button runs, and the pointer shapes and colour chooser of its services.
#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "app/lock_key_panes.h"
#include "app/qt_window_services.h"
#include "play/play_window.h"

namespace {
// The menu item a player sees under this text, in any menu.
QAction* MenuItem(const QMenuBar* bar, const QString& text) {
    for (const QAction* popup : bar->actions()) {
        for (QAction* item : popup->menu()->actions()) {
            if (item->text() == text) {
                return item;
            }
        }
    }
    return nullptr;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PlayWindow> m_window;
    QWidget m_main;
    QWidget* m_view = new QWidget;
    QtWindowServices m_services{&m_main, m_view};

    CMainFrame& Frame() const { return m_window->Frame(); }
    CSolView& Game() const { return m_window->Game(); }

  private slots:
    void initTestCase() {
        m_window = std::make_unique<PlayWindow>();
        QVERIFY(m_window->Started());
        QCOMPARE(Frame().pos(), QPoint(0, 0));
        QCOMPARE(Frame().size(), QSize(640, 480));
        m_view->setParent(&m_main);
        m_main.show();
    }

    // Each command, from its menu item and from its toolbar button, on a game
    // in play with the third card tint and a background of its own: which
    // question opens (each is declined) and what it leaves of the colours.
    void eachCommandRunsItsOwnHandler() {
        const struct {
            const char* item;
            QString opens;
            int tintAfter;
            bool defaultBackground;
        } rows[] = {{"&New Game", "New Game", 2, false},
                    {"&Select Game...", "Select Game", 2, false},
                    {"&Restart Game", "Restart Game", 2, false},
                    {"&Options...", "Options", 2, false},
                    {"S&tatistics..", "Statistics", 2, false},
                    {"&Card Color", "", 3, false},
                    {"&Back Gnd Color", "Select Color", 2, false},
                    {"&Default Color", "", 0, true},
                    {"&About Kelmora...", "About Kelmora", 2, false}};
        QTimer watch;  // closes each question as it opens
        QStringList opened;
        connect(&watch, &QTimer::timeout, &watch, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened << modal->windowTitle();
                QCOMPARE(modal->parentWidget(), &Frame());
                modal->close();
            }
        });
        watch.start(5);
        for (const auto& row : rows) {
            QAction* action = MenuItem(Frame().menuBar(), row.item);
            auto* button = Frame().findChild<QToolBar*>()->widgetForAction(action);
            QVERIFY2(action && qobject_cast<QToolButton*>(button), row.item);
            for (const bool fromToolbar : {false, true}) {
                Game().m_nNextGame = Game().m_nReplayGame = 7;
                Game().StartGame();
                Game().m_nCardColor = 2;
                Game().m_crBackground = MakeColorRef(1, 2, 3);
                opened.clear();
                fromToolbar ? qobject_cast<QToolButton*>(button)->click() : action->trigger();
                QCOMPARE(opened, row.opens.isEmpty() ? QStringList{} : QStringList{row.opens});
                QCOMPARE(Game().m_nGameNumber, 7);
                QCOMPARE(Game().m_nCardColor, row.tintAfter);
                QCOMPARE(Game().m_crBackground == MakeColorRef(0, 0, 128), row.defaultBackground);
            }
        }
    }

    // A prompt takes the "Ready" pane, left of the lock key panes, until the
    // pointer leaves.
    void statusPanesShowPromptsUntilThePointerLeaves() {
        QList<QLabel*> panes = Frame().statusBar()->findChildren<QLabel*>();
        std::ranges::sort(panes, {}, [](QLabel* pane) { return pane->geometry().left(); });
        QCOMPARE(panes.value(0)->text() + panes.value(3)->objectName(),
                 QStringLiteral("ReadySCRL"));
        QAction* newGame = MenuItem(Frame().menuBar(), QStringLiteral("&New Game"));
        newGame->showStatusText(&Frame());
        QCOMPARE(Frame().statusBar()->currentMessage(), newGame->statusTip());
        QVERIFY(!newGame->statusTip().isEmpty() && !panes[0]->isVisible());
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(&Frame(), &leave);
        QVERIFY(panes[0]->isVisible());
    }

    // The panes follow the keyboards' lights: lit on any keyboard shows the
    // name, dark on all is blank, and a light no keyboard has stays dimmed.
    void lockKeyPanesShowTheKeyboardLights() {
        QTemporaryDir lights;
        const auto light = [&](const QString& name, const char* brightness) {
            QDir(lights.path()).mkpath(name);
            QFile file(lights.filePath(name + QStringLiteral("/brightness")));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(brightness);
        };
        light(QStringLiteral("input3::capslock"), "0\n");
        light(QStringLiteral("input7::capslock"), "1\n");
        light(QStringLiteral("input3::numlock"), "0\n");
        light(QStringLiteral("input3::kana"), "1\n");
        QStatusBar bar;
        new LockKeyPanes(&bar, LockKeyState(lights.path().toStdString()));
        const auto shown = [&bar](const char* name) {
            const QLabel* pane = bar.findChild<QLabel*>(QString::fromLatin1(name));
            return pane->text() + (pane->isEnabled() ? QString() : QStringLiteral(" dimmed"));
        };
        QCOMPARE(shown("CAP") + shown("NUM"), QStringLiteral("CAP"));
        QCOMPARE(shown("SCRL"), QStringLiteral("SCRL dimmed"));
        light(QStringLiteral("input7::capslock"), "0\n");
        light(QStringLiteral("input3::numlock"), "1\n");
        QTRY_COMPARE(shown("CAP") + shown("NUM"), QStringLiteral("NUM"));
    }

    void pointerShapes() {
        for (const auto& [pointer, hotSpot] : {std::pair{kDropCursor, QPoint(13, 25)},
                                               {kEmptyCursor, QPoint(14, 6)},
                                               {kArrowCursor, QPoint(-1, -1)}}) {
            m_services.SetPointer(pointer);
            QCOMPARE(m_view->cursor().hotSpot(), hotSpot.x() < 0 ? QPoint() : hotSpot);
            QCOMPARE(m_view->cursor().shape(),
                     hotSpot.x() < 0 ? Qt::ArrowCursor : Qt::BitmapCursor);
        }
    }

    // A killed timer ticks no more.
    void aKilledTimerTicksNoMore() {
        int ticks = 0;
        m_services.SetTimerHandler([&ticks](int) { ++ticks; });
        m_services.SetTimer(1, 1);
        QTRY_VERIFY(ticks > 0);
        m_services.KillTimer(1);
        const int killedAt = ticks;
        QTest::qWait(20);
        QCOMPARE(ticks, killedAt);
    }

    void colourChooserStartsAtTheGivenColourAndCancelKeepsIt() {
        for (const bool ok : {true, false}) {
            AnswerNext(QStringLiteral("Select Color"), [&](QDialog& modal) {
                auto* dialog = qobject_cast<QColorDialog*>(&modal);
                QCOMPARE(dialog->currentColor(), QColor(0, 0, 128));
                dialog->setCurrentColor(QColor(10, 20, 30));
                ok ? dialog->accept() : dialog->reject();
            });
            ColorRef chosen = MakeColorRef(1, 1, 1);
            QCOMPARE(m_services.ChooseColor(MakeColorRef(0, 0, 128), chosen), ok);
            QCOMPARE(chosen, ok ? MakeColorRef(10, 20, 30) : MakeColorRef(1, 1, 1));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
