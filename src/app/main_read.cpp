// "Leggi": the offer to save unsaved edits, the open dialog, and the sheet loaded from the file.
#include "app/file_commands.h"
#include "app/main_window.h"
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

    sheet_.NomeFileFoglio =
        platform_.openFileName(this, sheetFileDialog(QStringLiteral("Apri file")));
    if (sheet_.NomeFileFoglio.isEmpty())
        return;
    const LoadResult result = CaricaFileXml(sheet_, sheet_.NomeFileFoglio);
    if (result.outcome == LoadResult::Outcome::Loaded)
        showFileInTitle(*this, sheet_.NomeFileFoglio);
    else
        showFailure(*this, QMessageBox::Critical, result.title, result.message);
}

} // namespace verimoda
