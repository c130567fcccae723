#include "support/core_system_code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace verimoda::test {

QString systemDecode1252(QByteArrayView bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.isValid() ? decoder(bytes) : QString();
}

QByteArray systemEncode1252(QStringView text, bool* exact) {
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder(text);
    *exact = encoder.isValid() && !encoder.hasError();
    return bytes;
}

} // namespace verimoda::test
