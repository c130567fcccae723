#include "app/print_system.h"

#include <cups/cups.h>

namespace verimoda {

// Qt hands the job to CUPS in this thread and drops its answer; CUPS keeps the status of this
// thread's last request, which for a printed sheet is the job's.
std::optional<QString> printJobRefused() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return std::nullopt;
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace verimoda
