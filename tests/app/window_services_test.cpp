// The window services: view timers, title, pointer shapes, boxes and waits.
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <utility>
#include <vector>

#include "app/qt_window_services.h"
#include "play/dialog_answers.h"

namespace {
// A view that counts how often it is painted.
class CountingView : public QWidget {
  public:
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};
}  // namespace

class WindowServicesTest : public QObject {
    Q_OBJECT

  private:
    QWidget m_main;
    CountingView* m_view = new CountingView;
    QtWindowServices m_services{&m_main, m_view};
    std::vector<int> m_ticks;

  private slots:
    void initTestCase() {
        m_view->setParent(&m_main);
        m_main.resize(200, 100);
        m_main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_main));
        m_services.SetTimerHandler([this](int id) { m_ticks.push_back(id); });
    }

    void init() { m_ticks.clear(); }

    void cleanup() {
        m_services.KillTimer(0);
        m_services.KillTimer(1);
    }

    // Each timer ticks with its own id; one stopped in its own tick ticks once; one set
    // again while running starts over.
    void timersTickWithTheirIdsUntilStoppedOrSetAgain() {
        m_services.SetTimer(0, 5);
        m_services.SetTimer(1, 5);
        QTRY_VERIFY(std::count(m_ticks.begin(), m_ticks.end(), 0) >= 2);
        QTRY_VERIFY(std::count(m_ticks.begin(), m_ticks.end(), 1) >= 2);
        cleanup();
        m_ticks.clear();
        m_services.SetTimerHandler([this](int id) {
            m_ticks.push_back(id);
            m_services.KillTimer(id);
        });
        m_services.SetTimer(1, 5);
        m_services.SetTimer(0, 5);
        m_services.SetTimer(0, 3'600'000);
        QTRY_COMPARE(m_ticks.size(), std::size_t{1});
        QTest::qWait(50);
        QCOMPARE(m_ticks, std::vector<int>{1});
        m_services.SetTimerHandler([this](int id) { m_ticks.push_back(id); });
    }

    void titleAndPointerShapes() {
        m_services.SetMainTitle("Kelmora #12345");
        QCOMPARE(m_main.windowTitle(), QStringLiteral("Kelmora #12345"));
        for (const auto& [pointer, hotSpot] :
             {std::pair{kDropCursor, QPoint(13, 25)}, std::pair{kEmptyCursor, QPoint(14, 6)}}) {
            m_services.SetPointer(pointer);
            QCOMPARE(m_view->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(m_view->cursor().hotSpot(), hotSpot);
            QVERIFY(!m_view->cursor().pixmap().isNull());
        }
        m_services.SetPointer(kArrowCursor);
        QCOMPARE(m_view->cursor().shape(), Qt::ArrowCursor);
    }

    // A plain box with one OK button, owned by the dialog open at the time, else the window.
    void messageBoxBelongsToTheTopWindowAndHasOneOkButton() {
        QDialog dialog(&m_main);
        std::vector<QWidget*> owners;
        const auto answer = [&](QDialog& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            QVERIFY(box && box->buttons().size() == 1 && box->icon() == QMessageBox::NoIcon);
            QCOMPARE(box->text(), QStringLiteral("0"));
            owners.push_back(box->parentWidget());
            box->button(QMessageBox::Ok)->click();
        };
        AnswerNext(QStringLiteral("Game Number"), answer);
        m_services.MessageBox("0", "Game Number");
        AnswerNext(QString(), [&](QDialog&) {
            AnswerNext(QStringLiteral("Game Number"), answer);
            m_services.MessageBox("0", "Game Number");
            dialog.reject();
        });
        dialog.exec();
        QCOMPARE(owners, (std::vector<QWidget*>{&m_main, &dialog}));
    }

    void colourChooserStartsAtTheGivenColourAndCancelKeepsIt() {
        QColor opened;
        AnswerNext(QStringLiteral("Select Color"), [&](QDialog& modal) {
            auto* dialog = qobject_cast<QColorDialog*>(&modal);
            QVERIFY(dialog);
            opened = dialog->currentColor();
            dialog->setCurrentColor(QColor(10, 20, 30));
            dialog->accept();
        });
        ColorRef chosen;
        QVERIFY(m_services.ChooseColor(MakeColorRef(0, 0, 128), chosen));
        QCOMPARE(opened, QColor(0, 0, 128));
        QCOMPARE(chosen, MakeColorRef(10, 20, 30));
        AnswerNext(QStringLiteral("Select Color"), [](QDialog& modal) { modal.reject(); });
        QVERIFY(!m_services.ChooseColor(MakeColorRef(0, 0, 128), chosen));
        QCOMPARE(chosen, MakeColorRef(10, 20, 30));
    }

    void aWaitShowsTheDrawingFirst() {
        m_view->update();
        const int before = m_view->paints;
        m_services.Sleep(1);  // no event loop runs in between
        QCOMPARE(m_view->paints, before + 1);
    }
};

QTEST_MAIN(WindowServicesTest)
#include "window_services_test.moc"
