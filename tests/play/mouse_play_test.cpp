// Moves made with real mouse events on the view widget of game 3. After each
// one the table holds what it should, and the screen shows exactly what a full
// repaint draws.
//
// Game 3, each column from its first card to its top card:
//   1: JH 4D KD 4C KS QD 10D   2: 2C 2D 6C JD 6D 7H 9H   3: 7C 2H 3D 6S KC AS 9D
//   4: 5H 4S 6H 2S 8H 5C KH    5: 10H 8S QS 9S 8C 5D     6: 7D AD 8D 3C 10S 4H
//   7: 3H 9C AC 7S 5S JS       8: 3S JC QC QH 10C AH
#include <QtTest>
#include <memory>

#include "app/view_widget.h"
#include "play/play_window.h"
#include "play/screen_checks.h"

using play::ColumnSpot;
using play::HomeSpot;
using play::ReserveSpot;

// Cards in failure messages as "rank,suit".
char* toString(const Card& card) {
    return QTest::toString(QStringLiteral("%1,%2").arg(card.nRank).arg(card.nSuit));
}

namespace {
constexpr int kGame = 3;
constexpr int kClubs = 0;
constexpr int kSpades = 1;
constexpr int kHearts = 2;
constexpr int kDiamonds = 3;
constexpr int kSettleMs = 5000;
}  // namespace

class MousePlayTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<PlayWindow> m_window;

    CSolView& Game() const { return m_window->Game(); }
    Card TopCard(int k) const { return Game().m_Cards[k][Game().m_nTop[k]]; }
    Card ReserveCard(int cell) const { return Game().m_Cards[cell][table::kCellRow]; }
    Card HomeCard(int suit) const { return Game().m_Cards[table::kCells + suit][table::kCellRow]; }
    // A card moved by pressing on it, then on where it goes.
    void Move(play::Spot from, play::Spot to) const {
        m_window->Click(from);
        m_window->Click(to);
    }

  private slots:
    void init() {
        m_window = std::make_unique<PlayWindow>();
        QVERIFY(m_window->Started());
        m_window->SelectGame(kGame);
    }
    void cleanup() { m_window.reset(); }

    void pressesMoveCardsHomeToCellsBackAndRunsAcross() {
        // Selected: the top card shows inverted, and a repaint marks it again.
        m_window->Click(ColumnSpot(Game(), 7));
        QCOMPARE(Game().m_nSelected, 8);
        VERIFY_SCREEN_AS_REPAINTED(m_window->Table(), Game());

        // Column 8's Ace of hearts home; automatic play is still off, so
        // nothing else has moved.
        m_window->Click(HomeSpot(kHearts));
        QCOMPARE(HomeCard(kHearts), (Card{1, kHearts}));
        QCOMPARE(Game().m_nTop[7], 4);
        QCOMPARE(TopCard(7), (Card{10, kClubs}));
        QCOMPARE(Game().m_nSelected, kNothingSelected);
        VERIFY_SCREEN_AS_REPAINTED(m_window->Table(), Game());

        // Column 3's Nine of diamonds into reserve cell 0 uncovers the Ace of
        // spades, which automatic play takes home at a later tick.
        Move(ColumnSpot(Game(), 2), ReserveSpot(0));
        QCOMPARE(ReserveCard(0), (Card{9, kDiamonds}));
        QCOMPARE(Game().m_bCellUsed[0], 1);
        QCOMPARE(TopCard(2), (Card{1, kSpades}));
        VERIFY_SCREEN_AS_REPAINTED(m_window->Table(), Game());
        QTRY_COMPARE_WITH_TIMEOUT(HomeCard(kSpades), (Card{1, kSpades}), kSettleMs);
        QCOMPARE(TopCard(2), (Card{13, kClubs}));
        VERIFY_SCREEN_AS_REPAINTED(m_window->Table(), Game());

        // The reserve card onto column 8's Ten of clubs.
        Move(ReserveSpot(0), ColumnSpot(Game(), 7));
        QCOMPARE(TopCard(7), (Card{9, kDiamonds}));
        QCOMPARE(Game().m_nTop[7], 5);
        QCOMPARE(ReserveCard(0), Card{});
        QCOMPARE(Game().m_bCellUsed[0], 0);
        VERIFY_SCREEN_AS_REPAINTED(m_window->Table(), Game());

        // Column 1's Ten of diamonds onto column 7's Jack of spades.
        Move(ColumnSpot(Game(), 0), ColumnSpot(Game(), 6));
        QCOMPARE(TopCard(6), (Card{10, kDiamonds}));
        QCOMPARE(TopCard(0), (Card{12, kDiamonds}));
        VERIFY_SCREEN_AS_REPAINTED(m_window->Table(), Game());

        // Jack of spades and Ten of diamonds together onto the Queen of
        // diamonds, the Ten parked in reserve cell 0 on the way.
        Move(ColumnSpot(Game(), 6), ColumnSpot(Game(), 0));
        QCOMPARE(Game().m_nTop[0], 7);
        QCOMPARE(Game().m_Cards[0][6], (Card{11, kSpades}));
        QCOMPARE(Game().m_Cards[0][7], (Card{10, kDiamonds}));
        QCOMPARE(TopCard(6), (Card{5, kSpades}));
        QCOMPARE(Game().m_bCellUsed[0], 0);
        QCOMPARE(Game().m_nSelected, kNothingSelected);
        VERIFY_SCREEN_AS_REPAINTED(m_window->Table(), Game());
    }

    void aLeftDoubleClickSendsTheTopCardToTheLowestFreeCell() {
        Move(ColumnSpot(Game(), 0), ReserveSpot(0));
        Move(ColumnSpot(Game(), 1), ReserveSpot(2));
        // Automatic play takes column 8's Ace of hearts home meanwhile.
        QTRY_COMPARE_WITH_TIMEOUT(HomeCard(kHearts), (Card{1, kHearts}), kSettleMs);

        m_window->DoubleClick(Qt::LeftButton, ColumnSpot(Game(), 3));
        QCOMPARE(ReserveCard(1), (Card{13, kHearts}));
        QCOMPARE(Game().m_bCellUsed[1], 1);
        QCOMPARE(TopCard(3), (Card{5, kClubs}));
        QCOMPARE(Game().m_nSelected, kNothingSelected);
        VERIFY_SCREEN_AS_REPAINTED(m_window->Table(), Game());
    }

    void aRightDoubleClickSendsADueCardHomeAndNoOther() {
        m_window->DoubleClick(Qt::RightButton, ColumnSpot(Game(), 0));
        QCOMPARE(TopCard(0), (Card{10, kDiamonds}));
        QCOMPARE(HomeCard(kDiamonds), Card{});

        m_window->DoubleClick(Qt::RightButton, ColumnSpot(Game(), 7));
        QCOMPARE(HomeCard(kHearts), (Card{1, kHearts}));
        QCOMPARE(TopCard(7), (Card{10, kClubs}));
        QCOMPARE(Game().m_nSelected, kNothingSelected);
        VERIFY_SCREEN_AS_REPAINTED(m_window->Table(), Game());
    }
};

QTEST_MAIN(MousePlayTest)
#include "mouse_play_test.moc"
