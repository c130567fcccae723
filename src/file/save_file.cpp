#include "file/save_file.h"

#include "file/disk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

namespace verimoda {

using namespace Qt::StringLiterals;

namespace {

// Why the file could not even be created, looked up after the fact so that the user reads a cause
// instead of an error code.
QString openFailure(const QFileInfo& target, const QFileInfo& folder) {
    if (!folder.exists())
        return u"La cartella \""_s + QDir::toNativeSeparators(folder.filePath()) +
               u"\" non esiste."_s;
    if (!folder.isDir())
        return u"\""_s + QDir::toNativeSeparators(folder.filePath()) + u"\" non è una cartella."_s;
    if (target.isDir())
        return QStringLiteral("Esiste già una cartella con questo nome.");
    if (target.exists() && !target.isWritable())
        return QStringLiteral("Il file esistente è protetto da scrittura.");
    return QStringLiteral("Non è permesso scrivere nella cartella scelta.");
}

const QString FullDisk = QStringLiteral(
    "Il disco è pieno: non c'è spazio per il file. Il file di prima è rimasto com'era.");

} // namespace

namespace {

// One attempt: the file written whole beside the target, then renamed over it.
std::optional<QString> saveOnce(const QString& path, const QByteArray& bytes, bool& renameFailed) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    QSaveFile file(path);
    // Unbuffered: a write that does not fit fails here, where it can still stop the save. A
    // buffered one would fail only at the flush inside commit(), which then renames the cut-short
    // file over the old one all the same.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (failedForRoom(lastSystemError(), folder.absoluteFilePath(), 1))
            return FullDisk;
        return openFailure(target, folder);
    }
    // The replaced file's readers and owner keep it: a save must not take it away from them.
    keepAccessOf(file, path);
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    const int writeError = lastSystemError();
    if (!written) {
        file.cancelWriting();
        if (failedForRoom(writeError, folder.absoluteFilePath(), bytes.size()))
            return FullDisk;
        return QStringLiteral("La scrittura si è interrotta: il file di prima è rimasto com'era.");
    }
    if (!file.commit()) {
        renameFailed = file.error() == QFileDevice::RenameError;
        if (renameFailed)
            return QStringLiteral("Non è stato possibile sostituire il file esistente.");
        return QStringLiteral("Il file non è stato registrato sul disco: il file di prima è "
                              "rimasto com'era.");
    }
    if (!makeNameDurable(folder.absoluteFilePath()))
        return QStringLiteral("Il disco non ha confermato la registrazione del file: salvarlo "
                              "di nuovo.");
    return std::nullopt;
}

} // namespace

std::optional<QString> saveWholeFile(const QString& path, const QByteArray& bytes) {
    // A file another program holds for a moment (an antivirus scan, the indexer, cloud sync) is
    // tried again for about two seconds before the user is told.
    for (int attempt = 0;; ++attempt) {
        bool renameFailed = false;
        const std::optional<QString> failure = saveOnce(path, bytes, renameFailed);
        if (!failure || !renameFailed || !heldByAnotherProgram(path))
            return failure;
        if (attempt == 20)
            return QStringLiteral("Il file è aperto in un altro programma: chiuderlo e salvare di "
                                  "nuovo. Il file di prima è rimasto com'era.");
        QThread::msleep(100);
    }
}

} // namespace verimoda
