#!/bin/sh
# Starts the program, or says in one line how to when there is no display to show it on.
set -eu
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "verimoda: nessun display grafico disponibile; avviare il programma con: xvfb-run -a build/verimoda" >&2
    exit 1
fi
exec "$(dirname "$0")/../build/verimoda"
