#include "support/core_file_access.h"

namespace verimoda::test {

bool mayChangeOwners() {
    return false;
}

bool setAccess(const QString&, int, std::optional<uint>) {
    return false;
}

std::optional<FileAccess> accessOf(const QString&) {
    return std::nullopt; // a file takes its folder's permissions
}

int newFileMode() {
    return 0;
}

bool makePipe(const QString&) {
    return false; // pipes live outside the file system
}

} // namespace verimoda::test
