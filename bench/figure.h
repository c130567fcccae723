// Besides its own report, a benchmark prints one line per figure for scripts/bench.sh, which
// gathers the figures of every benchmark into one table. The line is tab-separated: "figure",
// what was measured, the measured value, the same for a bare QMainWindow where there is one, the
// target, and whether the value meets it ("yes", "no", or empty when there is no target).
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

namespace bench {

// printf into a string.
inline std::string format(const char* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    char buffer[256];
    std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    return buffer;
}

inline void figure(const std::string& what, const std::string& measured, const std::string& target,
                   bool met, const std::string& bare = {}) {
    std::printf("figure\t%s\t%s\t%s\t%s\t%s\n", what.c_str(), measured.c_str(), bare.c_str(),
                target.c_str(), met ? "yes" : "no");
}

// A figure without a target.
inline void figure(const std::string& what, const std::string& measured) {
    std::printf("figure\t%s\t%s\t\t\t\n", what.c_str(), measured.c_str());
}

} // namespace bench
