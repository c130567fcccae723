// The Windows diskette drive "A:": a removable drive is there, ready when its free space can be
// read; the drive of this machine as the system reports it.
#include "app/machine.h"
#include "app/machine_windows.h"

#include <QTest>

#include <windows.h>

using namespace verimoda;

class TestMachine : public QObject {
    Q_OBJECT
private slots:
    void disketteDrive() {
        const auto Absent = Platform::Diskette::Absent, NotReady = Platform::Diskette::NotReady,
                   Ready = Platform::Diskette::Ready;
        QCOMPARE(disketteStateFor(DRIVE_NO_ROOT_DIR, false), Absent);
        QCOMPARE(disketteStateFor(DRIVE_FIXED, true), Absent);
        QCOMPARE(disketteStateFor(DRIVE_REMOVABLE, false), NotReady);
        QCOMPARE(disketteStateFor(DRIVE_REMOVABLE, true), Ready);
        // The machine's own: its root only where there is a drive.
        QCOMPARE(disketteRoot().isEmpty(), disketteDriveState() == Absent);
    }
};

QTEST_MAIN(TestMachine)
#include "gui_machine_windows.moc"
