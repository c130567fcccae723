// Stand-in for the printed sheet: it asks for a printer and prints nothing. The print command
// replaces this file.
#include "app/main_window.h"

#include <QPrinter>

namespace verimoda {

void Main::StampaFoglio() {
    QPrinter printer(QPrinter::HighResolution);
    platform_.printDialog(this, printer);
}

} // namespace verimoda
