// Time of the checks a "Genera" runs first (ControllaDatiGenerali and ControllaDate) on a complete
// sheet, which walks every stage to the end: median and spread of many runs.
#include "entry/checks.h"
#include "figure.h"
#include "support/core_sheets.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main() {
    using Clock = std::chrono::steady_clock;
    verimoda::Sheet sheet;
    verimoda::fixture::fillFullSheet(sheet);

    constexpr int Runs = 20001;
    std::vector<double> micros;
    micros.reserve(Runs);
    int problems = 0;
    for (int run = 0; run < Runs; ++run) {
        const auto start = Clock::now();
        problems += verimoda::ControllaDatiGenerali(sheet).has_value();
        problems += verimoda::ControllaDate(sheet).has_value();
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("bench_checks: ControllaDatiGenerali + ControllaDate on a complete sheet, %d runs\n"
                "  median %.2f us, fastest %.2f us, 90th percentile %.2f us%s\n",
                Runs, micros[Runs / 2], micros.front(), micros[Runs * 9 / 10],
                problems ? " (the sheet was not complete!)" : "");
    bench::figure("Checks before \"Genera\", complete sheet",
                  bench::format("%.1f µs", micros[Runs / 2]));
    return problems ? 1 : 0;
}
