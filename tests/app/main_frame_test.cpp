// The main window as the program starts it: geometry, menus, toolbar, status
// bar, the empty table and the first tick.
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
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

#include "app/command_ids.h"
#include "app/dialogs/control_ids.h"
#include "app/find_main_frame.h"
#include "app/icons/program_icons.h"
#include "app/sol_app.h"
#include "app/view_widget.h"

namespace {
// One menu entry as "text id", or "-" for a separator.
QStringList Entries(const QMenu* menu) {
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        entries << (action->isSeparator()
                        ? QStringLiteral("-")
                        : QStringLiteral("%1 %2").arg(action->text()).arg(action->data().toInt()));
    }
    return entries;
}
// What an icon shows in a 32-pixel place on a screen of `density`, pixel for pixel.
QImage Shown(const QIcon& icon, int density) {
    QImage image = icon.pixmap(QSize(32, 32), density).toImage();
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A drawing of the artwork, pixel for pixel.
QImage Drawn(const QString& path) {
    QImage image(path);
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_config;
    std::unique_ptr<CSolApp> m_app;
    CMainFrame* m_frame = nullptr;

    QAction* Command(int id) const {
        for (QAction* action : m_frame->findChildren<QAction*>()) {
            if (!action->isSeparator() && action->data().toInt() == id) {
                return action;
            }
        }
        return nullptr;
    }
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

    void opensAtTheTopLeftAt640By480() {
        QCOMPARE(m_frame->pos(), QPoint(0, 0));
        QCOMPARE(m_frame->size(), QSize(640, 480));
        QVERIFY(m_frame->maximumSize().width() > 640);  // resizable
    }

    void theTitleIsKelmoraAfterTheFirstTick() {
        QTRY_COMPARE(m_frame->windowTitle(), QStringLiteral("Kelmora"));
    }

    void theEmptyTableShowsItsColourAndOutlines() {
        auto* view = qobject_cast<ViewWidget*>(m_frame->centralWidget());
        QVERIFY(view);
        QCOMPARE(view->DrawingSurface().Image().size(), view->size());
        QCOMPARE(view->DrawingSurface().Image().pixel(300, 250) | 0xff000000, qRgb(0, 0, 128));
        // The outlines of the cells arrive with the first tick.
        QTRY_COMPARE(view->DrawingSurface().Image().pixel(0, 0) | 0xff000000, qRgb(255, 255, 127));
    }

    void menusHaveEveryItemWithItsCommandId() {
        const QList<QAction*> popups = m_frame->menuBar()->actions();
        QStringList titles;
        for (const QAction* popup : popups) {
            titles << popup->text();
        }
        QCOMPARE(titles, (QStringList{"&Game", "&View", "&Color", "&Help"}));
        QCOMPARE(
            Entries(popups[0]->menu()),
            (QStringList{"&New Game 32771", "&Select Game... 32774", "&Restart Game 32775", "-",
                         "&Options... 32773", "S&tatistics.. 32796", "-", "E&xit 57665"}));
        QCOMPARE(Entries(popups[1]->menu()), (QStringList{"&Tool Bar 59392", "&Statusbar 59393"}));
        QCOMPARE(
            Entries(popups[2]->menu()),
            (QStringList{"&Card Color 32791", "&Default Color 32794", "&Back Gnd Color 32792"}));
        QCOMPARE(Entries(popups[3]->menu()), (QStringList{"&About Kelmora... 57664"}));
    }

    void toolbarHasNineButtonsInFourGroups() {
        auto* toolBar = m_frame->findChild<QToolBar*>();
        QVERIFY(toolBar);
        QStringList layout;
        for (QAction* action : toolBar->actions()) {
            if (action->isSeparator()) {
                layout << QStringLiteral("|");
                continue;
            }
            auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action));
            QVERIFY(button);
            QVERIFY(!action->icon().pixmap(QSize(16, 15)).isNull());
            layout << QStringLiteral("%1 %2").arg(action->data().toInt()).arg(button->toolTip());
        }
        QCOMPARE(layout, (QStringList{"32771 New Game", "32774 Select Game", "32775 Restart Game",
                                      "|", "32773 Options", "32796 Statistics", "|",
                                      "32791 Card Color", "32792 BackGround Color",
                                      "32794 Default Color", "|", "57664 About"}));
        QCOMPARE(toolBar->iconSize(), QSize(16, 15));
        QVERIFY(toolBar->isMovable());
        QVERIFY(toolBar->isFloatable());
        QCOMPARE(toolBar->allowedAreas(), Qt::AllToolBarAreas);
        QCOMPARE(m_frame->toolBarArea(toolBar), Qt::TopToolBarArea);
    }

    void toolbarPicturesStaySharpOnAScreenOfTwiceTheDensity() {
        auto* toolBar = m_frame->findChild<QToolBar*>();
        QVERIFY(toolBar);
        for (QAction* action : toolBar->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            const QImage plain = action->icon().pixmap(QSize(16, 15), 1.0).toImage();
            const QImage dense = action->icon().pixmap(QSize(16, 15), 2.0).toImage();
            QCOMPARE(dense.size(), QSize(32, 30));
            for (int y = 0; y < dense.height(); ++y) {
                for (int x = 0; x < dense.width(); ++x) {
                    QCOMPARE(dense.pixel(x, y), plain.pixel(x / 2, y / 2));
                }
            }
        }
    }

    void dialogsShowTheirIconsDrawnForTheScreensDensity() {
        for (const int density : {1, 2, 4}) {
            QCOMPARE(Shown(ApplicationIcon(), density),
                     Drawn(QStringLiteral(":/icons/app-%1.png").arg(32 * density)));
        }
        QCOMPARE(Shown(QuestionIcon(), 2), Drawn(QStringLiteral(":/icons/211@2x.png")));
    }

    void statusBarShowsReadyAndTheLockKeyPanes() {
        QLabel* ready = Pane(QStringLiteral("Ready"));
        QVERIFY(ready);
        QVERIFY(ready->isVisible());
        int right = ready->geometry().right();
        for (const QString& name :
             {QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")}) {
            QLabel* pane = Pane(name);
            QVERIFY2(pane, qPrintable(name));
            QVERIFY(pane->isVisible());
            QVERIFY(pane->geometry().left() > right);
            right = pane->geometry().right();
        }
    }

    void hoveringACommandShowsItsPromptInsteadOfReady_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("new game") << command::kNewGame << "Starts a New Game";
        QTest::newRow("options") << command::kOptions << "Displays Options Dialog Box";
        QTest::newRow("select") << command::kSelectGame << "Selects a New Game";
        QTest::newRow("restart") << command::kRestartGame << "Restarts the Game";
        QTest::newRow("card colour") << command::kCardColor << "Sets the Card Color";
        QTest::newRow("background") << command::kBackgroundColor << "Sets the BackGround Color";
        QTest::newRow("default") << command::kDefaultColor
                                 << "Set Card and Background Color to Default";
        QTest::newRow("statistics") << command::kStatistics << "Displays Statistics Dialog Box";
        QTest::newRow("exit") << command::kExit
                              << "Quit the application; prompts to save documents";
    }

    void hoveringACommandShowsItsPromptInsteadOfReady() {
        QFETCH(int, id);
        QFETCH(QString, prompt);
        QAction* action = Command(id);
        QVERIFY(action);
        QCOMPARE(action->statusTip(), prompt);

        action->showStatusText(m_frame);
        QCOMPARE(m_frame->statusBar()->currentMessage(), prompt);
        QVERIFY(!Pane(QStringLiteral("Ready"))->isVisible());

        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(m_frame, &leave);
        QVERIFY(m_frame->statusBar()->currentMessage().isEmpty());
        QVERIFY(Pane(QStringLiteral("Ready"))->isVisible());
    }

    void viewMenuHidesAndShowsTheBars() {
        auto* toolBar = m_frame->findChild<QToolBar*>();
        QAction* toolBarItem = Command(command::kToggleToolBar);
        QAction* statusBarItem = Command(command::kToggleStatusBar);
        QVERIFY(toolBarItem->isCheckable() && toolBarItem->isChecked());
        QVERIFY(statusBarItem->isCheckable() && statusBarItem->isChecked());

        toolBarItem->trigger();
        QVERIFY(!toolBar->isVisible());
        toolBarItem->trigger();
        QVERIFY(toolBar->isVisible());

        // Closed some other way, the item follows.
        toolBar->close();
        QVERIFY(!toolBarItem->isChecked());
        toolBar->show();
        QVERIFY(toolBarItem->isChecked());

        statusBarItem->trigger();
        QVERIFY(!m_frame->statusBar()->isVisible());
        statusBarItem->trigger();
        QVERIFY(m_frame->statusBar()->isVisible());
    }

    void aboutOpensAModalBoxOwnedByTheMainWindowWithAnEvenTicker() {
        QWidget* owner = nullptr;
        bool evenTicker = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QWidget* about = QApplication::activeModalWidget();
            owner = about->parentWidget();
            // Spaces as wide as letters, so the sentence enters at the right edge.
            if (auto* ticker = about->findChild<QLabel*>(QString::number(control::kTicker))) {
                const QFontMetrics metrics = ticker->fontMetrics();
                evenTicker = metrics.horizontalAdvance(QString(19, QLatin1Char(' '))) ==
                             metrics.horizontalAdvance(QStringLiteral("Please feel free to"));
            }
            about->close();
        });
        Command(command::kAbout)->trigger();
        QCOMPARE(owner, m_frame);
        QVERIFY(evenTicker);
    }

    void exitClosesTheMainWindow() {
        Command(command::kExit)->trigger();
        QVERIFY(!m_frame->isVisible());
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
