#include "app/print_system.h"

#include <QLibrary>

#include <cups/cups.h>

namespace verimoda {

// Qt hands the job to CUPS in this thread and drops its answer; CUPS keeps the status of this
// thread's last request, which for a printed sheet is the job's. CUPS is opened only now, where
// Qt's print plugin has loaded it already: linked to the program it would bring some twenty
// libraries into every start.
std::optional<QString> printJobRefused() {
    static QLibrary cups(QStringLiteral("cups"), 2);
    const auto lastError = reinterpret_cast<ipp_status_t (*)()>(cups.resolve("cupsLastError"));
    const auto lastErrorString =
        reinterpret_cast<const char* (*)()>(cups.resolve("cupsLastErrorString"));
    if (!lastError || !lastErrorString)
        return std::nullopt; // no CUPS here: no queue refused anything
    if (lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return std::nullopt;
    return QString::fromUtf8(lastErrorString());
}

} // namespace verimoda
