// Seeded random games on the real view widget: left clicks on every kind of
// place, moves the rules allow, double-clicks of both buttons, peeks (some
// with a left click while held) and ticks of automatic play, every question
// answered at random; some games start a move before a win. After each event
// the screen must hold exactly what a full repaint of the same table draws,
// and that repaint shows every card of the upper row whole.
#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <random>

#include "app/dialogs/control_ids.h"
#include "app/qt_window_services.h"
#include "app/view_widget.h"
#include "game/sol_view.h"
#include "platform/dialog_host.h"
#include "play/dialog_answers.h"
#include "play/play_window.h"
#include "solver/headless_game.h"
#include "solver/search.h"

using solver::Spot;

namespace {
// All but the Kings home, each King alone on a column: one move before a win.
void LayOutNearlyWon(CSolView& game) {
    for (auto& column : game.m_Cards) {
        std::ranges::fill(column, Card{});
    }
    std::ranges::fill(game.m_nTop, -1);
    std::ranges::fill(game.m_bCellUsed, 0);
    game.m_nSelected = kNothingSelected;
    game.m_bMouseDown = 0;
    for (int suit = 0; suit < table::kCells; ++suit) {
        game.m_Cards[suit][game.m_nTop[suit] = 0] = Card{13, suit};
        game.m_Cards[table::kCells + suit][table::kCellRow] = Card{12, suit};
    }
    game.OnPaint();
}

// The clock is redrawn only as it counts (its text starts between x = 295 and
// 307 and four digits end left of the home cells); a repaint removes the move
// count box at the bottom right until the next button release.
void BlankLeftOut(QImage& image) {
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(295, 9), QPoint(339, 33)), Qt::black);
    painter.fillRect(image.width() - 21, image.height() - 21, 21, 21, Qt::black);
}

