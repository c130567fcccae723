#!/bin/bash
# The Windows program end to end, as a Windows user meets it, under Wine on a private X server
# with a window manager and a system tray: the installer run silently, the program started from
# its Start-menu link, its window and tray icon, a sheet read and saved in Documents\Verimoda,
# "Genera" copying it to the diskette (Wine's drive A: is a folder), the print to a PDF file, the
# uninstaller keeping the user's files; then the portable zip, saving into its own folder.
# Usage: tests/e2e/windows.sh BUILD_WINDOWS_FOLDER OUTPUT_FOLDER
set -u
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY

BUILD=$(realpath "$1")
E2E_DIR=$(realpath -m "$2")
DATA=$(realpath "$(dirname "$0")/../data")
# shellcheck source=tests/e2e/desktop.sh
. "$(dirname "$0")/desktop.sh"

need_tools wine:wine wineboot:wine Xvfb:xvfb xauth:xauth xdotool:xdotool trayer:trayer \
    openbox:openbox import:imagemagick xwininfo:x11-utils xprop:x11-utils pdfinfo:poppler-utils \
    pdftotext:poppler-utils

TITLE="Ardenza - Verimoda v. 2.1"
SETUP=$(ls "$BUILD"/dist/verimoda-*-setup.exe)
ZIP=$(ls "$BUILD"/dist/verimoda-*-windows-x64.zip)
E2E_HOME=$E2E_DIR/home
E2E_RUNTIME=$E2E_DIR/runtime
export WINEPREFIX=$E2E_DIR/wine
DISKETTE=$E2E_DIR/diskette
# Wine's own settings, and no printer: CUPS_SERVER leads nowhere.
WINE_ENV=(env WINEPREFIX="$WINEPREFIX" WINEDEBUG=${E2E_WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
    CUPS_SERVER=/nonexistent)

rm -rf "$E2E_DIR"
mkdir -p "$E2E_HOME" "$E2E_RUNTIME" "$DISKETTE"
chmod 700 "$E2E_RUNTIME"
finish() {
    env WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null
    stop_processes
}
trap finish EXIT
trap 'exit 130' INT TERM

# A Windows program, run to its end.
win() { HOME=$E2E_HOME "${WINE_ENV[@]}" wine "$@" >>"$E2E_DIR/wine.log" 2>&1; }
# The user's folders inside the prefix.
user_folder() { find -L "$WINEPREFIX/drive_c/users" -maxdepth 2 -name "$1" -path "*/$USER_NAME/*" | head -n 1; }

# Starts a program in the background, as the desktop starts it, and finds its window.
start_program() {
    start_process "$E2E_DIR/verimoda-$2.log" "${WINE_ENV[@]}" wine start /wait /unix "$1"
    PROGRAM_PID=$LAST_PID
    MAIN=$(find_window 40 --name "^$TITLE\$") || fail "no window appeared"
    xdotool windowactivate "$MAIN" 2>/dev/null
    wait_until 10 active_is "$MAIN" || fail "the window does not get the keyboard"
    { echo "PROGRAM_PID=$PROGRAM_PID"; echo "MAIN=$MAIN"; } >>"$STATE"
}

# The keyboard's way to a button from the first general box, where the window opens: Shift+Tab
# reaches "Esci", then "Genera", "Leggi", "Salva temp." and "Stampa".
button() {
    local back=$((5 - $1)) keys=()
    while ((back-- > 0)); do keys+=(shift+Tab); done
    keys "${keys[@]}"
}
# Back to the first general box from the button $1.
from_button() {
    local forward=$((5 - $1)) list=()
    while ((forward-- > 0)); do list+=(Tab); done
    keys "${list[@]}"
}

# Qt's file dialog: a name typed, confirmed.
choose_file() {
    local id
    id=$(find_window 20 --name "^$1\$") || fail "no dialog \"$1\""
    wait_until 10 active_is "$id" || fail "the dialog \"$1\" has no keyboard"
    xdotool type --delay 10 -- "$2"
    keys Return
    wait_until 20 gone "$id" || fail "the dialog \"$1\" stays open"
    wait_until 10 active_is "$MAIN" || fail "the window did not get the keyboard back"
}

step_install() {
    # Twice: the second over the first, as over an older version, which its uninstaller removes.
    win "$SETUP" /S || fail "the silent install failed: $(tail -n 3 "$E2E_DIR/wine.log")"
    win "$SETUP" /S || fail "the install over the installed program failed"
    USER_NAME=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n 1)
    echo "USER_NAME=$USER_NAME" >>"$STATE"
    local programs key
    programs=$(find "$WINEPREFIX/drive_c/users/$USER_NAME" -path '*/Programs/Verimoda/verimoda.exe')
    [ -n "$programs" ] || fail "verimoda.exe is not in the user's programs folder"
    echo "INSTALLED=$(dirname "$programs")" >>"$STATE"
    key=$(HOME=$E2E_HOME "${WINE_ENV[@]}" wine reg query \
        'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Verimoda' 2>/dev/null | tr -d '\r')
    for value in "DisplayName.*Verimoda" "DisplayVersion.*2\\.1\\.0" "Publisher.*Ardenza" \
        "DisplayIcon.*verimoda\\.ico" "UninstallString.*uninstall\\.exe"; do
        grep -q "$value" <<<"$key" || fail "the installed programs' entry lacks $value: $key"
    done
    LINK=$(find "$WINEPREFIX/drive_c/users/$USER_NAME" -path '*Start Menu/Programs/Verimoda.lnk')
    [ -n "$LINK" ] || fail "no Start-menu entry \"Verimoda\""
    echo "LINK=\"$LINK\"" >>"$STATE"
}

