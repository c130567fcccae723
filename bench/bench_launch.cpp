// Launch to first paint and peak memory of the program, beside a bare QMainWindow measured in
// the same run, and a QMainWindow with one line of text (which, unlike the bare one, loads the
// font system as every window with text must). Each probe is started as a process on the offscreen
// platform. Two times run from just before the start (on the monotonic clock): to the first paint
// event of the window, which comes before any of its children is drawn, and to the end of that
// first frame, the window and all its children drawn: the latter is what the user waits for and
// what the target is about. The peak memory is the process's maximum resident set. Runs alternate
// between the probes after one round that warms the caches and is not counted; medians shown, and
// the fastest run, which a busy machine disturbs least. The load average says how busy it was.
#include "figure.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Sample {
    double paint; // ms to the window's first paint event
    double frame; // ms to the end of that frame
    double mib;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

std::string programFolder() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    std::string exe(path, static_cast<size_t>(n));
    return exe.substr(0, exe.rfind('/'));
}

bool runProbe(const std::string& program, Sample& sample) {
    int out[2];
    if (pipe(out) != 0)
        return false;
    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (FILE* null = std::fopen("/dev/null", "w"))
            dup2(fileno(null), STDERR_FILENO); // Qt's notes about the missing desktop
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    long long paint = 0, frame = 0;
    if (std::sscanf(text.c_str(), "paint %lld frame %lld", &paint, &frame) != 2)
        return false;
    sample = {(paint - start) / 1e6, (frame - start) / 1e6, usage.ru_maxrss / 1024.0};
    return true;
}

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    double one = 0, five = 0;
    in >> one >> five;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f (1 min), %.2f (5 min)", one, five);
    return in ? text : "unknown";
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string folder = programFolder();
    constexpr int Probes = 3;
    const char* names[Probes] = {"bare QMainWindow", "one line of text", "Verimoda"};
    const std::string programs[Probes] = {folder + "/probe_bare", folder + "/probe_text",
                                          folder + "/probe_verimoda"};
    std::vector<double> paint[Probes], frame[Probes], mib[Probes];
    const std::string loadBefore = loadAverage();

    for (int r = -1; r < runs; ++r) // round -1 warms the caches
        for (int p = 0; p < Probes; ++p) {
            Sample s{};
            if (!runProbe(programs[p], s)) {
                std::fprintf(stderr, "bench_launch: %s did not paint\n", programs[p].c_str());
                return 1;
            }
            if (r < 0)
                continue;
            paint[p].push_back(s.paint);
            frame[p].push_back(s.frame);
            mib[p].push_back(s.mib);
        }

    std::printf("Launch offscreen, median (fastest) of %d runs, in ms; load average before %s, "
                "after %s\n",
                runs, loadBefore.c_str(), loadAverage().c_str());
    std::printf("  %-18s %18s %18s %12s\n", "", "first paint event", "first frame drawn",
                "peak (MiB)");
    double p0[Probes], f0[Probes], m[Probes];
    for (int p = 0; p < Probes; ++p) {
        p0[p] = median(paint[p]);
        f0[p] = median(frame[p]);
        m[p] = median(mib[p]);
        std::printf("  %-18s %10.1f (%5.1f) %10.1f (%5.1f) %12.1f\n", names[p], p0[p],
                    *std::min_element(paint[p].begin(), paint[p].end()), f0[p],
                    *std::min_element(frame[p].begin(), frame[p].end()), m[p]);
    }
    std::printf("  Verimoda / bare: %.2fx the time to the first frame (target at most 2x; %.2fx to "
                "the first paint event), %+.1f MiB (target at most +12 MiB)\n",
                f0[2] / f0[0], p0[2] / p0[0], m[2] - m[0]);
    std::printf("  Verimoda / one line of text: %.2fx the time to the first frame, %+.1f MiB\n",
                f0[2] / f0[1], m[2] - m[1]);
    bench::figure(
        "Launch to the first frame drawn", bench::format("%.1f ms (%.2fx)", f0[2], f0[2] / f0[0]),
        "at most 2x the bare window", f0[2] <= 2 * f0[0], bench::format("%.1f ms", f0[0]));
    bench::figure("Peak memory at launch", bench::format("%.1f MiB (%+.1f)", m[2], m[2] - m[0]),
                  "at most 12 MiB more", m[2] - m[0] <= 12, bench::format("%.1f MiB", m[0]));
    return 0;
}
