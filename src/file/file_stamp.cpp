#include "file/file_stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace verimoda {

namespace {

QByteArray digestOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

FileStamp stampOf(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QDateTime modified = QFileInfo(path).lastModified();
    const QByteArray bytes = file.readAll();
    return {path, bytes.size(), modified, digestOf(bytes)};
}

FileStamp stampOfWritten(const QString& path, const QByteArray& bytes) {
    return {path, bytes.size(), QFileInfo(path).lastModified(), digestOf(bytes)};
}

bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.canonicalFilePath(), cb = fb.canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

bool changedSince(const FileStamp& known, const QString& path) {
    if (known.path.isEmpty() || !sameFile(known.path, path))
        return false;
    const QFileInfo now(path);
    if (!now.exists())
        return false;
    if (now.size() == known.size && now.lastModified() == known.modified)
        return false;
    return stampOf(path).digest != known.digest;
}

} // namespace verimoda
