// The Linux diskette drive: the first floppy mount folder that exists, ready when a file system is
// mounted on it.
#pragma once

#include "app/platform.h"

#include <QByteArray>
#include <QStringList>

namespace verimoda {

QStringList disketteCandidates();
// The first of `candidates` that is an existing folder ("" when none is).
QString disketteFolderAmong(const QStringList& candidates);
// Ready when a file system is mounted on `folder`, as `mounts` (in the format of
// /proc/self/mounts) tells.
Platform::Diskette disketteState(const QString& folder, const QByteArray& mounts);

} // namespace verimoda
