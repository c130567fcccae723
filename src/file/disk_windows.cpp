#include "file/disk.h"

#include <QDir>

#include <windows.h>

namespace verimoda {

namespace {

std::wstring native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

int lastSystemError() {
    return int(GetLastError());
}

bool failedForRoom(int error, const QString& folder, qint64 needed) {
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL)
        return true;
    ULARGE_INTEGER available{};
    if (!GetDiskFreeSpaceExW(native(folder).c_str(), &available, nullptr, nullptr))
        return false;
    return qint64(available.QuadPart) < needed;
}

bool writeProtected(const QString& folder) {
    // A diskette's tab gives ERROR_WRITE_PROTECT to any write; a read-only medium says so too.
    DWORD flags = 0;
    const std::wstring root = native(QDir(folder).rootPath());
    if (GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) &&
        (flags & FILE_READ_ONLY_VOLUME))
        return true;
    const std::wstring probe = native(QDir(folder).filePath(QStringLiteral(".verimoda-probe")));
    const HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return false;
    }
    return GetLastError() == ERROR_WRITE_PROTECT;
}

bool makeNameDurable(const QString&) {
    // Windows has no way to sync a folder after a rename; NTFS journals its names itself.
    return true;
}

void keepAccessOf(QFileDevice&, const QString&) {
    // The new file takes the folder's inherited permissions, as every Windows program's save does.
}

bool heldByAnotherProgram(const QString& path) {
    // Antivirus, the search indexer and cloud sync open files for a moment without letting
    // others replace them.
    const HANDLE h = CreateFileW(native(path).c_str(), DELETE, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

} // namespace verimoda
