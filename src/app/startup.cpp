#include "app/startup.h"

#include "app/main_window.h"
#include "app/qt_platform.h"
#include "print/qt_fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

// The icon lives in a resource file of a static library: it has to be pulled in by hand, from the
// global namespace.
static void initResources() {
    Q_INIT_RESOURCE(verimoda);
}

namespace verimoda {

QIcon programIcon() {
    static const bool loaded = (initResources(), true);
    Q_UNUSED(loaded)
    // The format given spares the search through the image plugins.
    return QIcon(QPixmap(QStringLiteral(":/verimoda/verimoda.png"), "PNG"));
}

void prepareApplication(QApplication& app) {
    // The designed face is not on Linux desktops; Liberation Sans has its metrics, so texts take
    // the space the design gives them, on screen as on paper.
    substituteFonts();

    // Buttons and dialogs of Qt itself speak Italian, whatever the machine's language.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    QApplication::setApplicationName(shortTitle());
    QApplication::setWindowIcon(programIcon());
    // Closing a message box while the window is hidden in the tray must not end the program:
    // the window ends it itself on every way out.
    QApplication::setQuitOnLastWindowClosed(false);
}

std::unique_ptr<Main> openMainWindow(Platform& platform) {
    auto window = std::make_unique<Main>(platform);
    window->show();
    return window;
}

int runProgram(QApplication& app) {
    prepareApplication(app);
    QtPlatform platform;
    const auto window = openMainWindow(platform);
    return QApplication::exec();
}

} // namespace verimoda
