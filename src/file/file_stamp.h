// What the program knows of the sheet file it last read or wrote, so that a save does not
// replace, unasked, a file that another program (a second copy of this one, a colleague on a
// shared folder, a sync tool) has changed since.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace verimoda {

struct FileStamp {
    QString path; // empty: no file known
    qint64 size = -1;
    QDateTime modified;
    QByteArray digest; // SHA-256 of the bytes
};

// The stamp of the file as it is on the disk now; an empty one when it cannot be read.
FileStamp stampOf(const QString& path);
// The stamp of a file just written with `bytes`.
FileStamp stampOfWritten(const QString& path, const QByteArray& bytes);

// Whether `path` is the file `known` describes and it now holds other bytes. A file that is gone
// has nothing left to lose; size and time alike spare reading it again.
bool changedSince(const FileStamp& known, const QString& path);

// Whether two names lead to the same file (both may not exist yet).
bool sameFile(const QString& a, const QString& b);

} // namespace verimoda
