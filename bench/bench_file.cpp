// The sheet file's figures: writing a full sheet to bytes, reading it back, and reading a 10 MB
// malformed file (which must grow linearly with its size). Medians of many runs.
#include "entry/answers.h"
#include "entry/keys.h"
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

// General lines and no QUESTIONARIO line: every line is read, set and accent-restored.
QByteArray malformed(qsizetype megabytes) {
    QByteArray bytes = "<BODY>\r\n<RIEPILOGO_FINALE>\r\nDATI GENERALI\r\n";
    const QByteArray line = "0 - Societa' di revisione e' la prima - S.p.A.\r\n";
    bytes.reserve(megabytes * 1024 * 1024 + line.size());
    while (bytes.size() < megabytes * 1024 * 1024)
        bytes += line;
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

    std::printf("Malformed file (general lines, no QUESTIONARIO line), median of 7 runs:\n");
    for (qsizetype mb : {1, 5, 10}) {
        const QByteArray big = malformed(mb);
        const double ms = medianMicroseconds(7, [&] { load(big); }) / 1000;
        std::printf("  read %2lld MB                    %8.1f ms   %6.1f MB/s%s\n", qlonglong(mb),
                    ms, double(mb) / (ms / 1000), mb == 10 ? "   (target under 1000 ms)" : "");
    }
    return 0;
}
