// Stand-in for the reader of sheet files: it asks for the file and keeps its name. The reader
// replaces this file.
#include "app/main_window.h"

namespace verimoda {

void Main::LeggiFileXml() {
    sheet_.NomeFileFoglio =
        platform_.openFileName(this, sheetFileDialog(QStringLiteral("Apri file")));
}

} // namespace verimoda
