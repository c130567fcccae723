#include "support/core_file_access.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace verimoda::test {

bool mayChangeOwners() {
    return ::geteuid() == 0;
}

bool setAccess(const QString& path, int mode, std::optional<uint> owner) {
    const QByteArray name = QFile::encodeName(path);
    return ::chmod(name, mode_t(mode)) == 0 &&
           (!owner || !mayChangeOwners() || ::chown(name, *owner, *owner) == 0);
}

std::optional<FileAccess> accessOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path), &st) != 0)
        return std::nullopt;
    return FileAccess{int(st.st_mode & 07777), uint(st.st_uid), uint(st.st_gid)};
}

int newFileMode() {
    const mode_t usual = ::umask(022);
    ::umask(usual);
    return int(0666 & ~usual);
}

bool makePipe(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

} // namespace verimoda::test
