#!/bin/sh
# Runs every benchmark of a build and prints their figures as one Markdown table, with the machine
# and how busy it was. Each benchmark's own report goes to BUILD/bench-output.txt.
# Usage: scripts/bench.sh [BUILD]
set -eu

build=${1:-build}
out=$build/bench-output.txt
: >"$out"

load() { cut -d' ' -f1 /proc/loadavg; }
load_before=$(load)
status=0
# The launch first, while nothing of ours has warmed the caches; then any other benchmark.
for b in "$build/bench_launch" "$build/bench_file" "$build/bench_checks" "$build/bench_print" \
    "$build"/bench_*; do
    [ -x "$b" ] || continue
    grep -qx "== $b" "$out" && continue
    echo "== $b" >>"$out"
    if ! "$b" >>"$out" 2>&1; then
        echo "$(basename "$b") failed: see $out" >&2
        status=1
    fi
done
load_after=$(load)

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
ram=$(awk '/^MemTotal:/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)
qt=$(pkg-config --modversion Qt6Core 2>/dev/null || echo "?")
echo "Figures of $(date +%Y-%m-%d), medians of repeated runs (reports in $out)."
echo "Machine: $(nproc) CPUs ($cpu), $ram RAM, Debian $(cat /etc/debian_version), Qt $qt;" \
    "load average $load_before before, $load_after after."
echo

# The rows come from the benchmarks' "figure" lines (bench/figure.h), columns padded to align;
# bytes read as bytes, so that a UTF-8 character counts as one column.
LC_ALL=C awk -F'\t' '
    function width(s,   t) { t = s; return length(s) - gsub(/[\200-\277]/, "", t) }
    function pad(s, n) { while (width(s) < n) s = s " "; return s }
    BEGIN {
        n = split("Figure|Verimoda|Bare QMainWindow|Target|Met", head, "|")
        rows = 1; for (c = 1; c <= n; ++c) cell[1, c] = head[c]
    }
    $1 == "figure" {
        ++rows
        for (c = 1; c <= n; ++c) cell[rows, c] = $(c + 1) == "" ? "-" : $(c + 1)
    }
    END {
        for (r = 1; r <= rows; ++r)
            for (c = 1; c <= n; ++c) if (width(cell[r, c]) > w[c]) w[c] = width(cell[r, c])
        for (r = 1; r <= rows; ++r) {
            line = "|"
            for (c = 1; c <= n; ++c) line = line " " pad(cell[r, c], w[c]) " |"
            print line
            if (r == 1) {
                line = "|"
                for (c = 1; c <= n; ++c) { d = ""; while (length(d) < w[c] + 2) d = d "-"; line = line d "|" }
                print line
            }
        }
    }' "$out"
exit $status
