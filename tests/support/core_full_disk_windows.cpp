#include "support/core_full_disk.h"

#include <QDir>
#include <QFile>

#include <windows.h>

namespace verimoda::test {

namespace {

QString drive() {
    return qEnvironmentVariable("VERIMODA_FULL_DISK");
}

} // namespace

QString FullDisk::folderTemplate() {
    return drive().isEmpty() ? QDir::tempPath() + QStringLiteral("/verimoda-disk-XXXXXX")
                             : drive() + QStringLiteral("verimoda-disk-XXXXXX");
}

FullDisk::FullDisk(qint64) {
    if (drive().isEmpty())
        skipReason = QStringLiteral("a full disk needs the drive that make test-windows maps to "
                                    "a small tmpfs (VERIMODA_FULL_DISK)");
    else if (!folder_.isValid())
        skipReason = QStringLiteral("no folder could be made on %1").arg(drive());
}

FullDisk::~FullDisk() = default; // the folder goes, the filler with it

qint64 FullDisk::freeBytes() const {
    ULARGE_INTEGER available{};
    if (!GetDiskFreeSpaceExW(reinterpret_cast<const wchar_t*>(path().utf16()), &available, nullptr,
                             nullptr))
        return -1;
    return qint64(available.QuadPart);
}

bool FullDisk::writeProtect() {
    return false; // the drive's file system is mounted outside the test
}

bool FullDisk::fillLeaving(qint64 wanted) {
    QFile filler(file(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray page(4096, 'f');
    while (freeBytes() > wanted)
        if (filler.write(page) <= 0)
            break;
    filler.close();
    return freeBytes() == wanted;
}

} // namespace verimoda::test
