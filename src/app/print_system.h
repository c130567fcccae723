// Whether the print system took the job just handed to it: Qt does not tell when a queue refuses
// one. One implementation file per system (print_system_linux.cpp, print_system_windows.cpp).
#pragma once

#include <QString>

#include <optional>

namespace verimoda {

// Right after a job went to a printer (not to a file): why the print system refused it, in the
// words it gave, or nothing when it took the job.
std::optional<QString> printJobRefused();

} // namespace verimoda
