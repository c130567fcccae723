#!/bin/sh
# Runs the reader's fuzz target for a number of seconds, starting from the test files and the
# corpus kept in the build folder. Fails on any crash, leak, sanitizer report or timeout, and
# keeps the input that caused it in the build folder.
# Usage: scripts/fuzz.sh BUILD_FOLDER SECONDS
set -eu
build=$1
seconds=$2
corpus=$build/fuzz-corpus
artifacts=$build/fuzz-artifacts
log=$build/fuzz.log
mkdir -p "$corpus" "$artifacts"

echo "Fuzzing the reader for ${seconds}s (log: $log)"
if "$build/fuzz_reader" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/reader.dict -artifact_prefix="$artifacts/" -print_final_stats=1 \
    "$corpus" tests/data >"$log" 2>&1; then
    grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))' "$log"
else
    tail -n 60 "$log"
    echo "The fuzz target failed: the input is in $artifacts" >&2
    exit 1
fi
