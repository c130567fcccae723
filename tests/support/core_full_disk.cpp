#include "support/core_full_disk.h"

#include <QFile>
#include <QStorageInfo>

namespace verimoda::test {

qint64 FullDisk::freeBytes() const {
    return QStorageInfo(path()).bytesAvailable();
}

bool FullDisk::fillLeaving(qint64 wanted) {
    QFile filler(file(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray page(4096, 'f');
    while (freeBytes() > wanted && filler.write(page) > 0) {
    }
    return freeBytes() == wanted;
}

} // namespace verimoda::test