step_start() {
    local icon
    start_program "$LINK" installed
    [ "$(window_size "$MAIN")" = 792x575 ] || fail "size $(window_size "$MAIN"), expected 792x575"
    icon=$(wait_until 20 tray_icon) || fail "no tray"
    echo "ICON=$icon" >>"$STATE"
    DOCUMENTS=$(user_folder Documents)
    echo "DOCUMENTS=\"$DOCUMENTS\"" >>"$STATE"
    # The user's sheet of last year, in the folder where the program keeps its files.
    mkdir -p "$DOCUMENTS/Verimoda"
    cp "$DATA/full_sheet.xml" "$DOCUMENTS/Verimoda/anno_scorso.xml"
    import -window "$MAIN" "$E2E_DIR/window.png"
}

# The tray: Wine's own tray window, where the program's icon is the first and only one. (Docked
# in an X tray instead, Wine shows the icon's tooltip as a window that takes clicks on the icon.)
tray_icon() { first_window --name '^Wine System Tray$'; }

step_tray() {
    xdotool windowminimize "$MAIN"
    wait_until 10 hidden "$MAIN" || fail "the minimised window is still $(map_state "$MAIN")"
    local menu
    # A Windows user clicks the icon, then "Ripristina", the menu's first entry.
    xdotool mousemove --window "$ICON" 10 10 click 1
    menu=$(find_window 5 --name '^Verimoda$') || fail "a left click on the tray icon opened no menu"
    xdotool mousemove --window "$menu" 30 12 sleep 0.3 click 1
    wait_until 10 viewable "$MAIN" || fail "\"Ripristina\" left the window $(map_state "$MAIN")"
    xdotool windowactivate "$MAIN" 2>/dev/null
    wait_until 10 active_is "$MAIN" || fail "the window came back without the keyboard"
}

# Last year's sheet read ("Leggi"), saved again ("Salva temp."): the same file, byte for byte.
step_read_save() {
    button 2 && keys space
    choose_file "Apri file" "anno_scorso.xml"
    wait_until 10 title_is "$MAIN" "$TITLE - anno_scorso.xml" ||
        fail "title \"$(window_title "$MAIN")\" after reading"
    keys shift+Tab space
    choose_file "Salva file" "e2e.xml"
    wait_until 10 title_is "$MAIN" "$TITLE - e2e.xml" || fail "title \"$(window_title "$MAIN")\""
    cmp "$DOCUMENTS/Verimoda/e2e.xml" "$DATA/full_sheet.xml" || fail "e2e.xml differs from full_sheet.xml"
}

# "Genera" with a diskette in A:: the file in Documents\Verimoda and its copy on the diskette.
step_genera() {
    keys Tab Tab space
    choose_file "Salva file" "e2e_genera.xml"
    for file in "$DOCUMENTS/Verimoda/e2e_genera.xml" "$DISKETTE/e2e_genera.xml"; do
        wait_until 10 test -s "$file" || fail "no $file"
        cmp "$file" "$DATA/full_sheet.xml" || fail "$file differs from full_sheet.xml"
    done
}

