#include "app/print_system.h"

namespace verimoda {

std::optional<QString> printJobRefused() {
    // The spooler takes every job it is handed; Qt reports a printer that fails to start one.
    return std::nullopt;
}

} // namespace verimoda
