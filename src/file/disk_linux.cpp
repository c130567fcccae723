#include "file/disk.h"

#include <QFile>
#include <QFileDevice>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace verimoda {

int lastSystemError() {
    return errno;
}

bool failedForRoom(int error, const QString& folder, qint64 needed) {
    if (error == ENOSPC || error == EDQUOT)
        return true;
    struct statvfs s {};
    if (::statvfs(QFile::encodeName(folder).constData(), &s) != 0)
        return false;
    return qint64(s.f_bavail) * qint64(s.f_frsize) < needed;
}

bool writeProtected(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK) != 0 && errno == EROFS;
}

bool heldByAnotherProgram(const QString&) {
    return false; // a rename replaces a file whoever has it open
}

// Without the folder's sync a power cut right after the save could bring back the old file, or
// none.
bool makeNameDurable(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // EINVAL: a file system that cannot sync a folder, where there is nothing more to wait for.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

void keepAccessOf(QFileDevice& file, const QString& replaced) {
    struct stat old {};
    if (::stat(QFile::encodeName(replaced).constData(), &old) != 0 || !S_ISREG(old.st_mode))
        return;
    const int fd = file.handle();
    if (fd < 0)
        return;
    // Owner first: a change of owner may clear the mode's special bits. Only root may give a file
    // away; anyone may keep a group they belong to. What may not be set stays the saver's own.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)!::fchown(fd, uid_t(-1), old.st_gid);
    (void)!::fchmod(fd, old.st_mode & 07777);
}

} // namespace verimoda
