#!/bin/sh
# Installs the Debian packages the build and the tests need, when any is missing.
# Usage: scripts/deps.sh [build|package|test|windows|windows-test]
set -eu

build="build-essential cmake ninja-build qt6-base-dev qt6-l10n-tools libcups2-dev qt6-translations-l10n fonts-liberation2"
package="$build dpkg-dev"
test="$package lintian desktop-file-utils appstream man-db fonts-dejavu-core poppler-utils clang libclang-rt-14-dev xvfb xauth xdotool xclip trayer openbox imagemagick x11-utils x11-session-utils x11-xserver-utils cups-daemon cups-client cups-filters cups-core-drivers"

# Windows, cross-built: MinGW-w64, Qt's host tools, NSIS; and for its tests Wine and the desktop.
windows="cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n fonts-liberation2 nsis perl xz-utils ca-certificates"
windows_test="$windows wine wine64 xvfb xauth xdotool trayer openbox imagemagick x11-utils poppler-utils"

case "${1:-build}" in
build) wanted=$build ;;
package) wanted=$package ;;
test) wanted=$test ;;
windows) wanted=$windows ;;
windows-test) wanted=$windows_test ;;
*) echo "uso: $0 [build|package|test|windows|windows-test]" >&2; exit 2 ;;
esac

missing=""
for p in $wanted; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing Debian packages:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
