#!/bin/sh
# Starts the program, or says in one line how to when there is no display to show it on.
set -eu
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    if command -v xvfb-run >/dev/null 2>&1; then
        how="xvfb-run -a build/verimoda"
    else
        how="sudo apt-get install xvfb xauth && xvfb-run -a build/verimoda"
    fi
    echo "verimoda: nessun display grafico disponibile; avviare il programma con: $how" >&2
    exit 1
fi
exec "$(dirname "$0")/../build/verimoda"
