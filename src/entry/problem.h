// A problem found in the sheet before writing it: what the user reads, where the focus goes and
// which page comes to the front. The core finds problems; the window shows them.
#pragma once

#include "sheet/catalogue.h"

#include <QString>

namespace verimoda {

struct Problem {
    QString title;   // "Errore"
    QString message; // lines joined by CR LF
    Control focus;   // the control to correct
    int page = 0;    // the page to bring to the front
};

} // namespace verimoda
