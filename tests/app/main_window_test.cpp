// The main window as the program starts it, what each menu item and toolbar
// button runs, and the window services the game calls.
#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <vector>

#include "app/icons/program_icons.h"
#include "app/qt_window_services.h"
#include "play/dialog_answers.h"
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

// A view that counts how often it is painted.
class CountingView : public QWidget {
  public:
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PlayWindow> m_window;
    QWidget m_main;
    CountingView* m_view = new CountingView;
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

    // Toolbar and dialog pictures are drawn for denser screens pixel by pixel.
    void picturesStaySharpOnDenserScreens() {
        const auto shown = [](const QIcon& icon, QSize size, int density) {
            QImage image = icon.pixmap(size, density).toImage();
            image.setDevicePixelRatio(1);
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        for (QAction* action : Frame().findChild<QToolBar*>()->actions()) {
            QCOMPARE(shown(action->icon(), {16, 15}, 2),
                     shown(action->icon(), {16, 15}, 1).scaled(32, 30));
        }
        QCOMPARE(
            shown(ApplicationIcon(), {32, 32}, 4),
            QImage(":/icons/app-128.png").convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    // A prompt takes the "Ready" pane, left of the lock key panes, until the
    // pointer leaves; the View menu hides the bars, and follows the toolbar.
    void statusPanesAndTheViewMenu() {
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

        auto* toolBar = Frame().findChild<QToolBar*>();
        MenuItem(Frame().menuBar(), QStringLiteral("&Tool Bar"))->trigger();
        QVERIFY(!toolBar->isVisible());
        toolBar->show();
        QVERIFY(MenuItem(Frame().menuBar(), QStringLiteral("&Tool Bar"))->isChecked());
        MenuItem(Frame().menuBar(), QStringLiteral("&Statusbar"))->trigger();
        QVERIFY(!Frame().statusBar()->isVisible());
    }

    // Timers tick with their own ids; one set again while running starts over.
    // The pointer shapes; a wait shows the drawing first.
    void timersPointersAndWaits() {
        std::vector<int> ticks;
        m_services.SetTimerHandler([&](int id) {
            ticks.push_back(id);
            m_services.KillTimer(id);
        });
        m_services.SetTimer(0, 5);
        m_services.SetTimer(1, 50);
        m_services.SetTimer(0, 3'600'000);  // would have ticked first at 5 ms
        QTRY_VERIFY(!ticks.empty());
        m_services.KillTimer(0);
        QCOMPARE(ticks, std::vector<int>{1});

        for (const auto& [pointer, hotSpot] : {std::pair{kDropCursor, QPoint(13, 25)},
                                               {kEmptyCursor, QPoint(14, 6)},
                                               {kArrowCursor, QPoint(-1, -1)}}) {
            m_services.SetPointer(pointer);
            QCOMPARE(m_view->cursor().hotSpot(), hotSpot.x() < 0 ? QPoint() : hotSpot);
            QCOMPARE(m_view->cursor().shape(),
                     hotSpot.x() < 0 ? Qt::ArrowCursor : Qt::BitmapCursor);
        }

        m_view->update();
        const int before = m_view->paints;
        m_services.Sleep(1);  // no event loop runs in between
        QCOMPARE(m_view->paints, before + 1);
    }

    // A plain box with one OK button, owned by the window.
    void messageBoxHasOneOkButton() {
        AnswerNext(QStringLiteral("Game Number"), [&](QDialog& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            QVERIFY(box && box->buttons().size() == 1 && box->icon() == QMessageBox::NoIcon);
            QCOMPARE(box->text(), QStringLiteral("0"));
            QCOMPARE(box->parentWidget(), &m_main);
            box->button(QMessageBox::Ok)->click();
        });
        m_services.MessageBox("0", "Game Number");
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
