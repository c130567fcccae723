#!/bin/bash
# The Windows program, built on Debian: `windows.sh build` makes build-windows/dist/ (the installer
# and the portable zip); `windows.sh test` also runs the core and window tests under Wine through
# CTest, then the end-to-end test of the installed program (tests/e2e/windows.sh).
# The tests' Wine prefix is build-windows/wine, never the user's ~/.wine.
set -eu
cd "$(dirname "$0")/.."
out=build-windows
qt=$(scripts/windows-qt.sh)

if ! grep -qs "^QT_MINGW_PREFIX:.*=$qt\$" "$out/CMakeCache.txt"; then
    cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
        -DQT_MINGW_PREFIX="$qt" -DCMAKE_PREFIX_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release -DVERIMODA_WERROR=ON \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/scripts/wine-run.sh"
fi
cmake --build "$out"
ls -l "$out"/dist/*
[ "${1:-build}" = test ] || exit 0

export WINEPREFIX=$PWD/$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/.verimoda-ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Qt sees Windows 10; the tests' windows are offscreen (Wine passes no QT_ variable on).
    wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
    wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.verimoda-ready"
fi

# A full disk: drive F: is a small tmpfs (mounting needs root, as CI runs; otherwise those cases
# skip with their reason).
disk=$PWD/$out/fulldisk
cleanup() {
    wineserver -k 2>/dev/null || true
    if mountpoint -q "$disk"; then umount -l "$disk"; fi
    rm -f "$WINEPREFIX/dosdevices/f:"
}
trap cleanup EXIT
mkdir -p "$disk"
rm -f "$WINEPREFIX/dosdevices/f:"
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=256k,mode=0777 tmpfs "$disk"; then
    ln -s "$disk" "$WINEPREFIX/dosdevices/f:"
    export VERIMODA_FULL_DISK=F:/
fi
(cd "$out" && ctest --output-on-failure)
bash tests/e2e/windows.sh "$out" "$out/e2e"
