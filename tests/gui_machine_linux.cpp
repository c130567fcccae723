// The Linux diskette drive: found among the floppy folders and told ready by the mount table.
#include "app/machine_linux.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace verimoda;

class TestMachine : public QObject {
    Q_OBJECT
private slots:
    // "A:" is the first floppy folder that exists (a file of that name is none); it is ready
    // when a file system is mounted there, also when the folder is a link to the mount point.
    void disketteDrive() {
        QTemporaryDir root;
        const QString drive = root.filePath(QStringLiteral("floppy 0")), link = drive + 'l';
        QVERIFY(QDir().mkpath(drive) && QFile::link(drive, link));
        QFile file(root.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(disketteFolderAmong(
                     {root.filePath(QStringLiteral("none")), file.fileName(), drive, link}),
                 drive);

        const QByteArray point = QFile::encodeName(drive).replace(' ', "\\040");
        const QByteArray mounts = "sysfs /sys sysfs rw 0 0\n/dev/fd0 " + point + " vfat rw 0 0\n";
        QCOMPARE(disketteState(drive, mounts), Platform::Diskette::Ready);
        QCOMPARE(disketteState(link, mounts), Platform::Diskette::Ready);
        QCOMPARE(disketteState(drive, QByteArray(mounts).replace(" vfat", "x vfat")),
                 Platform::Diskette::NotReady);
    }
};

QTEST_MAIN(TestMachine)
#include "gui_machine_linux.moc"
