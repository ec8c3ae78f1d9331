#include <QApplication>

#include "app/sol_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CSolApp app;
    if (!app.InitInstance()) {
        return 1;
    }
    return application.exec();
}
