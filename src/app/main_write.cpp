// "Genera" and "Salva temp.": the sheet's checks when generating, the diskette drive, the save
// dialog, the file written in one piece, and its copy on the diskette.
#include "app/file_commands.h"
#include "app/main_window.h"
#include "entry/checks.h"
#include "file/file_stamp.h"
#include "file/writer.h"

#include <QDir>
#include <QFileInfo>

namespace verimoda {

namespace {

const QString CRLF = QStringLiteral("\r\n");

// Copies the written file to the root of the diskette; the reason when it could not be done.
std::optional<QString> copyToDrive(Platform& platform, const QString& path) {
    // The disk may have been taken out while the save dialog was open: ask again.
    const Platform::Diskette state = platform.diskette();
    const QString root = platform.disketteFolder();
    if (state == Platform::Diskette::Ready && !root.isEmpty())
        return copyToDiskette(path, root);
    return QStringLiteral("Impossibile copiare il file sul dischetto (\"") +
           QFileInfo(path).fileName() + QStringLiteral("\").") + CRLF +
           (state == Platform::Diskette::NotReady
                ? QStringLiteral("Nell'unità A: non c'è un dischetto pronto.")
                : QStringLiteral("Su questo computer manca l'unità A: per i dischetti."));
}

} // namespace

bool Main::mayReplace(const QString& path) {
    if (!changedSince(known_, path))
        return true;
    return platform_.message(
               this, QMessageBox::Warning, shortTitle(),
               QStringLiteral("Il file \"") + QDir::toNativeSeparators(path) +
                   QStringLiteral("\" è stato modificato da un altro programma dopo l'ultima "
                                  "lettura o scrittura di Verimoda.") +
                   CRLF + QStringLiteral("Sostituirlo con il foglio di questa finestra?"),
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool Main::ScriviFileXml(bool genera) {
    // While leaving, the save only keeps the edits: no checks and no diskette.
    const bool generating = genera && !sheet_.UscitaRichiesta;
    if (generating) {
        std::optional<Problem> problem = ControllaDatiGenerali(sheet_);
        if (!problem)
            problem = ControllaDate(sheet_);
        if (problem) {
            showProblem(*problem);
            return false;
        }
    }
    // A text the file cannot carry as it is stops every write, before any dialog.
    if (const std::optional<Problem> problem = checkFileTexts(sheet_)) {
        showProblem(*problem);
        return false;
    }
    if (generating && platform_.diskette() == Platform::Diskette::NotReady) {
        showFailure(*this, QMessageBox::Critical, QStringLiteral("Errore"),
                    QStringLiteral("Periferica non pronta. Verificare la presenza di un disco "
                                   "nel driver A"));
        return false;
    }

    const QString name =
        platform_.saveFileName(this, sheetFileDialog(QStringLiteral("Salva file")));
    // Another program's changes are replaced only when the user says so; "No" keeps the edits,
    // as a cancelled dialog does.
    if (name.isEmpty() || !mayReplace(name))
        return false;
    const QByteArray bytes = sheetFileBytes(sheet_);
    if (const std::optional<QString> error = saveSheetFile(name, bytes)) {
        showFailure(*this, QMessageBox::Critical, shortTitle(), *error);
        return false;
    }
    known_ = stampOfWritten(name, bytes);
    // The file is written: its name, the title and the flag say so, whatever becomes of the copy.
    // A failed write leaves all three naming the file last written.
    sheet_.NomeFileFoglio = name;
    showFileInTitle(*this, name);
    sheet_.NessunaModifica = true;

    if (generating)
        if (const std::optional<QString> error = copyToDrive(platform_, name))
            showFailure(*this, QMessageBox::Warning, shortTitle(),
                        *error + CRLF + QStringLiteral("Il file è stato salvato in \"") +
                            QDir::toNativeSeparators(name) + QStringLiteral("\"."));
    if (sheet_.UscitaRichiesta)
        endProgram();
    return true;
}

} // namespace verimoda
