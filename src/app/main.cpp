#include "app/main_window.h"
#include "app/qt_platform.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    verimoda::prepareApplication(app);
    verimoda::QtPlatform platform;
    const auto window = verimoda::openMainWindow(platform);
    return QApplication::exec();
}
