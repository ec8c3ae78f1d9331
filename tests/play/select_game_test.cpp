// Select Game through its real dialog, and the deal it puts on the screen.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <iterator>
#include <memory>

#include "app/command_ids.h"
#include "app/dialogs/control_ids.h"
#include "app/view_widget.h"
#include "platform/dialog_host.h"
#include "play/dialog_answers.h"
#include "play/play_window.h"
#include "play/screen_checks.h"

namespace {
// "10C" or "AH": rank and suit letter to the card's code, 1..52.
int CodeOf(const QString& card) {
    static const QString kRanks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                     "8", "9", "10", "J", "Q", "K"};
    const QString rank = card.chopped(1);
    const int suit = QStringLiteral("CSHD").indexOf(card.back());
    return static_cast<int>(std::find(std::begin(kRanks), std::end(kRanks), rank) -
                            std::begin(kRanks)) +
           1 + 13 * suit;
}
}  // namespace

class SelectGameTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<PlayWindow> m_window;

  private slots:
    void initTestCase() {
        m_window = std::make_unique<PlayWindow>();
        QVERIFY(m_window->Started());
        m_window->SelectGame(1);
    }

    void gameOneIsNamedInTheTitle() {
        QCOMPARE(m_window->Frame().windowTitle(), QStringLiteral("Kelmora #1"));
    }

    // Each column from its first card to its top card.
    void everyCardOfGameOneLiesInPlace_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cards");
        QTest::newRow("column 1") << 0 << "10C AH JH 4D KD 4C KS";
        QTest::newRow("column 2") << 1 << "QD 10D 2C 2D 6C JD 6D";
        QTest::newRow("column 3") << 2 << "7H 9H 7C 2H 3D 6S KC";
        QTest::newRow("column 4") << 3 << "AS 9D 5H 4S 6H 2S 8H";
        QTest::newRow("column 5") << 4 << "5C KH 10H 8S QS 9S";
        QTest::newRow("column 6") << 5 << "8C 5D 7D AD 8D 3C";
        QTest::newRow("column 7") << 6 << "10S 4H 3H 9C AC 7S";
        QTest::newRow("column 8") << 7 << "5S JS 3S JC QC QH";
    }
    void everyCardOfGameOneLiesInPlace() {
        QFETCH(int, column);
        QFETCH(QString, cards);
        const QStringList dealt = cards.split(' ');
        const QImage& screen = m_window->Table().DrawingSurface().Image();
        const int x = table::ColumnX(column);
        for (int row = 0; row < dealt.size(); ++row) {
            const QImage face = screen::CardFace(CodeOf(dealt[row]));
            const bool isTop = row == dealt.size() - 1;
            // A covered card shows only its upper strip above the next card.
            const QImage visible = isTop ? face : face.copy(0, 0, face.width(), table::kRowStep);
            const QString mismatch = screen::Mismatch(screen, QPoint(x, table::RowY(row)), visible);
            QVERIFY2(mismatch.isEmpty(), qPrintable(dealt[row] + ": " + mismatch));
        }
    }

    void aNumberOutOfRangeIsAnsweredAndTheFieldReadsZero() {
        QString caption;
        QString message;
        QString fieldAfterwards;
        QString typedAfterwards;
        bool editHasFocus = false;
        bool stayedOpen = false;
        AnswerNext(QStringLiteral("Select Game"), [&](QDialog& dialog) {
            auto* edit = ControlOf<QLineEdit>(dialog, control::kEdit);
            QVERIFY(edit);
            QTest::keyClicks(edit, QStringLiteral("45900"));
            AnswerNext(QStringLiteral("Kelmora"), [&](QDialog& shown) {
                auto* box = qobject_cast<QMessageBox*>(&shown);
                QVERIFY(box);
                caption = box->windowTitle();
                message = box->text();
                box->button(QMessageBox::Ok)->click();
            });
            // Clicked with the mouse, the button takes the focus from the field.
            auto* ok = ControlOf<QPushButton>(dialog, IDOK);
            QVERIFY(ok);
            QTest::mouseClick(ok, Qt::LeftButton);
            fieldAfterwards = edit->text();
            stayedOpen = dialog.isVisible();
            // The "0" is selected in the field, so the next number typed replaces it.
            editHasFocus = dialog.focusWidget() == edit;
            QTest::keyClicks(edit, QStringLiteral("12"));
            typedAfterwards = edit->text();
            PressButton(dialog, IDCANCEL);
        });
        m_window->Trigger(command::kSelectGame);

        QCOMPARE(caption, QStringLiteral("Kelmora"));
        QCOMPARE(message, QStringLiteral("Select a Game Number between 0 & 45900"));
        QCOMPARE(fieldAfterwards, QStringLiteral("0"));
        QVERIFY(stayedOpen);
        QVERIFY(editHasFocus);
        QCOMPARE(typedAfterwards, QStringLiteral("12"));
        // Cancelled: game 1 is still on the table.
        QCOMPARE(m_window->Game().m_nGameNumber, 1);
        QCOMPARE(m_window->Frame().windowTitle(), QStringLiteral("Kelmora #1"));
    }
};

QTEST_MAIN(SelectGameTest)
#include "select_game_test.moc"