# "Stampa" on a machine without printers: the PDF named in a file dialog, its six pages.
step_print() {
    local pdf=$DOCUMENTS/Verimoda/e2e_genera.pdf
    keys shift+Tab shift+Tab shift+Tab space
    choose_file "Stampa" ""
    wait_until 20 test -s "$pdf" || fail "no PDF written"
    [ "$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')" = 6 ] || fail "the PDF has not 6 pages"
    pdftotext "$pdf" - | grep -q "ARDENZA - VERIMODA v. 2.1" || fail "the PDF lacks the title"
}

step_exit() {
    keys Tab Tab Tab Tab space
    wait_until 20 not_running "$PROGRAM_PID" || fail "the program still runs after \"Esci\""
}

uninstall_entry_gone() {
    ! HOME=$E2E_HOME "${WINE_ENV[@]}" wine reg query \
        'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Verimoda' >/dev/null 2>&1
}

# The uninstaller, silent: the program, its Start-menu entry and its entry among the installed
# programs go; the user's sheets stay.
step_uninstall() {
    win "$INSTALLED/uninstall.exe" /S
    wait_until 30 test ! -e "$INSTALLED/verimoda.exe" || fail "verimoda.exe is still installed"
    wait_until 10 test ! -e "$LINK" || fail "the Start-menu entry stays"
    # The uninstaller works from a copy of itself in the background: its last step is the folder.
    wait_until 10 test ! -e "$INSTALLED" || fail "the program folder stays: $(ls "$INSTALLED")"
    wait_until 10 uninstall_entry_gone || fail "the entry among the installed programs stays"
    cmp "$DOCUMENTS/Verimoda/e2e.xml" "$DATA/full_sheet.xml" || fail "the user's sheet is gone"
}

# The portable zip, unpacked anywhere: the program keeps its files in its own folder.
step_portable() {
    local folder=$E2E_DIR/portable
    mkdir -p "$folder" && (cd "$folder" && cmake -E tar xf "$ZIP") || fail "the zip does not unpack"
    start_program "$folder/Verimoda/verimoda.exe" portable
    button 1 && keys space
    choose_file "Salva file" "portatile.xml"
    wait_until 10 test -s "$folder/Verimoda/portatile.xml" || fail "nothing saved beside the program"
    cmp "$folder/Verimoda/portatile.xml" "$DATA/fresh_sheet.xml" ||
        fail "portatile.xml differs from fresh_sheet.xml"
    keys Tab Tab Tab space
    wait_until 20 not_running "$PROGRAM_PID" || fail "the program still runs after \"Esci\""
}

NO_TRAY=1 start_desktop "àèéìòù" || exit 1
: >"$STATE"
HOME=$E2E_HOME "${WINE_ENV[@]}" wineboot -i >"$E2E_DIR/wineboot.log" 2>&1
win reg add 'HKCU\Software\Wine' /v Version /d win10 /f
# The diskette: drive A: a folder, seen by Wine's drive manager from its next start on.
ln -s "$DISKETTE" "$WINEPREFIX/dosdevices/a:"
env WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null

run_step install "the installer, run with /S (twice), installs for the user with a Start-menu entry and an entry among the installed programs"
run_step start "started from its Start-menu link: the title, 792 x 575, the tray icon"
run_step tray "minimised, the window hides in the tray; the icon's menu brings it back"
run_step read_save "\"Leggi\" reads last year's sheet, \"Salva temp.\" writes it in Documents\\Verimoda byte for byte"
run_step genera "\"Genera\" writes the sheet and copies it to the diskette in A:"
run_step print "\"Stampa\" without printers prints the six pages to a PDF file"
run_step exit "\"Esci\" ends the program"
run_step uninstall "the uninstaller, run with /S, removes the program and keeps the user's sheets"
run_step portable "the portable zip, unpacked in a folder, saves into that folder"

if [ -n "$FAILED" ]; then
    note "The Windows end-to-end test failed at \"$FAILED\"; logs and screenshots in $E2E_DIR"
    exit 1
fi
note "All $PASSED Windows end-to-end steps passed"
