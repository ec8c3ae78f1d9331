// Seeded random games on the real view widget: left clicks on every kind of
// place, moves the rules allow, double-clicks of both buttons, peeks (some
// with a left click while held) and ticks of automatic play, every question
// answered at random; some games start a move or two before a win or a loss.
// After each event the screen must hold exactly what a full repaint of the same
// table draws, and that repaint shows every card of the upper row whole.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <random>

#include "app/dialogs/control_ids.h"
#include "app/qt_window_services.h"
#include "app/view_widget.h"
#include "platform/dialog_host.h"
#include "play/dialog_answers.h"
#include "play/play_window.h"
#include "play/screen_checks.h"
#include "solver/headless_game.h"
#include "solver/search.h"

using solver::Spot;

namespace {
enum class Start { kDealt, kNearlyWon, kNearlyLost };
constexpr int kEventsPerGame = 150;

// Lays `card` on column k, or in cell j of the upper row when k < 0.
void Lay(CSolView& game, Card card, int k, int j = 0) {
    if (k < 0) {
        game.m_Cards[j][table::kCellRow] = card;
        if (j < table::kCells) {
            game.m_bCellUsed[j] = 1;
        }
        return;
    }
    game.m_Cards[k][++game.m_nTop[k]] = card;
}

// All but the Kings home, each King alone on a column; or only black cards on
// the column tops and in the reserve cells, home empty: no move left.
void LayOut(CSolView& game, Start start) {
    for (auto& column : game.m_Cards) {
        std::ranges::fill(column, Card{});
    }
    std::ranges::fill(game.m_nTop, -1);
    std::ranges::fill(game.m_bCellUsed, 0);
    game.m_nSelected = kNothingSelected;
    game.m_bMouseDown = 0;
    int under = 0;
    for (int code = 1; code <= 52; ++code) {
        const Card card{(code - 1) % 13 + 1, (code - 1) / 13};
        const bool blackLow = card.nSuit < 2 && card.nRank <= 7 && card.nRank >= 2;
        if (start == Start::kNearlyWon) {
            card.nRank == 13 ? Lay(game, card, card.nSuit)
                             : Lay(game, Card{12, card.nSuit}, -1, table::kCells + card.nSuit);
        } else if (!blackLow) {
            Lay(game, card, under++ % table::kColumns);
        }
    }
    for (int code = 1; start == Start::kNearlyLost && code <= 26; ++code) {
        const Card card{(code - 1) % 13 + 1, (code - 1) / 13};
        if (card.nRank >= 4 && card.nRank <= 7) {
            Lay(game, card, 4 * card.nSuit + card.nRank - 4);
        } else if (card.nRank == 2 || card.nRank == 3) {
            Lay(game, card, -1, 2 * card.nSuit + card.nRank - 2);
        }
    }
    game.OnPaint();
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

  private:
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
            case 1:
                m_window->DoubleClick(Roll(2) == 0 ? Qt::LeftButton : Qt::RightButton, AnyPlace());
                break;
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
            const QImage face =
                screen::CardFace(CardCode(card))
                    .copy(0, 0, table::kCardWidth - (nextHolds ? 1 : 0), table::kCardHeight);
            const QString mismatch =
                screen::Mismatch(m_window->Table().DrawingSurface().Image(), QPoint(x, 0), face);
            if (!mismatch.isEmpty()) {
                return QStringLiteral("cell %1: %2").arg(k).arg(mismatch);
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
        QTest::addColumn<Start>("start");
        for (unsigned seed = 1; seed <= 10; ++seed) {
            QTest::addRow("seed %u", seed) << seed
                                           << (seed < 7   ? Start::kDealt
                                               : seed < 9 ? Start::kNearlyWon
                                                          : Start::kNearlyLost);
        }
    }

    void everyEventLeavesTheTableAsARepaintDrawsIt() {
        QFETCH(unsigned, seed);
        QFETCH(Start, start);
        m_random.seed(seed);
        m_window = std::make_unique<PlayWindow>();
        QVERIFY(m_window->Started());
        QCoreApplication::instance()->installEventFilter(&m_ticks);
        m_window->SelectGame(1 + Roll(32000));
        if (start != Start::kDealt) {
            LayOut(Game(), start);
        }
        AnswerDialogs();
        for (int event = 1; event <= kEventsPerGame; ++event) {
            Act();
            QString mismatch = screen::RepaintMismatch(m_window->Table(), Game());
            mismatch += CellCardCut();
            QVERIFY2(mismatch.isEmpty(),
                     qPrintable(QStringLiteral("event %1: %2").arg(event).arg(mismatch)));
        }
    }
};

QTEST_MAIN(MousePlayTest)
#include "mouse_play_test.moc"
