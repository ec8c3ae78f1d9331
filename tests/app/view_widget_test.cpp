// The view widget between Qt and the game: mouse messages in the game's
// order with client coordinates, and a full repaint after each resize.
#include <QMouseEvent>
#include <QtTest>

#include "app/view_widget.h"
#include "fakes/fake_platform.h"
#include "game/sol_view.h"

namespace {
const QPoint kColumn1(40, 250);      // on the top card of the first column of a fresh deal
const QPoint kColumn1Row2(40, 150);  // the visible band of that column's third card

void MoveMouse(QWidget* widget, QPoint to) {
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
}  // namespace

class ViewWidgetTest : public QObject {
    Q_OBJECT

  private:
    // A game drawn on the real widget, the rest of its platform faked.
    struct Game {
        ViewWidget widget;
        CSolDoc doc;
        FakeWindow window;
        ScriptedDialogs dialogs;
        MemoryProfile profile;
        CSolView view{doc, Platform{widget.DrawingSurface(), window, dialogs, profile}};

        Game() {
            widget.SetView(view);
            widget.resize(632, 407);
            widget.show();
            view.m_nNextGame = view.m_nReplayGame = 1;
            view.StartGame();
        }
    };

  private slots:
    // A double-click reaches the handler of its own button after its first
    // press and release: the left one sends the selected top card (a King, which
    // the right one cannot send home) to the first reserve cell.
    void aDoubleClickArrivesAfterItsFirstPressAndRelease_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("topAfter");
        QTest::newRow("left") << Qt::LeftButton << 5;
        QTest::newRow("right") << Qt::RightButton << 6;
    }
    void aDoubleClickArrivesAfterItsFirstPressAndRelease() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, topAfter);
        Game game;
        QVERIFY(QTest::qWaitForWindowExposed(&game.widget));
        game.view.m_Rclk = 1;
        QCOMPARE(game.view.m_nTop[0], 6);
        QTest::mousePress(&game.widget, button, {}, kColumn1);
        QTest::mouseRelease(&game.widget, button, {}, kColumn1);
        QTest::mouseDClick(&game.widget, button, {}, kColumn1);
        QTest::mouseRelease(&game.widget, button, {}, kColumn1);
        QCOMPARE(game.view.m_nTop[0], topAfter);
        QCOMPARE(game.view.m_bCellUsed[0], 6 - topAfter);
        QCOMPARE(game.view.m_nSelected, 0);
    }

    void theRightButtonShowsACoveredCardWhileHeld() {
        Game game;
        QVERIFY(QTest::qWaitForWindowExposed(&game.widget));

        QTest::mousePress(&game.widget, Qt::RightButton, {}, kColumn1Row2);
        QCOMPARE(game.view.m_bPeeking, 1);
        QCOMPARE(game.view.m_nPeekRow, 2);
        QTest::mouseRelease(&game.widget, Qt::RightButton, {}, kColumn1Row2);
        QCOMPARE(game.view.m_bPeeking, 0);
    }

    void pointerMovesReachTheGameInClientCoordinates() {
        Game game;
        MoveMouse(&game.widget, QPoint(311, 300));
        QCOMPARE(game.view.m_bPointerRight, 1);
        MoveMouse(&game.widget, QPoint(310, 300));
        QCOMPARE(game.view.m_bPointerRight, 0);
    }

    void aResizeRepaintsTheWholeTableOnANewImage() {
        Game game;
        QVERIFY(QTest::qWaitForWindowExposed(&game.widget));
        game.widget.resize(700, 500);
        QTRY_COMPARE(game.widget.DrawingSurface().Image().size(), QSize(700, 500));
        // The outline of the first reserve cell and the deal's cards are back.
        QCOMPARE(game.widget.DrawingSurface().Image().pixel(0, 50) | 0xff000000,
                 qRgb(255, 255, 127));
        QVERIFY(game.widget.DrawingSurface().Image().pixel(40, 300) !=
                game.widget.DrawingSurface().Image().pixel(40, 400));
    }
};

QTEST_MAIN(ViewWidgetTest)
#include "view_widget_test.moc"
