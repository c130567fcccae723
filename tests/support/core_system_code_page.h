// Windows-1252 as the operating system converts it, to hold the program's own table against:
// Qt's ICU converter on Linux, the system's code page 1252 on Windows.
#pragma once

#include <QByteArray>
#include <QString>

namespace verimoda::test {

QString systemDecode1252(QByteArrayView bytes);
// The bytes of a text, and whether each character had one (no substitute was needed).
QByteArray systemEncode1252(QStringView text, bool* exact);

} // namespace verimoda::test
