// Stand-in for the writer of the sheet file: it asks for the file name and acts as if the file
// had been written (title, NessunaModifica, the end of the program when leaving), so that the
// ways out work end to end. The writer replaces this file.
#include "app/main_window.h"

namespace verimoda {

bool Main::ScriviFileXml(bool genera) {
    Q_UNUSED(genera)
    const QString name =
        platform_.saveFileName(this, sheetFileDialog(QStringLiteral("Salva file")));
    if (name.isEmpty())
        return false;
    sheet_.NomeFileFoglio = name;
    setWindowTitle(applicationTitle() + QLatin1String(" - ") +
                   name.mid(platform_.programFolder().size() + 1));
    if (sheet_.UscitaRichiesta)
        endProgram();
    sheet_.NessunaModifica = true;
    return true;
}

} // namespace verimoda
