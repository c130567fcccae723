#include "support/core_system_code_page.h"

#include <windows.h>

namespace verimoda::test {

QString systemDecode1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    const int n = MultiByteToWideChar(1252, 0, bytes.data(), int(bytes.size()),
                                      reinterpret_cast<wchar_t*>(text.data()), int(text.size()));
    text.truncate(n);
    return text;
}

QByteArray systemEncode1252(QStringView text, bool* exact) {
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    BOOL substituted = FALSE;
    const int n = WideCharToMultiByte(
        1252, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(text.utf16()),
        int(text.size()), bytes.data(), int(bytes.size()), nullptr, &substituted);
    bytes.truncate(n);
    *exact = n > 0 && !substituted;
    return bytes;
}

} // namespace verimoda::test
