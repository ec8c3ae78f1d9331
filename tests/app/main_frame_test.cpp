// The main window as the program starts it, and what each menu item and
// toolbar button does when used.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "app/find_main_frame.h"
#include "app/icons/program_icons.h"
#include "app/sol_app.h"
#include "app/view_widget.h"

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

// The toolbar button whose tip reads `tip`.
QToolButton* ToolButton(const QToolBar* bar, const QString& tip) {
    for (QAction* action : bar->actions()) {
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
        if (button != nullptr && button->toolTip() == tip) {
            return button;
        }
    }
    return nullptr;
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_config;
    std::unique_ptr<CSolApp> m_app;
    CMainFrame* m_frame = nullptr;

    CSolView& Game() const { return m_frame->View(); }
    QLabel* Pane(const QString& text) const {
        for (QLabel* label : m_frame->statusBar()->findChildren<QLabel*>()) {
            if (label->text() == text || label->objectName() == text) {
                return label;
            }
        }
        return nullptr;
    }

  private slots:
    void initTestCase() {
        // Never the player's own profile.
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        m_app = std::make_unique<CSolApp>();
        QVERIFY(m_app->InitInstance());
        m_frame = FindMainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    }

    void opensAt640By480WithItsTitleAndTheEmptyTable() {
        QCOMPARE(m_frame->pos(), QPoint(0, 0));
        QCOMPARE(m_frame->size(), QSize(640, 480));
        QTRY_COMPARE(m_frame->windowTitle(), QStringLiteral("Kelmora"));
        auto* view = qobject_cast<ViewWidget*>(m_frame->centralWidget());
        QVERIFY(view);
        QCOMPARE(view->DrawingSurface().Image().pixel(300, 250) | 0xff000000, qRgb(0, 0, 128));
        QTRY_COMPARE(view->DrawingSurface().Image().pixel(0, 0) | 0xff000000, qRgb(255, 255, 127));
    }

    // Each command, from its menu item and from its toolbar button, on a game
    // in play with the third card tint and a background of its own: which
    // question opens (each is declined) and what it leaves of the colours.
    void eachCommandRunsItsOwnHandler_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<int>("tintAfter");
        QTest::addColumn<bool>("defaultBackground");
        QTest::newRow("new game") << "&New Game"
                                  << "New Game"
                                  << "New Game" << 2 << false;
        QTest::newRow("select") << "&Select Game..."
                                << "Select Game"
                                << "Select Game" << 2 << false;
        QTest::newRow("restart") << "&Restart Game"
                                 << "Restart Game"
                                 << "Restart Game" << 2 << false;
        QTest::newRow("options") << "&Options..."
                                 << "Options"
                                 << "Options" << 2 << false;
        QTest::newRow("statistics") << "S&tatistics.."
                                    << "Statistics"
                                    << "Statistics" << 2 << false;
        QTest::newRow("card colour") << "&Card Color"
                                     << "Card Color"
                                     << "" << 3 << false;
        QTest::newRow("background") << "&Back Gnd Color"
                                    << "BackGround Color"
                                    << "Select Color" << 2 << false;
        QTest::newRow("default colour") << "&Default Color"
                                        << "Default Color"
                                        << "" << 0 << true;
        QTest::newRow("about") << "&About Kelmora..."
                               << "About"
                               << "About Kelmora" << 2 << false;
    }
    void eachCommandRunsItsOwnHandler() {
        QFETCH(QString, item);
        QFETCH(QString, button);
        QFETCH(QString, opens);
        QFETCH(int, tintAfter);
        QFETCH(bool, defaultBackground);
        QAction* menuItem = MenuItem(m_frame->menuBar(), item);
        QToolButton* toolButton = ToolButton(m_frame->findChild<QToolBar*>(), button);
        QVERIFY(menuItem && toolButton);
        for (const bool fromToolbar : {false, true}) {
            Game().m_nNextGame = Game().m_nReplayGame = 7;
            Game().StartGame();
            Game().m_nCardColor = 2;
            Game().m_crBackground = MakeColorRef(1, 2, 3);
            QStringList opened;
            QWidget* owner = nullptr;
            auto* watch = new QTimer(this);
            connect(watch, &QTimer::timeout, watch, [&] {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    opened << modal->windowTitle();
                    owner = modal->parentWidget();
                    modal->close();
                }
            });
            watch->start(5);
            fromToolbar ? toolButton->click() : menuItem->trigger();
            delete watch;
            QCOMPARE(opened, opens.isEmpty() ? QStringList{} : QStringList{opens});
            if (!opens.isEmpty()) {
                QCOMPARE(owner, m_frame);
            }
            QCOMPARE(Game().m_nGameNumber, 7);
            QCOMPARE(Game().m_nCardColor, tintAfter);
            QCOMPARE(Game().m_crBackground == MakeColorRef(0, 0, 128), defaultBackground);
        }
    }

    // Toolbar and dialog pictures are drawn for denser screens pixel by pixel.
    void picturesStaySharpOnDenserScreens() {
        const auto shown = [](const QIcon& icon, QSize size, int density) {
            QImage image = icon.pixmap(size, density).toImage();
            image.setDevicePixelRatio(1);
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        for (QAction* action : m_frame->findChild<QToolBar*>()->actions()) {
            const QImage plain = shown(action->icon(), QSize(16, 15), 1);
            QCOMPARE(shown(action->icon(), QSize(16, 15), 2), plain.scaled(32, 30));
        }
        QCOMPARE(
            shown(ApplicationIcon(), QSize(32, 32), 4),
            QImage(":/icons/app-128.png").convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void aPromptTakesTheReadyPaneUntilThePointerLeaves() {
        QLabel* ready = Pane(QStringLiteral("Ready"));
        QVERIFY(ready && ready->isVisible());
        int right = ready->geometry().right();
        for (const char* name : {"CAP", "NUM", "SCRL"}) {
            QLabel* pane = Pane(QString::fromLatin1(name));
            QVERIFY2(pane && pane->geometry().left() > right, name);
            right = pane->geometry().right();
        }
        QAction* newGame = MenuItem(m_frame->menuBar(), QStringLiteral("&New Game"));
        newGame->showStatusText(m_frame);
        QCOMPARE(m_frame->statusBar()->currentMessage(), newGame->statusTip());
        QVERIFY(!newGame->statusTip().isEmpty() && !ready->isVisible());
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(m_frame, &leave);
        QVERIFY(ready->isVisible());
    }

    void viewMenuHidesAndShowsTheBars() {
        auto* toolBar = m_frame->findChild<QToolBar*>();
        QAction* toolBarItem = MenuItem(m_frame->menuBar(), QStringLiteral("&Tool Bar"));
        QAction* statusBarItem = MenuItem(m_frame->menuBar(), QStringLiteral("&Statusbar"));
        toolBarItem->trigger();
        QVERIFY(!toolBar->isVisible());
        // Closed some other way, the item follows.
        toolBar->show();
        QVERIFY(toolBarItem->isChecked());
        statusBarItem->trigger();
        QVERIFY(!m_frame->statusBar()->isVisible());
        statusBarItem->trigger();
        QVERIFY(m_frame->statusBar()->isVisible());
    }

    void exitClosesTheMainWindow() {
        MenuItem(m_frame->menuBar(), QStringLiteral("E&xit"))->trigger();
        QVERIFY(!m_frame->isVisible());
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
