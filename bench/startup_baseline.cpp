// The least a Qt program must do to show a 640 x 480 main window with the
// game's menu bar, toolbar and status bar (their texts loading the fonts as
// the game's do) whose title changes on a 100 ms timer: what the game's
// start-up is measured against.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Untitled - Kelmora");
    window.setGeometry(0, 0, 640, 480);
    QTimer::singleShot(100, &window, [&window] { window.setWindowTitle("Kelmora"); });

    const struct {
        const char* title;
        std::initializer_list<const char*> items;
    } menus[] = {
        {"&Game",
         {"&New Game", "&Select Game...", "&Restart Game", "&Options...", "S&tatistics..",
          "E&xit"}},
        {"&View", {"&Tool Bar", "&Statusbar"}},
        {"&Color", {"&Card Color", "&Default Color", "&Back Gnd Color"}},
        {"&Help", {"&About Kelmora..."}},
    };
    auto* toolBar = window.addToolBar("toolBar");
    toolBar->setIconSize(QSize(16, 15));
    const QIcon icon = window.style()->standardIcon(QStyle::SP_FileIcon);
    for (const auto& menu : menus) {
        QMenu* popup = window.menuBar()->addMenu(menu.title);
        for (const char* item : menu.items) {
            toolBar->addAction(icon, item);
            popup->addAction(item);
        }
    }
    window.statusBar()->addWidget(new QLabel("Ready"), 1);
    for (const char* pane : {"CAP", "NUM", "SCRL"}) {
        window.statusBar()->addPermanentWidget(new QLabel(pane));
    }
    window.setCentralWidget(new QWidget);
    window.show();
    return app.exec();
}
