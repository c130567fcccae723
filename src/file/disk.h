// What the safe save needs from the operating system, one implementation file per system
// (disk_linux.cpp, disk_windows.cpp), chosen by the build.
#pragma once

#include <QString>

class QFileDevice;

namespace verimoda {

// The error of the last failed system call of this thread.
int lastSystemError();

// Whether a write or create in `folder` failed for want of room: the system's `error` says so,
// or the disk, asked again, has less than `needed` bytes free (Qt may have changed the error).
bool failedForRoom(int error, const QString& folder, qint64 needed);

// Whether the disk holding `folder` is write-protected (a diskette's tab, a read-only medium).
bool writeProtected(const QString& folder);

// Makes a renamed file's name durable: syncs its folder where the system can. False when the
// disk did not confirm it.
bool makeNameDurable(const QString& folder);

// Whether another program holds `path` open so that it cannot be replaced now (which passes
// after a moment); never on systems where an open file can always be replaced.
bool heldByAnotherProgram(const QString& path);

// Gives the new file being written (not yet renamed) the permissions of the file it is to
// replace, and its owner and group where this process may set them. Nothing for a new file.
void keepAccessOf(QFileDevice& file, const QString& replaced);

} // namespace verimoda
