// The Windows diskette drive "A:": there when it is a removable drive, ready when its free space
// can be read.
#pragma once

#include "app/platform.h"

namespace verimoda {

// The state a drive type (GetDriveTypeW) and a free-space query give.
Platform::Diskette disketteStateFor(unsigned driveType, bool freeSpaceRead);

} // namespace verimoda
