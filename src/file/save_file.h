// The one way the program replaces a file: the new content goes to a temporary file that takes
// the old one's place only once every byte of it was written, and a save counts as done only when
// both its data and its name are on the disk. Whatever fails on the way (a full disk, a missing
// folder, a drive taken out), the old file stays exactly as it was and no other file is left.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace verimoda {

// Writes `bytes` to `path`. Returns the Italian reason of a failure, one sentence ("Il disco è
// pieno ..."), or nothing when the file is complete and durable.
std::optional<QString> saveWholeFile(const QString& path, const QByteArray& bytes);

} // namespace verimoda
