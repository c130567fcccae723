// A real file system that is full: on Linux a small tmpfs of its own, mounted on a temporary
// folder; on Windows (under Wine) a folder on the drive that `make test-windows` maps to a small
// tmpfs, named by VERIMODA_FULL_DISK ("F:/"). Filled up to a given number of free bytes. Mounting
// needs root (as CI runs). When none of this works, `skipReason` says why and the test skips.
//
//     FullDisk disk;
//     if (!disk.skipReason.isEmpty()) QSKIP(qPrintable(disk.skipReason));
//     write the old files, then disk.fillLeaving(4096);
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace verimoda::test {

class FullDisk {
public:
    explicit FullDisk(qint64 size = 256 * 1024);
    ~FullDisk(); // unmounts

    QString skipReason;
    QString path() const { return folder_.path(); }
    QString file(const QString& name) const { return folder_.filePath(name); }

    // Fills the disk with a filler file until exactly `freeBytes` stay free (a multiple of the
    // 4 KiB page); false when that could not be done.
    bool fillLeaving(qint64 freeBytes);
    qint64 freeBytes() const;
    // Makes the disk read-only, as a write-protected diskette; false where that cannot be done.
    bool writeProtect();

private:
    static QString folderTemplate(); // where the disk's folder is made
    QTemporaryDir folder_{folderTemplate()};
    bool mounted_ = false;
};

} // namespace verimoda::test
