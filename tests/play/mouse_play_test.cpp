// Seeded random games on the real view widget: left clicks on every kind of
// place, double-clicks of both buttons, peeks (some ended while a card has been
// selected meanwhile) and ticks of automatic play, with every question answered
// at random; some games start a move or two before a win or a loss. After each
// event the screen must hold exactly what a full repaint of the same table
// draws, and that repaint shows every card of the upper row whole.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "app/dialogs/control_ids.h"
#include "app/qt_window_services.h"
#include "app/view_widget.h"
#include "platform/dialog_host.h"
#include "play/dialog_answers.h"
#include "play/play_window.h"
#include "play/screen_checks.h"
#include "play/table_position.h"

using play::Spot;

namespace {
enum class Start { kDealt, kNearlyWon, kNearlyLost };
constexpr std::pair<unsigned, Start> kGames[] = {{1, Start::kDealt},      {2, Start::kDealt},
                                                 {3, Start::kDealt},      {4, Start::kDealt},
                                                 {5, Start::kDealt},      {6, Start::kDealt},
                                                 {7, Start::kNearlyWon},  {8, Start::kNearlyWon},
                                                 {9, Start::kNearlyLost}, {10, Start::kNearlyLost}};
constexpr int kEventsPerGame = 150;
constexpr int kAnswerEveryMs = 5;

// All but the Kings home, each King alone on one of the first four columns.
play::Position NearlyWon() {
    play::Position position;
    for (int suit = 0; suit < table::kCells; ++suit) {
        position.cards[table::kCells + suit][table::kCellRow] = Card{12, suit};
        position.cards[suit][0] = Card{13, suit};
        position.top[suit] = 0;
        position.top[table::kCells + suit] = -1;
    }
    return position;
}

// Only black cards on the column tops and in the reserve cells, home cells
// empty: not one move is left, and none of the tops is an Ace.
play::Position NearlyLost() {
    play::Position position;
    int under = 0;
    for (int code = 1; code <= 52; ++code) {
        const Card card{(code - 1) % 13 + 1, (code - 1) / 13};
        const int rank = card.nRank;
        if (card.nSuit < 2 && rank >= 2 && rank <= 3) {
            const int cell = 2 * card.nSuit + rank - 2;
            position.cards[cell][table::kCellRow] = card;
            position.cellUsed[cell] = 1;
        } else if (card.nSuit < 2 && rank >= 4 && rank <= 7) {
            position.cards[4 * card.nSuit + rank - 4][5] = card;
        } else {
            position.cards[under % table::kColumns][under / table::kColumns] = card;
            ++under;
        }
    }
    std::ranges::fill(position.top, 5);
    return position;
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
            return play::ColumnSpot(Game(), pick);
        }
        if (pick < 12) {
            return play::ReserveSpot(pick - 8);
        }
        return pick < 16 ? play::HomeSpot(pick - 12) : play::kBareTable;
    }

    void Press(Qt::MouseButton button, Spot at) {
        QTest::mousePress(&m_window->Table(), button, {}, QPoint(at.x, at.y));
    }
    void Release(Qt::MouseButton button, Spot at) {
        QTest::mouseRelease(&m_window->Table(), button, {}, QPoint(at.x, at.y));
    }

    // How many cards from the top of column s would go onto column t: the
    // length of the run whose lowest card fits on t's top card, 0 if none.
    int RunOnto(int s, int t) const {
        const CSolView& game = Game();
        for (int length = 1; length <= 5 && game.m_nTop[s] - length + 1 >= 0; ++length) {
            const int lowest = game.m_nTop[s] - length + 1;
            if (length > 1 && !FitsOn(game.m_Cards[s][lowest + 1], game.m_Cards[s][lowest])) {
                return 0;
            }
            if (game.m_nTop[t] >= 0 &&
                FitsOn(game.m_Cards[s][lowest], game.m_Cards[t][game.m_nTop[t]])) {
                return length;
            }
        }
        return 0;
    }

    // A press on a column and one on a column it has cards for, or on an
    // empty column, or from a reserve cell: plain random presses rarely move
    // anything onto a column.
    void MoveOntoAColumn() {
        // A press on the selected place takes the selection away first.
        const int selected = Game().m_nSelected;
        if (selected >= kFirstReserveSelection) {
            m_window->Click(play::ReserveSpot(selected - kFirstReserveSelection));
        } else if (selected != kNothingSelected) {
            m_window->Click(play::ColumnSpot(Game(), selected - 1));
        }
        std::vector<std::pair<Spot, Spot>> moves;
        for (int s = 0; s < table::kColumns; ++s) {
            for (int t = 0; t < table::kColumns; ++t) {
                const bool empty = Game().m_nTop[t] < 0;
                if (s != t && Game().m_nTop[s] >= 0 && (empty || RunOnto(s, t) > 0)) {
                    moves.emplace_back(play::ColumnSpot(Game(), s), play::ColumnSpot(Game(), t));
                }
            }
        }
        for (int j = 0; j < table::kCells; ++j) {
            for (int t = 0; t < table::kColumns; ++t) {
                const Card& card = Game().m_Cards[j][table::kCellRow];
                const int top = Game().m_nTop[t];
                if (!(card == Card{}) && (top < 0 || FitsOn(card, Game().m_Cards[t][top]))) {
                    moves.emplace_back(play::ReserveSpot(j), play::ColumnSpot(Game(), t));
                }
            }
        }
        if (moves.empty()) {
            return;
        }
        const auto [from, to] = moves[Roll(static_cast<int>(moves.size()))];
        m_window->Click(from);
        m_window->Click(to);
    }

    // The right button held on a covered card; a left click may come between.
    void Peek() {
        const int k = Roll(table::kColumns);
        const int top = Game().m_nTop[k];
        const Spot band{table::ColumnX(k) + 35, table::RowY(top > 0 ? Roll(top) : 0) + 9};
        Press(Qt::RightButton, band);
        if (Roll(2) == 0) {
            m_window->Click(AnyPlace());
        }
        Release(Qt::RightButton, band);
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
                m_window->DoubleClick(Qt::LeftButton, AnyPlace());
                break;
            case 1:
                m_window->DoubleClick(Qt::RightButton, AnyPlace());
                break;
            case 2:
                Peek();
                break;
            case 4:
            case 5:
                MoveOntoAColumn();
                break;
            case 3:
                // The only ticks: automatic play, the clock and the lost check.
                Game().OnTimer(kGameTimer);
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
        for (int k = 0; k < table::kColumns; ++k) {
            const Card& card = game.m_Cards[k][table::kCellRow];
            if (game.m_bPlaying == 0 || card == Card{} ||
                game.m_nSelected == kFirstReserveSelection + k) {
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
            const QString title = dialog->windowTitle();
            if (title == QStringLiteral("Select")) {
                const int choice = Roll(3);
                choice == 2 ? dialog->reject()
                            : PressButton(*dialog, choice == 0 ? control::kMoveColumn
                                                               : control::kMoveSingleCard);
            } else if (ControlOf<QAbstractButton>(*dialog, control::kSameGameCheck) != nullptr) {
                const int choice = Roll(3);
                if (choice == 0) {
                    PressButton(*dialog, control::kSameGameCheck);
                }
                choice == 2 ? dialog->reject() : PressButton(*dialog, IDOK);
            } else if (ControlOf<QAbstractButton>(*dialog, control::kNewGameRadio) != nullptr) {
                PressButton(*dialog, control::kNewGameRadio);
                Roll(3) == 0 ? PressButton(*dialog, IDOK) : dialog->reject();
            } else {
                dialog->accept();
            }
        });
        watch->start(kAnswerEveryMs);
    }

  private slots:
    void cleanup() {
        QCoreApplication::instance()->removeEventFilter(&m_ticks);
        m_window.reset();
    }

    void everyEventLeavesTheTableAsARepaintDrawsIt_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<Start>("start");
        for (const auto& [seed, start] : kGames) {
            QTest::addRow("seed %u", seed) << seed << start;
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
            play::Restore(Game(), start == Start::kNearlyWon ? NearlyWon() : NearlyLost());
            Game().OnPaint();
        }
        AnswerDialogs();
        for (int event = 1; event <= kEventsPerGame; ++event) {
            Act();
            const QString mismatch = screen::RepaintMismatch(m_window->Table(), Game());
            QVERIFY2(mismatch.isEmpty(),
                     qPrintable(QStringLiteral("event %1: %2").arg(event).arg(mismatch)));
            const QString cut = CellCardCut();
            QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("event %1: %2").arg(event).arg(cut)));
        }
    }
};

QTEST_MAIN(MousePlayTest)
#include "mouse_play_test.moc"
