#include "app/machine.h"

#include "app/machine_linux.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace verimoda {

namespace {

// A mount point as /proc/self/mounts writes it: blanks, tabs, new lines and backslashes are
// octal escapes.
QString unescapeMountPoint(const QByteArray& field) {
    const auto octal = [](char c) { return c >= '0' && c <= '7'; };
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) &&
            octal(field[i + 2]) && octal(field[i + 3])) {
            out.append(
                char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0')));
            i += 3;
        } else {
            out.append(field[i]);
        }
    }
    return QString::fromUtf8(out);
}

} // namespace

void prepareMachine() {
    // Nothing: no system dialog ever stops a program that opens a file on an empty drive here.
}

void bringPopupForward(QWidget&) {
    // The window manager gives a popup the keyboard.
}

QStringList disketteCandidates() {
    return {QStringLiteral("/media/floppy0"), QStringLiteral("/media/floppy"),
            QStringLiteral("/mnt/floppy")};
}

QString disketteFolderAmong(const QStringList& candidates) {
    for (const QString& folder : candidates)
        if (QFileInfo(folder).isDir())
            return folder;
    return {};
}

Platform::Diskette disketteState(const QString& folder, const QByteArray& mounts) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return Platform::Diskette::Absent;
    const QString real = QFileInfo(folder).canonicalFilePath(); // /media/floppy is often a link
    const QString plain = QDir::cleanPath(folder);
    for (const QByteArray& line : mounts.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        const QString point = QDir::cleanPath(unescapeMountPoint(fields[1]));
        if (point == plain || point == real)
            return Platform::Diskette::Ready;
    }
    return Platform::Diskette::NotReady;
}

QString disketteRoot() {
    return disketteFolderAmong(disketteCandidates());
}

Platform::Diskette disketteDriveState() {
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    const QByteArray text = mounts.open(QIODevice::ReadOnly) ? mounts.readAll() : QByteArray();
    return disketteState(disketteRoot(), text);
}

bool printDialogTakesPdf() {
    return true;
}

QStringList installedFolders() {
    return {QStringLiteral(VERIMODA_INSTALLED_BINDIR)};
}

} // namespace verimoda
