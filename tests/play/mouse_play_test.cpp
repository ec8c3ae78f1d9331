// Seeded random games on the real view widget: left clicks on every kind of
// place, moves the rules allow, double-clicks of both buttons, peeks (some
// with a left click while held) and ticks of automatic play, every question
// answered at random; some games start a move before a win. After each event
// the screen must hold exactly what a full repaint of the same table draws,
// and that repaint shows every card of the upper row whole.
#include <QAbstractButton>
#include <QPainter>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <random>

#include "app/dialogs/control_ids.h"
#include "app/qt_window_services.h"
#include "app/view_widget.h"
#include "core/table_text.h"
#include "platform/dialog_host.h"
#include "play/play_window.h"
#include "solver/headless_game.h"
#include "solver/search.h"

namespace {
// The table without the clock, redrawn only as it counts (its text starts
// between x = 295 and 307 and four digits end left of the home cells), and the
// move count box, which a repaint removes until the next button release.
QImage WithoutClockAndCount(QImage image) {
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(295, 9), QPoint(339, 33)), Qt::black);
    painter.fillRect(image.width() - 21, image.height() - 21, 21, 21, Qt::black);
    return image;
}

// Keeps the view's own timer ticks away: the test gives every tick itself, so
// that a seed always plays the same game.
class OwnTicksOnly : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::Timer && qobject_cast<QtWindowServices*>(watched);
    }
};
}  // namespace

class MousePlayTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PlayWindow> m_window;
    std::mt19937 m_random;
    OwnTicksOnly m_ticks;

    CSolView& Game() const { return m_window->Game(); }
    const QImage& Screen() const { return m_window->Table().DrawingSurface().Image(); }
    int Roll(int below) { return static_cast<int>(m_random() % static_cast<unsigned>(below)); }

    // A place a press may reach: a column's top card, a cell, or bare table.
    solver::Spot AnyPlace() {
        const int pick = Roll(17);
        return pick < 8    ? solver::ColumnSpot(Game(), pick)
               : pick < 12 ? solver::ReserveSpot(pick - 8)
               : pick < 16 ? solver::HomeSpot(pick - 12)
                           : solver::Spot{300, 100};
    }

    void Act() {
        CSolView& game = Game();
        if (game.m_bPlaying == 0) {
            // The ended game was left; the next one is dealt as a game start does.
            game.m_nNextGame = game.m_nReplayGame = 1 + Roll(32000);
            return game.StartGame();
        }
        const int roll = Roll(12);
        if (roll < 2) {
            // Through the window system, which delivers press, release, double-click and release.
            const solver::Spot at = AnyPlace();
            QTest::mouseDClick(m_window->Frame().windowHandle(),
                               roll ? Qt::LeftButton : Qt::RightButton, {},
                               m_window->Table().mapTo(&m_window->Frame(), QPoint(at.x, at.y)));
        } else if (roll == 2) {
            // The right button held on a covered card; a left click may come between.
            const int k = Roll(table::kColumns);
            const QPoint band(table::ColumnX(k) + 35,
                              table::RowY(game.m_nTop[k] > 0 ? Roll(game.m_nTop[k]) : 0) + 9);
            QTest::mousePress(&m_window->Table(), Qt::RightButton, {}, band);
            if (Roll(2) == 0) {
                m_window->Click(AnyPlace());
            }
            QTest::mouseRelease(&m_window->Table(), Qt::RightButton, {}, band);
        } else if (roll == 3) {
            game.OnTimer(kGameTimer);  // automatic play, the clock and the lost check
        } else if (roll < 6) {
            // A move the rules allow, after the selection is taken away: plain
            // random presses rarely move anything onto a column.
            if (game.m_nSelected >= kFirstReserveSelection) {
                m_window->Click(solver::ReserveSpot(game.m_nSelected - kFirstReserveSelection));
            } else if (game.m_nSelected != kNothingSelected) {
                m_window->Click(solver::ColumnSpot(game, game.m_nSelected - 1));
            }
            const auto moves = solver::LegalMoves(solver::PositionOf(game));
            if (!moves.empty()) {
                m_window->Play(moves[Roll(static_cast<int>(moves.size()))]);
            }
        } else {
            m_window->Click(AnyPlace());
        }
    }

    // The first card of the upper row that the screen does not show whole, or -1:
    // only the column it shares with a card in the next cell shows that card.
    int CellCardCut() {
        const CSolView& game = Game();
        for (int k = 0; k < table::kColumns && game.m_bPlaying != 0; ++k) {
            const Card& card = game.m_Cards[k][table::kCellRow];
            const bool nextHolds = k % table::kCells != table::kCells - 1 &&
                                   !(game.m_Cards[k + 1][table::kCellRow] == Card{});
            const QRect face(0, 0, table::kCardWidth - (nextHolds ? 1 : 0), table::kCardHeight);
            const int x = k < table::kCells ? table::ReserveX(k) : table::HomeX(k - table::kCells);
            const QImage art(QStringLiteral(":/bitmaps/%1.png").arg(CardCode(card)));
            if (!(card == Card{}) && game.m_nSelected != kFirstReserveSelection + k &&
                Screen().copy(face.translated(x, 0)) !=
                    art.convertToFormat(QImage::Format_RGB32).copy(face)) {
                return k;
            }
        }
        return -1;
    }

    // Every question the game asks meanwhile gets a random answer.
    void AnswerDialogs() {
        auto* watch = new QTimer(&m_window->Frame());
        connect(watch, &QTimer::timeout, watch, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                const int choice = Roll(3);
                for (const int id : {control::kSameGameCheck, control::kNewGameRadio}) {
                    if (ControlOf<QAbstractButton>(*dialog, id) != nullptr && Roll(2) == 0) {
                        PressButton(*dialog, id);
                    }
                }
                const int pick = dialog->windowTitle() != QStringLiteral("Select") ? IDOK
                                 : choice == 0 ? control::kMoveColumn
                                               : control::kMoveSingleCard;
                choice == 2 || !ControlOf<QAbstractButton>(*dialog, pick)
                    ? dialog->reject()
                    : PressButton(*dialog, pick);
            }
        });
        watch->start(5);
    }

  private slots:
    void cleanup() {
        QCoreApplication::instance()->removeEventFilter(&m_ticks);
        m_window.reset();
    }

    void everyEventLeavesTheTableAsARepaintDrawsIt_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 1; seed <= 10; ++seed) {
            QTest::addRow("seed %u", seed) << seed;
        }
    }
    void everyEventLeavesTheTableAsARepaintDrawsIt() {
        QFETCH(unsigned, seed);
        m_random.seed(seed);
        m_window = std::make_unique<PlayWindow>();
        QVERIFY(m_window->Started());
        QCoreApplication::instance()->installEventFilter(&m_ticks);
        m_window->SelectGame(1 + Roll(32000));
        if (seed > 7) {
            // All but the Kings home, each alone on a column: one move before a win.
            Lay(Game(), {.homes = "QC QS QH QD", .columns = "KC|KS|KH|KD"});
            Game().OnPaint();
        }
        AnswerDialogs();
        for (int event = 1; event <= 150; ++event) {
            Act();
            const QImage shown = WithoutClockAndCount(Screen().copy());
            Game().OnPaint();
            QVERIFY2(
                shown == WithoutClockAndCount(Screen().copy()),
                qPrintable(QStringLiteral("event %1 left other pixels than a repaint").arg(event)));
            QVERIFY2(CellCardCut() < 0,
                     qPrintable(QStringLiteral("event %1: a cell's card cut").arg(event)));
        }
    }
};

QTEST_MAIN(MousePlayTest)
#include "mouse_play_test.moc"
