#include "support/core_full_disk.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace verimoda::test {

namespace {

bool writeProcFile(const char* path, const QByteArray& text) {
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Without root: a user namespace whose root is this user, with a mount namespace of its own, so
// that nothing mounted here is seen outside the test. It has to happen before any thread starts,
// so it runs when the program loads.
const QString namespaceFailure = [] {
    if (::geteuid() == 0)
        return QString();
    const QByteArray uid = QByteArray::number(::geteuid()), gid = QByteArray::number(::getegid());
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return QStringLiteral("a full disk needs a tmpfs: not root, and no user namespace "
                              "(%1)")
            .arg(QString::fromLocal8Bit(std::strerror(errno)));
    if (!writeProcFile("/proc/self/setgroups", "deny") ||
        !writeProcFile("/proc/self/uid_map", "0 " + uid + " 1") ||
        !writeProcFile("/proc/self/gid_map", "0 " + gid + " 1"))
        return QStringLiteral("a full disk needs a tmpfs: the user namespace has no mapping");
    return QString();
}();

} // namespace

QString FullDisk::folderTemplate() {
    return QDir::tempPath() + QStringLiteral("/verimoda-disk-XXXXXX");
}

FullDisk::FullDisk(qint64 size) {
    skipReason = namespaceFailure;
    if (!skipReason.isEmpty())
        return;
    const QByteArray options = "size=" + QByteArray::number(size) + ",mode=0700";
    if (::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData()) != 0) {
        skipReason = QStringLiteral("a full disk needs a tmpfs, which could not be mounted: %1")
                         .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted_ = true;
}

FullDisk::~FullDisk() {
    if (mounted_)
        ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
}

bool FullDisk::writeProtect() {
    return ::mount(nullptr, QFile::encodeName(path()).constData(), nullptr,
                   MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

} // namespace verimoda::test
