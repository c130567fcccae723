#!/bin/sh
# Prints the folder of a Qt build for Windows (x86_64-w64-mingw32) to build the program against.
# QT_MINGW_PREFIX may name one: a folder, or an archive of one (.tar.xz, its top folder
# "install/", such as ../shared/windows/qt-6.4.2-mingw-w64.tar.xz), unpacked once into the cache.
# Otherwise Qt is built from packaging/windows/build-qt.sh into the cache, the first time only
# (about 30 minutes on 2 CPUs), keyed by that recipe: a changed recipe builds again.
# The cache: $VERIMODA_CACHE, else ~/.cache/verimoda; never inside a build folder.
set -eu
cache=${VERIMODA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/verimoda}
recipe=$(cd "$(dirname "$0")/.." && pwd)/packaging/windows/build-qt.sh
key() { sha256sum <"$1" | cut -c1-16; }

if [ -n "${QT_MINGW_PREFIX:-}" ]; then
    if [ -d "$QT_MINGW_PREFIX" ]; then
        echo "$QT_MINGW_PREFIX"
        exit 0
    fi
    [ -f "$QT_MINGW_PREFIX" ] || { echo "QT_MINGW_PREFIX: \"$QT_MINGW_PREFIX\" does not exist" >&2; exit 2; }
    dir=$cache/qt-mingw-archive-$(key "$QT_MINGW_PREFIX")
    if [ ! -f "$dir/done" ]; then
        rm -rf "$dir" && mkdir -p "$dir"
        tar -xJf "$QT_MINGW_PREFIX" -C "$dir"
        touch "$dir/done"
    fi
    echo "$dir/install"
    exit 0
fi

dir=$cache/qt-mingw-$(key "$recipe")
if [ ! -f "$dir/done" ]; then
    echo "Building Qt for Windows once, about 30 minutes on 2 CPUs, into $dir" >&2
    rm -rf "$dir" && mkdir -p "$dir"
    bash "$recipe" "$dir/work" "$dir/install" >"$dir/build.log" 2>&1 ||
        { echo "The Qt build failed; its log: $dir/build.log" >&2; exit 1; }
    rm -rf "$dir/work"
    touch "$dir/done"
fi
echo "$dir/install"
