// The sheet file's figures: writing a full sheet to bytes, reading it back, and reading a 10 MB
// malformed file (which must grow linearly with its size). Medians of many runs.
#include "entry/answers.h"
#include "entry/keys.h"
#include "figure.h"
#include "file/reader.h"
#include "file/writer.h"
#include "support/core_sheets.h"

#include <QBuffer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace verimoda;

namespace {

double medianMicroseconds(int runs, const std::function<void()>& run) {
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

void load(const QByteArray& bytes) {
    Sheet sheet;
    AnswerRules answers(sheet);
    ChangeRules changes(sheet);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    loadSheet(sheet, buffer);
}

// Lines repeated up to a size after the three opening lines.
QByteArray repeated(qsizetype megabytes, const QByteArray& lines, const QByteArray& head = {}) {
    QByteArray bytes = "<BODY>\r\n<RIEPILOGO_FINALE>\r\nDATI GENERALI\r\n" + head;
    bytes.reserve(megabytes * 1024 * 1024 + lines.size());
    while (bytes.size() < megabytes * 1024 * 1024)
        bytes += lines;
    return bytes;
}

} // namespace

int main() {
    Sheet full;
    fixture::fillFullSheet(full);
    const QByteArray bytes = sheetFileBytes(full);

    const double write = medianMicroseconds(2000, [&] { sheetFileBytes(full); });
    const double read = medianMicroseconds(2000, [&] { load(bytes); });
    std::printf("Sheet file (%lld bytes), median of 2000 runs:\n", qlonglong(bytes.size()));
    std::printf("  write a full sheet to bytes   %8.1f us   (target under 1000 us)\n", write);
    std::printf("  read a full sheet             %8.1f us   (target under 1000 us)\n", read);
    bench::figure("Write a full sheet", bench::format("%.0f µs", write), "under 1 ms",
                  write < 1000);
    bench::figure("Read a full sheet", bench::format("%.0f µs", read), "under 1 ms", read < 1000);

    std::printf("Large files, median of 7 runs:\n");
    const auto large = [](const char* what, const QByteArray& big) {
        const double ms = medianMicroseconds(7, [&] { load(big); }) / 1000;
        std::printf("  %-44s %6.1f ms  %6.1f MB/s\n", what, ms,
                    double(big.size()) / (1024 * 1024) / (ms / 1000));
        return ms;
    };
    // General lines and no QUESTIONARIO line: every line is read, accent-restored and set.
    const QByteArray general = "0 - Societa' di revisione e' la prima - S.p.A.\r\n";
    large(" 1 MB of general lines, no QUESTIONARIO", repeated(1, general));
    const double five = large(" 5 MB of general lines, no QUESTIONARIO", repeated(5, general));
    const double ten = large("10 MB of general lines, no QUESTIONARIO", repeated(10, general));
    const double slowest = std::max(
        {ten, large("10 MB of empty lines", repeated(10, "\n")),
         large("10 MB of short general lines", repeated(10, "0 - a\r\n0 - b\r\n")),
         large("10 MB of item lines", repeated(10, "42 - 1\r\n0 - Si\r\n", "QUESTIONARIO\r\n"))});
    std::printf("  (target for 10 MB: under 1000 ms)\n");
    bench::figure("Read a 10 MB malformed file, slowest of 4 shapes",
                  bench::format("%.0f ms", slowest), "under 1 s", slowest < 1000);
    // A reader that grows faster than the file shows here long before 10 MB take a second.
    bench::figure("Read time, 10 MB over 5 MB", bench::format("%.1fx", ten / five),
                  "linear: 2x, at most 3x", ten / five <= 3);
    return 0;
}
