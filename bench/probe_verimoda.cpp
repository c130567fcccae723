// Launch probe: the program exactly as main() starts it, ending after its first paint.
#include "app/startup.h"
#include "first_paint.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint probe;
    app.installEventFilter(&probe);
    return verimoda::runProgram(app);
}
