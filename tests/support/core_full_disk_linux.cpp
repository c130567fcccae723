#include "support/core_full_disk.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace verimoda::test {

QString FullDisk::folderTemplate() {
    return QDir::tempPath() + QStringLiteral("/verimoda-disk-XXXXXX");
}

FullDisk::FullDisk(qint64 size) {
    const QByteArray options = "size=" + QByteArray::number(size) + ",mode=0700";
    if (::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData()) != 0) {
        skipReason =
            QStringLiteral("a full disk needs a tmpfs, which could not be mounted (root may): %1")
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
