#!/usr/bin/env bash
# Builds Qt's qtbase for Windows (x86_64-w64-mingw32, shared DLLs) from Debian's own source package,
# with only what the program and its tests use: Core, Gui, Widgets, PrintSupport and Test, the
# Windows and offscreen platforms, the Windows style. About 30 minutes on 2 CPUs (1,100 steps).
# Usage: build-qt.sh WORK_FOLDER INSTALL_FOLDER (run by scripts/windows-qt.sh, which keys the
# result by this file: any change here builds Qt again).
set -eu
work=$1
install=$2
mkdir -p "$work" && cd "$work"
# Debian's source package, through a source list made from the machine's own package list (deb-src
# lines are usually absent).
uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
[ -n "$uri" ] || uri=$(awk '/^deb / {print $2; exit}' /etc/apt/sources.list)
printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$uri" >src.sources
mkdir -p lists/partial
apt_src() {
    apt-get -o Dir::Etc::sourcelist="$work/src.sources" -o Dir::Etc::sourceparts=/nonexistent \
        -o Dir::State::Lists="$work/lists" "$@"
}
apt_src update
apt_src source --download-only qt6-base=6.4.2+dfsg-10
tar xJf qt6-base_6.4.2+dfsg.orig.tar.xz
cat >mingw.cmake <<'TC'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC
# The host tools (moc, rcc, uic) are Debian's qt6-base-dev of the same version. tabletevent off:
# Debian's tarball leaves out the WinTab headers the tablet code needs. No ICU: the program has
# its own code page table.
cmake -S qtbase-everywhere-src-6.4.2 -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$install" -DCMAKE_BUILD_TYPE=Release \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON -DFEATURE_printsupport=ON \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
cmake --build build --parallel "$(nproc)"
cmake --install build
