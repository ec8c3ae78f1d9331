// The least a Qt program must do to show a 640 x 480 main window whose title
// changes on a 100 ms timer: what the game's start-up is measured against.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Untitled - Kelmora");
    window.setGeometry(0, 0, 640, 480);
    window.show();
    QTimer::singleShot(100, &window, [&window] { window.setWindowTitle("Kelmora"); });
    return app.exec();
}
