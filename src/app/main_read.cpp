// "Leggi": the offer to save unsaved edits, the open dialog, and the sheet loaded from the file.
#include "app/file_commands.h"
#include "app/main_window.h"
#include "file/file_stamp.h"
#include "file/reader.h"

namespace verimoda {

void Main::LeggiFileXml() {
    if (!sheet_.NessunaModifica) {
        switch (askToSaveEdits()) {
        case QMessageBox::Yes:
            // The user wants these edits kept: a save that does not complete stops the read, or
            // the file would replace them.
            if (!ScriviFileXml(false))
                return;
            break;
        case QMessageBox::No:
            break;
        default:
            return;
        }
    }

    Platform::FileDialog dialog = sheetFileDialog(QStringLiteral("Apri file"));
    // A name saved as typed may have no ".xml": such a file must not look lost.
    dialog.filter += QLatin1String(";;Tutti i file (*)");
    const QString name = platform_.openFileName(this, dialog);
    if (name.isEmpty()) { // cancelled: no file chosen any more
        sheet_.NomeFileFoglio.clear();
        return;
    }
    const LoadResult result = CaricaFileXml(sheet_, name);
    if (result.outcome != LoadResult::Outcome::Loaded) {
        // The sheet, its title and its file name stay as they were.
        showFailure(*this, QMessageBox::Critical, result.title, result.message);
        return;
    }
    sheet_.NomeFileFoglio = name;
    known_ = stampOf(name);
    showFileInTitle(*this, name);
}

} // namespace verimoda
