#!/bin/sh
# Runs a Windows test program of build-windows under Wine, as CTest's emulator: in the Wine prefix
# that scripts/windows.sh made for the tests (never the user's ~/.wine), with the DLLs of Qt and of
# the MinGW runtime on the path. Qt's test log goes through a file, since a Qt program under Wine
# writes nothing to a pipe.
# Usage: wine-run.sh PROGRAM.exe [ARGUMENTS]
set -u
: "${WINEPREFIX:?no Wine prefix: run the Windows tests with make test-windows}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="Z:${VERIMODA_QT:?}/bin;Z:/usr/lib/gcc/x86_64-w64-mingw32/12-posix;Z:/usr/x86_64-w64-mingw32/lib"
log=$(mktemp)
wine "$@" -o "Z:$log,txt"
status=$?
cat "$log"
rm -f "$log"
exit "$status"
