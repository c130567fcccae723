#include "app/twips.h"

#include <QScreen>

namespace verimoda {

Twips Twips::forScreen(const QScreen* screen) {
    const double dpi = screen ? screen->logicalDotsPerInchX() : 0.0;
    return Twips(dpi > 0 ? 1440.0 / dpi : 15.0);
}

} // namespace verimoda
