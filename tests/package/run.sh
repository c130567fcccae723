#!/bin/bash
# The Debian package: built with CPack from the build folder, its files and dependencies, the
# desktop entry, the AppStream metadata and the manual page through their validators, lintian;
# then, as root, installed with apt-get on this machine, started from another folder on a private
# X server, and "Salva temp." must open its dialog in the user's own folder. The package is
# removed again afterwards.
# Usage: tests/package/run.sh BUILD_FOLDER
set -u
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY

BUILD=$(realpath "$1")
E2E_DIR=$BUILD/package-test # the name desktop.sh works in
# shellcheck source=tests/e2e/desktop.sh
. "$(dirname "$0")/../e2e/desktop.sh"
need_tools cpack:cmake dpkg-deb:dpkg lintian:lintian desktop-file-validate:desktop-file-utils \
    appstreamcli:appstream man:man-db Xvfb:xvfb xdotool:xdotool openbox:openbox

FAILED=0
check() { # description, command...
    local what=$1
    shift
    if "$@" >"$E2E_DIR/out" 2>&1; then
        note "ok - $what"
    else
        note "not ok - $what"
        grep -v 'Reading database' "$E2E_DIR/out" | tail -n 12 | sed 's/^/    /'
        FAILED=1
    fi
}

rm -rf "$E2E_DIR"
mkdir -p "$E2E_DIR/root" "$E2E_DIR/home" "$E2E_DIR/elsewhere" "$E2E_DIR/runtime"
chmod 700 "$E2E_DIR/runtime"
INSTALLED_HERE=""
finish() {
    stop_processes
    [ -z "$INSTALLED_HERE" ] || dpkg -r verimoda >/dev/null 2>&1
}
trap finish EXIT

build_package() {
    cmake --build "$BUILD" --target verimoda package_files &&
        (cd "$BUILD" && cpack -G DEB) &&
        ls "$BUILD"/verimoda_2.1.*_amd64.deb
}
check "cpack builds build/verimoda_2.1.x_amd64.deb" build_package || exit 1
DEB=$(ls "$BUILD"/verimoda_2.1.*_amd64.deb | head -n 1)

ID=it.ardenza.verimoda
expected_files() {
    printf '%s\n' ./usr/bin/verimoda ./usr/share/applications/$ID.desktop \
        ./usr/share/doc/verimoda/changelog.gz ./usr/share/doc/verimoda/copyright \
        ./usr/share/man/man1/verimoda.1.gz ./usr/share/metainfo/$ID.metainfo.xml \
        ./usr/share/icons/hicolor/scalable/apps/$ID.svg
    for size in 16 24 32 48 64 128 256; do
        echo "./usr/share/icons/hicolor/${size}x$size/apps/$ID.png"
    done
}
files_are_expected() {
    diff <(expected_files | sort) <(dpkg-deb -c "$DEB" | awk '$1 !~ /^d/ { print $6 }' | sort)
}
check "the package holds the program, its desktop entry, icons, metadata and manual" \
    files_are_expected

depends_on_what_it_needs() {
    local depends p
    depends=$(dpkg-deb -f "$DEB" Depends)
    echo "Depends: $depends"
    for p in libqt6widgets6 libqt6printsupport6 libqt6core6 qt6-qpa-plugins fonts-liberation2 \
        qt6-translations-l10n; do
        [[ $depends == *"$p"* ]] || return 1
    done
}
check "it depends on the libraries it links and on its plugins, face and translations" \
    depends_on_what_it_needs

dpkg-deb -x "$DEB" "$E2E_DIR/root"
R=$E2E_DIR/root/usr/share
check "desktop-file-validate accepts the desktop entry" \
    desktop-file-validate "$R/applications/$ID.desktop"
desktop_entry_says() {
    grep -qx 'Name=Verimoda' "$1" && grep -qx 'Categories=Office;Finance;' "$1" &&
        grep -qx "Icon=$ID" "$1" && grep -q '^Comment=Compila' "$1"
}
check "the desktop entry: its name, Italian comment, categories and icon" \
    desktop_entry_says "$R/applications/$ID.desktop"
check "appstreamcli accepts the AppStream metadata" \
    appstreamcli validate --no-net "$R/metainfo/$ID.metainfo.xml"
manual_without_warnings() {
    local warnings
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$R/man/man1/verimoda.1.gz" 2>&1 >/dev/null)
    echo "$warnings"
    [ -z "$warnings" ] && man -l "$R/man/man1/verimoda.1.gz" 2>/dev/null | grep -q 'DESCRIZIONE'
}
check "the Italian manual page reads without warnings" manual_without_warnings
lintian_without_errors() {
    lintian --suppress-tags binary-has-unneeded-section "$DEB" 2>&1 |
        grep -v 'running with root privileges' | tee /dev/stderr | { ! grep -q '^[EW]:'; }
}
check "lintian reports no error and no warning" lintian_without_errors

# Installed, started from another folder: "Salva temp." saves where the dialog opens, the
# program's folder in the user's documents.
saves_in_the_users_folder() {
    local main id file=$E2E_DIR/home/Documents/Verimoda/prova.xml
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$DEB" ||
        return 1
    INSTALLED_HERE=yes
    start_x_server || return 1
    E2E_HOME=$E2E_DIR/home E2E_RUNTIME=$E2E_DIR/runtime
    start_process "$E2E_DIR/openbox.log" openbox --sm-disable
    wait_until 10 window_manager_ready || { echo "no window manager"; return 1; }
    cd "$E2E_DIR/elsewhere" && start_process "$E2E_DIR/verimoda.log" verimoda && cd - >/dev/null
    main=$(find_window 20 --name '^Ardenza - Verimoda v\. 2\.1$') ||
        { echo "no window: $(cat "$E2E_DIR/verimoda.log")"; return 1; }
    xdotool windowactivate "$main" 2>/dev/null
    wait_until 10 active_is "$main" || { echo "the window does not get the keyboard"; return 1; }
    keys shift+Tab shift+Tab shift+Tab shift+Tab space # from the first box to "Salva temp."
    id=$(dialog '^Salva file$') || { echo "no dialog \"Salva file\""; return 1; }
    xdotool type --delay 10 prova.xml
    keys Return
    wait_until 10 test -s "$file" || { echo "no $file"; return 1; }
    wait_until 10 title_is "$main" "Ardenza - Verimoda v. 2.1 - prova.xml"
}
if [ "$(id -u)" != 0 ]; then
    note "skip - installing the package needs root"
elif dpkg-query -W -f='${Status}' verimoda 2>/dev/null | grep -q 'install ok installed'; then
    note "skip - verimoda is installed on this machine already; it is left as it is"
else
    check "installed with apt-get, started from another folder, it saves in ~/Documents/Verimoda" \
        saves_in_the_users_folder
fi
exit $FAILED
