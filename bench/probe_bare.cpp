// Launch probe: a bare QMainWindow, the yardstick for the program's start-up.
#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint probe;
    app.installEventFilter(&probe);
    QMainWindow window;
    window.show();
    return QApplication::exec();
}
