#include "print/qt_fonts.h"

#include "sheet/catalogue.h"

#include <QFont>
#include <QStringList>

namespace verimoda {

void substituteFonts() {
    const QString family = QString::fromLatin1(geometry::FontFamily);
    const QString substitute = QStringLiteral("Liberation Sans");
    if (!QFont::substitutes(family).contains(substitute))
        QFont::insertSubstitution(family, substitute);
}

} // namespace verimoda