// Repaints the whole table and compares it with what the table showed before:
// every drawing must leave the pixels a full repaint draws. Empty when all
// match, else the first differing pixel.
QString RepaintMismatch(ViewWidget& table, CSolView& game) {
    QImage before = table.DrawingSurface().Image().copy();
    game.OnPaint();
    QImage after = table.DrawingSurface().Image().copy();
    BlankLeftOut(before);
    BlankLeftOut(after);
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if ((before.pixel(x, y) ^ after.pixel(x, y)) & 0xffffff) {
                return QStringLiteral("pixel (%1,%2) is #%3, a repaint draws #%4")
                    .arg(x)
                    .arg(y)
                    .arg(before.pixel(x, y) & 0xffffff, 6, 16, QLatin1Char('0'))
                    .arg(after.pixel(x, y) & 0xffffff, 6, 16, QLatin1Char('0'));
            }
        }
    }
    return {};
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
    int Roll(int below) { return static_cast<int>(m_random() % static_cast<unsigned>(below)); }

    // A place a press may reach: a column's top card, a cell, or bare table.
    Spot AnyPlace() {
        const int pick = Roll(17);
        if (pick < 8) {
            return solver::ColumnSpot(Game(), pick);
        }
        if (pick < 12) {
            return solver::ReserveSpot(pick - 8);
        }
        return pick < 16 ? solver::HomeSpot(pick - 12) : Spot{300, 100};
    }

    // A move the rules allow, pressed after the selection is taken away:
    // plain random presses rarely move anything onto a column.
    void AllowedMove() {
        const int selected = Game().m_nSelected;
        if (selected >= kFirstReserveSelection) {
            m_window->Click(solver::ReserveSpot(selected - kFirstReserveSelection));
        } else if (selected != kNothingSelected) {
            m_window->Click(solver::ColumnSpot(Game(), selected - 1));
        }
        const auto moves = solver::LegalMoves(solver::PositionOf(Game()));
        if (!moves.empty()) {
            m_window->Play(moves[Roll(static_cast<int>(moves.size()))]);
        }
    }

    // The right button held on a covered card; a left click may come between.
    void Peek() {
        const int k = Roll(table::kColumns);
        const int top = Game().m_nTop[k];
        const QPoint band(table::ColumnX(k) + 35, table::RowY(top > 0 ? Roll(top) : 0) + 9);
        QTest::mousePress(&m_window->Table(), Qt::RightButton, {}, band);
        if (Roll(2) == 0) {
            m_window->Click(AnyPlace());
        }
        QTest::mouseRelease(&m_window->Table(), Qt::RightButton, {}, band);
    }

    void Act() {
        if (Game().m_bPlaying == 0) {
            // The ended game was left; the next one is dealt as a game start does.
            Game().m_nNextGame = Game().m_nReplayGame = 1 + Roll(32000);
            Game().StartGame();
            return;
        }
        switch (Roll(12)) {
            case 0:
            case 1: {
                // Through the window system, which delivers press, release,
                // double-click and release.
                const Spot at = AnyPlace();
                const QPoint inWindow =
                    m_window->Table().mapTo(&m_window->Frame(), QPoint(at.x, at.y));
                QTest::mouseDClick(m_window->Frame().windowHandle(),
                                   Roll(2) == 0 ? Qt::LeftButton : Qt::RightButton, {}, inWindow);
                break;
            }
            case 2:
                Peek();
                break;
            case 3:
                // The only ticks: automatic play, the clock and the lost check.
                Game().OnTimer(kGameTimer);
                break;
            case 4:
            case 5:
                AllowedMove();
                break;
            default:
                m_window->Click(AnyPlace());
                break;
        }
    }

    // A card of the upper row on the screen that is not its whole face: only
    // the column it shares with a card in the next cell shows that card.
    QString CellCardCut() const {
        const CSolView& game = Game();
        for (int k = 0; k < table::kColumns && game.m_bPlaying != 0; ++k) {
            const Card& card = game.m_Cards[k][table::kCellRow];
            if (card == Card{} || game.m_nSelected == kFirstReserveSelection + k) {
                continue;
            }
            const bool nextHolds = k % table::kCells != table::kCells - 1 &&
                                   !(game.m_Cards[k + 1][table::kCellRow] == Card{});
            const int x = k < table::kCells ? table::ReserveX(k) : table::HomeX(k - table::kCells);
            const QRect face(0, 0, table::kCardWidth - (nextHolds ? 1 : 0), table::kCardHeight);
            if (m_window->Table().DrawingSurface().Image().copy(face.translated(x, 0)) !=
                QImage(QStringLiteral(":/bitmaps/%1.png").arg(CardCode(card)))
                    .convertToFormat(QImage::Format_RGB32)
                    .copy(face)) {
                return QStringLiteral("cell %1 does not show its card whole").arg(k);
            }
        }
        return {};
    }

    // Every question the game asks meanwhile gets a random answer.
    void AnswerDialogs() {
        auto* watch = new QTimer(&m_window->Frame());
        connect(watch, &QTimer::timeout, watch, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            const int choice = Roll(3);
            const int pick = dialog->windowTitle() == QStringLiteral("Select")
                                 ? (choice == 0 ? control::kMoveColumn : control::kMoveSingleCard)
                                 : IDOK;
            for (const int id : {control::kSameGameCheck, control::kNewGameRadio}) {
                if (ControlOf<QAbstractButton>(*dialog, id) != nullptr && Roll(2) == 0) {
                    PressButton(*dialog, id);
                }
            }
            choice == 2 || ControlOf<QAbstractButton>(*dialog, pick) == nullptr
                ? dialog->reject()
                : PressButton(*dialog, pick);
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
            LayOutNearlyWon(Game());
        }
        AnswerDialogs();
        for (int event = 1; event <= 150; ++event) {
            Act();
            const QString mismatch = RepaintMismatch(m_window->Table(), Game()) + CellCardCut();
            QVERIFY2(mismatch.isEmpty(),
                     qPrintable(QStringLiteral("event %1: %2").arg(event).arg(mismatch)));
        }
    }
};

QTEST_MAIN(MousePlayTest)
#include "mouse_play_test.moc"
