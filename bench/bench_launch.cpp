// Launch to first paint and peak memory of the program, beside a bare QMainWindow measured in
// the same run, and a QMainWindow with one line of text (which, unlike the bare one, loads the
// font system as every window with text must). Each probe is started as a process on the offscreen
// platform; the time runs from just before the start to the probe's first paint (both on the
// monotonic clock), the peak memory is the process's maximum resident set. Runs alternate between
// the two; medians shown.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Sample {
    double ms;
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
    long long painted = 0;
    if (std::sscanf(text.c_str(), "paint %lld", &painted) != 1)
        return false;
    sample = {(painted - start) / 1e6, usage.ru_maxrss / 1024.0};
    return true;
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
    std::vector<double> ms[Probes], mib[Probes];

    for (int r = 0; r < runs; ++r)
        for (int p = 0; p < Probes; ++p) {
            Sample s{};
            if (!runProbe(programs[p], s)) {
                std::fprintf(stderr, "bench_launch: %s did not paint\n", programs[p].c_str());
                return 1;
            }
            ms[p].push_back(s.ms);
            mib[p].push_back(s.mib);
        }

    std::printf("Launch to first paint, offscreen, median of %d runs\n", runs);
    std::printf("  %-18s %10s %14s\n", "", "time (ms)", "peak (MiB)");
    double t[Probes], m[Probes];
    for (int p = 0; p < Probes; ++p) {
        t[p] = median(ms[p]);
        m[p] = median(mib[p]);
        std::printf("  %-18s %10.1f %14.1f\n", names[p], t[p], m[p]);
    }
    std::printf("  Verimoda / bare: %.2fx the time (target at most 2x), %+.1f MiB (target at most "
                "+12 MiB)\n",
                t[2] / t[0], m[2] - m[0]);
    std::printf("  Verimoda / one line of text: %.2fx the time, %+.1f MiB\n", t[2] / t[1],
                m[2] - m[1]);
    return 0;
}
