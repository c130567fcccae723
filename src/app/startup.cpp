#include "app/startup.h"

#include "app/end_requests.h"
#include "app/machine.h"
#include "app/main_window.h"
#include "app/qt_platform.h"
#include "print/qt_fonts.h"
#include "sheet/catalogue.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QPixmapCache>
#include <QSessionManager>
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
    // Decoded once for the application, the window and the tray. Qt reads PNG itself: with
    // the format given and no guessing, no image plugin is loaded.
    const QString name = QStringLiteral(":/verimoda/verimoda.png");
    QPixmap pixmap;
    if (!QPixmapCache::find(name, &pixmap)) {
        QImageReader reader(name, "png");
        reader.setAutoDetectImageFormat(false);
        pixmap = QPixmap::fromImage(reader.read());
        QPixmapCache::insert(name, pixmap);
    }
    return QIcon(pixmap);
}

QFont windowFont() {
    // Named directly, the stand-in spares Qt a search through the fallbacks of a face that is not
    // installed, which it makes before it turns to the substitute.
    QString family = QString::fromLatin1(geometry::FontFamily);
    const QStringList installed = QFontDatabase::families();
    if (!installed.contains(family, Qt::CaseInsensitive))
        for (const QString& substitute : QFont::substitutes(family))
            if (installed.contains(substitute, Qt::CaseInsensitive)) {
                family = substitute;
                break;
            }
    QFont font(family);
    font.setPointSizeF(geometry::FontPoints);
    return font;
}

void prepareApplication(QApplication& app) {
    prepareMachine();
    // The designed face is not on Linux desktops; Liberation Sans has its metrics, so texts take
    // the space the design gives them, on screen as on paper.
    substituteFonts();

    // Dates, sizes and numbers in Qt's dialogs are Italian, whatever the machine's language. The
    // sheet's own texts and numbers follow their own rules, never the locale.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Buttons and dialogs of Qt itself speak Italian too.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    // Installed later, asked first: what Qt's translation lacks.
    auto* own = new QTranslator(&app);
    if (own->load(QStringLiteral(":/verimoda/verimoda_it.qm")))
        QApplication::installTranslator(own);

    QApplication::setApplicationName(shortTitle());
    QApplication::setWindowIcon(programIcon());
    // Closing a message box while the window is hidden in the tray must not end the program:
    // the window ends it itself on every way out.
    QApplication::setQuitOnLastWindowClosed(false);
}

std::unique_ptr<Main> openMainWindow(Platform& platform) {
    // Each text box lays out its empty text in the application's font when it is made, before
    // it takes the window's: with the window's face as the application's while the window is
    // built, the desktop's face is not loaded for that alone. Dialogs keep the desktop's face.
    const QFont desktop = QApplication::font();
    QApplication::setFont(windowFont());
    auto window = std::make_unique<Main>(platform);
    QApplication::setFont(desktop);
    window->show();
    return window;
}

int runProgram(QApplication& app) {
    prepareApplication(app);
    QtPlatform platform;
    const auto window = openMainWindow(platform);
    Main& main = *window;
    // The desktop session ends (logout, shutdown): the session waits while the window asks.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &main,
                     [&main](QSessionManager& manager) {
                         if (main.sheet().NessunaModifica)
                             return; // nothing to lose: the session ends at once
                         // Where the desktop gives no time to ask, nothing can be asked.
                         if (!manager.allowsInteraction())
                             return;
                         if (!main.sessionEnding())
                             manager.cancel();
                         manager.release();
                     });
    onEndRequest(&main, [&main] { main.endRequested(); });
    return QApplication::exec();
}

} // namespace verimoda
