#include "print/qt_fonts.h"

#include "sheet/catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace verimoda {

void substituteFonts() {
    // A copy that ships its fonts (on Windows) has them beside the program.
    const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name : shipped.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(shipped.filePath(name));
    const QString family = QString::fromLatin1(geometry::FontFamily);
    const QString substitute = QStringLiteral("Liberation Sans");
    if (!QFont::substitutes(family).contains(substitute))
        QFont::insertSubstitution(family, substitute);
}

} // namespace verimoda
