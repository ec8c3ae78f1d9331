// Seeded random games on the real view widget: left clicks on every kind of
// place, double-clicks of both buttons, peeks (some ended while a card has been
// selected meanwhile) and ticks of automatic play, with every question answered
// at random. After each event the screen must hold exactly what a full repaint
// of the same table draws.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <random>

#include "app/view_widget.h"
#include "platform/dialog_host.h"
#include "play/dialog_answers.h"
#include "play/play_window.h"
#include "play/screen_checks.h"

using play::Spot;

namespace {
constexpr unsigned kSeeds[] = {1, 2, 3, 4, 5, 6};
constexpr int kEventsPerGame = 150;
constexpr int kAnswerEveryMs = 5;
constexpr int kMoveColumn = 1019;
constexpr int kMoveSingleCard = 1018;
constexpr int kLostSameGame = 1017;
constexpr int kWonNewGame = 1002;
}  // namespace

class MousePlayTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<PlayWindow> m_window;
    std::mt19937 m_random;

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
        switch (Roll(10)) {
            case 0:
                m_window->DoubleClick(Qt::LeftButton, AnyPlace());
                break;
            case 1:
                m_window->DoubleClick(Qt::RightButton, AnyPlace());
                break;
            case 2:
                Peek();
                break;
            case 3:
                // Ticks are given here, so that automatic play runs at known events.
                Game().OnTimer(kGameTimer);
                break;
            default:
                m_window->Click(AnyPlace());
                break;
        }
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
                            : PressButton(*dialog, choice == 0 ? kMoveColumn : kMoveSingleCard);
            } else if (ControlOf<QAbstractButton>(*dialog, kLostSameGame) != nullptr) {
                if (Roll(2) == 0) {
                    PressButton(*dialog, kLostSameGame);
                }
                PressButton(*dialog, IDOK);
            } else if (ControlOf<QAbstractButton>(*dialog, kWonNewGame) != nullptr) {
                PressButton(*dialog, kWonNewGame);
                PressButton(*dialog, IDOK);
            } else {
                dialog->accept();
            }
        });
        watch->start(kAnswerEveryMs);
    }

  private slots:
    void everyEventLeavesTheTableAsARepaintDrawsIt_data() {
        QTest::addColumn<unsigned>("seed");
        for (const unsigned seed : kSeeds) {
            QTest::addRow("seed %u", seed) << seed;
        }
    }

    void everyEventLeavesTheTableAsARepaintDrawsIt() {
        QFETCH(unsigned, seed);
        m_random.seed(seed);
        m_window = std::make_unique<PlayWindow>();
        QVERIFY(m_window->Started());
        m_window->SelectGame(1 + Roll(32000));
        AnswerDialogs();
        for (int event = 1; event <= kEventsPerGame; ++event) {
            Act();
            const QString mismatch = screen::RepaintMismatch(m_window->Table(), Game());
            QVERIFY2(mismatch.isEmpty(),
                     qPrintable(QStringLiteral("event %1: %2").arg(event).arg(mismatch)));
        }
        m_window.reset();
    }
};

QTEST_MAIN(MousePlayTest)
#include "mouse_play_test.moc"
