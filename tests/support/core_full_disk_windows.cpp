#include "support/core_full_disk.h"

#include <QDir>

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

bool FullDisk::writeProtect() {
    return false; // the drive's file system is mounted outside the test
}

} // namespace verimoda::test
