#include "app/machine.h"

#include "app/machine_windows.h"

#include <QDir>
#include <QWidget>

#include <windows.h>

#include <shlobj.h>

namespace verimoda {

namespace {

const wchar_t* const Drive = L"A:\\";

QString knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    QString folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)))
        folder = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    CoTaskMemFree(path);
    return folder;
}

} // namespace

void prepareMachine() {
    // An empty drive must never raise the system's "insert a disk" dialog: the program says so
    // itself. Qt sets this only around its own drive queries.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

void bringPopupForward(QWidget& popup) {
    SetForegroundWindow(reinterpret_cast<HWND>(popup.winId()));
}

Platform::Diskette disketteStateFor(unsigned driveType, bool freeSpaceRead) {
    if (driveType != DRIVE_REMOVABLE)
        return Platform::Diskette::Absent;
    return freeSpaceRead ? Platform::Diskette::Ready : Platform::Diskette::NotReady;
}

QString disketteRoot() {
    return GetDriveTypeW(Drive) == DRIVE_REMOVABLE ? QStringLiteral("A:/") : QString();
}

Platform::Diskette disketteDriveState() {
    // Readiness by the free space: an empty drive fails this on Windows and under Wine alike,
    // where the volume's name may still be read.
    ULARGE_INTEGER available{}, total{}, free{};
    const bool read = GetDiskFreeSpaceExW(Drive, &available, &total, &free) != 0;
    return disketteStateFor(GetDriveTypeW(Drive), read);
}

bool printDialogTakesPdf() {
    return false;
}

QStringList installedFolders() {
    // For every user, or for one (where the installer puts it without administrator rights,
    // AppData\Local\Programs, also where the system does not name that folder).
    QStringList folders;
    for (REFKNOWNFOLDERID id : {FOLDERID_ProgramFiles, FOLDERID_UserProgramFiles})
        if (const QString root = knownFolder(id); !root.isEmpty())
            folders << root + QStringLiteral("/Verimoda");
    if (const QString local = knownFolder(FOLDERID_LocalAppData); !local.isEmpty())
        folders << local + QStringLiteral("/Programs/Verimoda");
    return folders;
}

} // namespace verimoda
