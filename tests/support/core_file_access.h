// What a file's access is made of where the system has modes and owners (Linux), and a pipe that
// blocks whoever opens it. Where the system has neither (Windows), the functions say so and the
// tests that need them skip.
#pragma once

#include <QString>

#include <optional>

namespace verimoda::test {

struct FileAccess {
    int mode = 0; // permission bits
    uint owner = 0;
    uint group = 0;
};

// Whether owners can be changed here (root on Linux).
bool mayChangeOwners();
// Sets a file's mode, and its owner and group when `owner` is given and may be changed.
bool setAccess(const QString& path, int mode, std::optional<uint> owner);
// A file's access; nothing where files have no modes.
std::optional<FileAccess> accessOf(const QString& path);
// The mode a new file gets here.
int newFileMode();
// Makes a named pipe; false where there are none in the file system.
bool makePipe(const QString& path);

} // namespace verimoda::test
