#!/bin/bash
# End-to-end tests: the real program on a real X server with a window manager and a system tray,
# driven by keys and clicks as a user drives it. Each step depends on the ones before; the first
# failure keeps a screenshot of the whole screen and skips the rest.
# Usage: tests/e2e/run.sh PROGRAM OUTPUT_FOLDER
set -u
export LC_ALL=C.UTF-8 # one character at a time, whatever the caller's locale
unset DISPLAY WAYLAND_DISPLAY # nothing here may reach the user's own display

PROGRAM=$(realpath "$1")
E2E_DIR=$(realpath -m "$2")
DATA=$(realpath "$(dirname "$0")/../data")
# shellcheck source=tests/e2e/desktop.sh
. "$(dirname "$0")/desktop.sh"
# shellcheck source=tests/e2e/cups.sh
. "$(dirname "$0")/cups.sh"

need_tools xclip:xclip xsm:x11-session-utils iceauth:x11-xserver-utils cupsreject:cups-client Xvfb:xvfb xauth:xauth xdotool:xdotool trayer:trayer openbox:openbox \
    import:imagemagick compare:imagemagick xwininfo:x11-utils xprop:x11-utils \
    pdfinfo:poppler-utils pdftotext:poppler-utils cupsd:cups-daemon lpadmin:cups-client \
    /usr/lib/cups/filter/pdftopdf:cups-filters

TITLE="Ardenza - Verimoda v. 2.1"
PROGRAM_FOLDER=$(dirname "$PROGRAM")
FILES=$E2E_DIR/files # the sheet files the tests save and read
E2E_HOME=$E2E_DIR/home
E2E_RUNTIME=$E2E_DIR/runtime
# The print dialog offers a PDF in the program folder named after the sheet file last saved.
PDF=$PROGRAM_FOLDER/e2e_again.pdf
MAIN="" # the main window and the tray icon, found by the first step
ICON=""

rm -rf "$E2E_DIR"
mkdir -p "$FILES" "$E2E_HOME" "$E2E_RUNTIME"
chmod 700 "$E2E_RUNTIME"
rm -f "$PDF"

finish() {
    stop_processes
    rm -f "$PDF"
    rm -rf "$E2E_HOME" "$E2E_RUNTIME"
}
trap finish EXIT
trap 'exit 130' INT TERM

# --- The sheet -----------------------------------------------------------------------------

# The first keyboard position of each page: the general data, the option boxes, the items, and
# the five buttons at 181-185.
PAGE_START=(0 27 61 95 99 121 135 145)
BUTTON_START=181
# The "- Non compilare" boxes (items 45, 49, 53, 54, 56, 58) keep their positions, but Tab passes
# over them.
SKIPPED_POSITIONS=" 123 127 131 132 134 136 "

# The number of Tab presses from keyboard position $1 to position $2.
tabs_between() {
    local p n=0
    for ((p = $1 + 1; p <= $2; p++)); do
        [[ $SKIPPED_POSITIONS == *" $p "* ]] || n=$((n + 1))
    done
    echo "$n"
}

# The complete sheet of tests/data/full_sheet.xml: every general text, one box of each option
# group, every question answered by turns, every indicator box filled.
GENERAL=(
    "Società Perù Costruzioni - Forlì S.p.A."
    "01234567890" "31" "12" "2005" "30" "06" "2006"
    "Revisori è perché Niccolò S.r.l."
    "09876543210"
    "  ÀÈÉÌÒÙ Rossi d'Amico po'"
    "RSSMRA70A01H501Z"
)
TICKED_OPTIONS=" 1 4 7 9 "

is_question_row() { (($1 <= 26 || ($1 >= 39 && $1 <= 41) || $1 >= 67)); }
na_available() { [[ " 0 6 12 18 24 25 26 39 40 " != *" $1 "* ]] && (($1 < 67)); }
non_compilare() { [[ " 45 49 53 54 56 58 " == *" $1 "* ]]; }

# Keys waiting to be sent in one go, and typed texts, which go at once after them.
PENDING_KEYS=()
press() { PENDING_KEYS+=("$@"); }
send_keys() {
    [ "${#PENDING_KEYS[@]}" = 0 ] || keys "${PENDING_KEYS[@]}"
    PENDING_KEYS=()
}
write() {
    send_keys
    xdotool type --delay 10 -- "$1"
}

# Fills the fresh sheet from the first general box on, walking the whole keyboard order with
# Tab and ticking with Space. A full day or month box hands the focus on by itself.
fill_sheet() {
    local i answer box
    for i in "${!GENERAL[@]}"; do
        write "${GENERAL[i]}"
        case $i in 2 | 3 | 5 | 6) ;; *) press Tab ;; esac
    done
    for ((i = 0; i < 15; i++)); do
        [[ $TICKED_OPTIONS != *" $i "* ]] || press space
        press Tab
    done
    for ((i = 0; i < 85; i++)); do
        if is_question_row "$i"; then
            answer=$((i % 3)) # Si, No, N/A by turns; Si where N/A cannot be chosen
            if [ "$answer" = 2 ] && ! na_available "$i"; then answer=0; fi
            for box in 0 1 2; do
                [ "$box" = 2 ] && ! na_available "$i" && continue
                [ "$box" = "$answer" ] && press space
                press Tab
            done
        elif [ "$i" = 50 ]; then
            write "12,5" && press Tab
        elif non_compilare "$i"; then
            : # greyed, out of the Tab walk
        else
            write "$( ((i % 2 == 0)) && echo -)$((i * 1013))" && press Tab
        fi
    done
    send_keys
}

# --- Steps ---------------------------------------------------------------------------------

step_window() {
    local main icon expected
    main=$(find_window 20 --name "^Ardenza - Verimoda v\\. 2\\.1$") || fail "no window appeared"
    echo "MAIN=$main" >>"$STATE"
    icon=$(wait_until 10 tray_icon) || fail "no icon in the tray"
    echo "ICON=$icon" >>"$STATE"
    title_is "$main" "$TITLE" || fail "title \"$(window_title "$main")\""
    expected=$(awk -v dpi="$SCREEN_DPI" \
        'BEGIN { printf "%dx%d", int(11880 * dpi / 1440 + 0.5), int(8625 * dpi / 1440 + 0.5) }')
    [ "$(window_size "$main")" = "$expected" ] ||
        fail "size $(window_size "$main"), expected $expected at $SCREEN_DPI DPI"
    xdotool windowactivate "$main" 2>/dev/null
    wait_until 10 active_is "$main" || fail "the window does not get the keyboard"
}

tabs() {
    local n=$1 list=()
    while ((n-- > 0)); do list+=(Tab); done
    keys "${list[@]}"
}

# Tab from the first general box to the first control of every page, then round to the start
# again; a page chosen from the tab strip by keyboard must look the same, and every other page
# different.
step_tab_walk() {
    local page position=0 steps shot previous="" other
    for page in 1 2 3 4 5 6 7 0; do
        if [ "$page" = 0 ]; then
            steps=$(($(tabs_between "$position" $((BUTTON_START + 4))) + 1))
        else
            steps=$(tabs_between "$position" "${PAGE_START[page]}")
        fi
        tabs "$steps"
        position=${PAGE_START[page]}
        shot=$E2E_DIR/tab-page$page.png
        settled_shot "$MAIN" "$shot" "$previous" || fail "Tab to page $page changed nothing"
        previous=$shot
    done
    for page in 1 2 3 4 5 6 7 0; do
        keys ctrl+Next
        shot=$E2E_DIR/chosen-page$page.png
        settled_shot "$MAIN" "$shot" "$previous" || fail "Ctrl+PageDown to page $page changed nothing"
        previous=$shot
        same_picture "$shot" "$E2E_DIR/tab-page$page.png" ||
            fail "page $page chosen on the tab strip differs from page $page reached with Tab" \
                "by $(pixel_difference "$shot" "$E2E_DIR/tab-page$page.png") pixels"
        other=$(((page + 1) % 8))
        ! same_picture "$shot" "$E2E_DIR/tab-page$other.png" || fail "page $page looks like page $other"
    done
}

step_fill() {
    fill_sheet
}

# The name a file of the tests has in the window's title: its path below the program folder.
shown_name() {
    case $1 in "$PROGRAM_FOLDER"/*) echo "${1#"$PROGRAM_FOLDER"/}" ;; *) basename "$1" ;; esac
}

# Types a file's path into Qt's file dialog and confirms it.
choose_file() {
    local id
    id=$(dialog "^$1\$") || fail "no dialog \"$1\""
    xdotool type --delay 10 -- "$2"
    keys Return
    wait_until 10 gone "$id" || fail "the dialog \"$1\" stays open"
}

# The program's tray icon: its window lies inside the tray's panel.
tray_icon() {
    local panel icon
    panel=$(first_window --classname '^panel$') || return 1
    icon=$(xwininfo -tree -id "$panel" 2>/dev/null | awk '/\("verimoda" / { print $1; exit }')
    [ -n "$icon" ] && printf '%d\n' "$icon"
}

# The windows of the program shown besides the main window and the tray icon: dialogs, menus,
# the pop-up list of a file dialog's name box.
other_windows() {
    windows_matching --onlyvisible --classname '^verimoda$' |
        grep -vx -e "$MAIN" -e "$ICON" | grep .
}
only_main_window() { ! other_windows >/dev/null; }

# After a dialog: the keys that follow go to the window only once it has the keyboard again. A
# pop-up list of the file dialog (it names the files that match what was typed) keeps the
# keyboard until the dialog is gone for good.
back_in_window() {
    wait_until 5 only_main_window || fail "a window stays open: $(other_windows | xargs)"
    wait_until 5 active_is "$MAIN" || fail "the window did not get the keyboard back"
}

# Saves the sheet through "Salva temp." (the focused button) and checks the file written.
save_sheet() {
    local file=$FILES/$1
    keys space
    choose_file "Salva file" "$file"
    back_in_window
    wait_until 10 title_is "$MAIN" "$TITLE - $(shown_name "$file")" ||
        fail "title \"$(window_title "$MAIN")\" after saving $1"
    cmp "$file" "$DATA/full_sheet.xml" ||
        fail "$1 differs from full_sheet.xml:" "$(diff -a "$file" "$DATA/full_sheet.xml" | head -n 8)"
}

# The question asked before unsaved edits are lost, answered with the Alt key of a button.
answer_question() {
    local id
    id=$(dialog '^Warning$') || fail "no question"
    alt "$1"
    wait_until 5 gone "$id" || fail "Alt+$1 did not answer the question"
}

# From "Stampa", where the filling ends, to "Salva temp.".
step_save() {
    keys Tab
    save_sheet e2e_sheet.xml
}

# An edit ("No" ticked in the last row), "Leggi" with its question answered "No", and the file
# read back (a copy, so that the title tells the read has been done): saved again, it is the
# same file.
step_read() {
    local copy=$FILES/e2e_copy.xml
    cp "$FILES/e2e_sheet.xml" "$copy"
    keys shift+Tab shift+Tab space Tab Tab Tab space
    answer_question n
    choose_file "Apri file" "$copy"
    back_in_window
    wait_until 10 title_is "$MAIN" "$TITLE - $(shown_name "$copy")" ||
        fail "title \"$(window_title "$MAIN")\" after reading"
    keys shift+Tab
    save_sheet e2e_again.xml
}

pdf_pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'; }
pdf_has_pages() { [ "$(pdf_pages "$1")" = "$2" ]; }

# From "Salva temp." to "Stampa": the print dialog, whose only printer on a machine without
# printers is a PDF file named after the sheet.
step_print() {
    local id
    keys shift+Tab space
    id=$(dialog '^Stampa$') || fail "no print dialog"
    settled_shot "$id" "$E2E_DIR/print-dialog-pdf.png"
    keys End Return
    wait_until 10 gone "$id" || fail "the print dialog stays open"
    back_in_window
    wait_until 20 pdf_has_pages "$PDF" 6 ||
        fail "$(basename "$PDF"): $(pdf_pages "$PDF" || echo no) pages instead of 6"
    mv "$PDF" "$E2E_DIR/printed.pdf"
}

# The words of a PDF in reading order, without the runs of dots and underscores (their length
# follows the width of the printed area).
pdf_words() {
    pdftotext -enc UTF-8 "$1" - | sed -E 's/[._]{2,}/ /g' | tr -s ' \f\n' '\n\n\n' | grep .
}

# Every word of a PDF from CUPS inside the queue's printable area (its PPD's "left bottom right
# top" in points), within 0.15 points; the underscore rules may run past its right end by less
# than one of theirs. Prints the margins found, in millimetres.
inside_printable_area() {
    local area
    area=$(ppd_imageable_area)
    pdftotext -bbox "$1" - | awk -v area="$area" '
        BEGIN { split(area, a, " "); mm = 25.4 / 72; l = t = r = b = 1e9 }
        /<page / { match($0, /height="[0-9.]+"/); h = substr($0, RSTART + 8, RLENGTH - 9) + 0
                   match($0, /width="[0-9.]+"/); w = substr($0, RSTART + 7, RLENGTH - 8) + 0 }
        /<word / {
            split($0, f, "\""); x0 = f[2]; y0 = f[4]; x1 = f[6]; y1 = f[8]
            word = $0; sub(/.*">/, "", word); sub(/<.*/, "", word)
            rule = word ~ /^_+$/
            if (x0 < l) l = x0; if (y0 < t) t = y0; if (h - y1 < b) b = h - y1
            if (!rule && w - x1 < r) r = w - x1
            if (x0 < a[1] - 0.15 || y0 < h - a[4] - 0.15 || y1 > h - a[2] + 0.15 ||
                x1 > a[3] + (rule ? 6.7 : 0.15)) { print "outside: " word; bad = 1 }
        }
        END { printf "margins left %.1f mm, right %.1f mm, top %.1f mm, bottom %.1f mm\n",
                     l * mm, r * mm, t * mm, b * mm; exit bad }'
}

# From "Stampa": the print dialog lists the test queue (the print system's default); chosen there,
# the sheet goes through CUPS and comes out of the queue's printer as six pages, every word of
# the PDF printed before readable, and nothing outside the printable area of the queue's paper.
step_print_cups() {
    local id started measured
    keys space
    id=$(dialog '^Stampa$') || fail "no print dialog"
    settled_shot "$id" "$E2E_DIR/print-dialog.png"
    started=$EPOCHREALTIME
    keys Home Return
    wait_until 10 gone "$id" || fail "the print dialog stays open"
    wait_until 30 pdf_has_pages "$CUPS_OUTPUT" 6 ||
        fail "the queue printed $(pdf_pages "$CUPS_OUTPUT" || echo no) pages instead of 6"
    note "    printed through CUPS in $(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.2f s", b - a }')"
    back_in_window
    diff <(pdf_words "$E2E_DIR/printed.pdf") <(pdf_words "$CUPS_OUTPUT") >"$E2E_DIR/cups-words.diff" ||
        fail "the queue's PDF reads otherwise than the PDF file: $(head -n 6 "$E2E_DIR/cups-words.diff")"
    measured=$(inside_printable_area "$CUPS_OUTPUT") || fail "$measured"
    note "    $measured"
}

# Minimising hides the window (no taskbar button either); a left click on the tray icon opens
# the menu, whose first item, "Ripristina", brings the window back as it was.
step_tray() {
    local menu
    settled_shot "$MAIN" "$E2E_DIR/before-hiding.png"
    xdotool windowminimize "$MAIN"
    wait_until 5 hidden "$MAIN" || fail "the minimised window is still $(map_state "$MAIN")"
    viewable "$ICON" || fail "the tray icon went with the window"
    xdotool mousemove --window "$ICON" 5 5 click 1
    menu=$(wait_until 5 other_windows | head -n 1)
    [ -n "$menu" ] || fail "a left click on the tray icon opened no menu"
    keys Down Return
    wait_until 5 gone "$menu" || fail "the menu stays open"
    wait_until 5 viewable "$MAIN" || fail "\"Ripristina\" left the window $(map_state "$MAIN")"
    wait_until 5 managed "$MAIN" || fail "the window came back without its taskbar button"
    xdotool mousemove 0 "${SCREEN_SIZE#*x}"
    wait_until 5 active_is "$MAIN" || fail "the window came back without the keyboard"
    # The focus is back on "Stampa": Tab and Shift+Tab come back to it, and the window looks as
    # it did (the focus frame shows again after the keys).
    keys Tab shift+Tab
    wait_until 5 looks_like "$MAIN" "$E2E_DIR/before-hiding.png" ||
        fail "the window came back changed" \
            "($(pixel_difference "$E2E_DIR/now.png" "$E2E_DIR/before-hiding.png") pixels)"
}

# From "Stampa", on an Italian keyboard: Alt+G, Alt+S and Alt+X type nothing into the company's
# name (its text selected, as after Tab), AltGr+ò and AltGr+à type "@" and "#" at its end. Saved
# with "Salva temp.", the name reads so in the file; then the two characters go again.
step_alt_keys() {
    local file=$FILES/e2e_alt.xml name
    tabs 5
    load_keyboard "pc+it+inet(evdev)" || fail "no Italian keyboard: $(cat "$E2E_DIR/xkbcomp.log")"
    alt g && alt s && alt x
    keys End
    altgr ograve && altgr agrave
    load_keyboard "$US_KEYBOARD" || fail "the keyboard could not be put back"
    keys shift+Tab shift+Tab shift+Tab shift+Tab space
    choose_file "Salva file" "$file"
    back_in_window
    wait_until 10 title_is "$MAIN" "$TITLE - $(shown_name "$file")" ||
        fail "title \"$(window_title "$MAIN")\" after saving e2e_alt.xml"
    name=$(iconv -f WINDOWS-1252 -t UTF-8 "$file" | sed -n '4p' | tr -d '\r')
    [ "$name" = "0 - Societa' Peru' Costruzioni - Forli' S.p.A.@#" ] ||
        fail "the name reads \"$name\" in the file"
    tabs 4
    keys End BackSpace BackSpace shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
}

# Puts a text on the X clipboard, as another program's copy does: xclip serves it, in the
# foreground so that the step can end it, until the next copy takes over.
copy_to_clipboard() {
    [ -z "${CLIP_PID:-}" ] || kill "$CLIP_PID" 2>/dev/null
    printf '%s' "$1" | xclip -quiet -selection clipboard >/dev/null 2>&1 &
    CLIP_PID=$!
    sleep 0.3
}

# From "Stampa": a paste the tax-code box cannot take, from the real clipboard, changes nothing
# and a note beside the box says why; last year's code and date, selected as Tab leaves them,
# are replaced by a pasted code and a date typed in one go; the file has them. Then both are put
# back, and the keyboard is on "Stampa" again.
step_typing() {
    local file=$FILES/e2e_typing.xml lines
    tabs 6
    copy_to_clipboard "€ 12.345,67"
    keys ctrl+v
    find_window 5 --name '^Il codice fiscale ha 11 cifre\.$' >/dev/null ||
        fail "no note beside the box on the refused paste"
    copy_to_clipboard "12345678901"
    keys ctrl+v Tab
    xdotool type --delay 10 -- 30092024
    kill "$CLIP_PID" 2>/dev/null
    keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
    choose_file "Salva file" "$file"
    back_in_window
    lines=$(sed -n '5,8p' "$file" | tr -d '\r' | paste -sd '|')
    [ "$lines" = "1 - 12345678901|2 - 30|3 - 09|4 - 2024" ] || fail "the file has \"$lines\""
    tabs 5
    xdotool type --delay 10 -- 01234567890
    keys Tab
    xdotool type --delay 10 -- 31122005
    keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
}

# From "Stampa": minimised while the print dialog is open, the window stays on the taskbar and
# the tray's menu does not open; brought back, the dialog is there, and once it is cancelled the
# keyboard is in the window again.
step_dialog_minimised() {
    local id
    keys space
    id=$(dialog '^Stampa$') || fail "no print dialog"
    xdotool windowminimize "$MAIN"
    sleep 0.5
    managed "$MAIN" || fail "minimised with a dialog open, the window left the taskbar"
    xdotool mousemove --window "$ICON" 5 5 click 1
    sleep 0.5
    ! other_windows | grep -vx "$id" | grep -q . || fail "the tray menu opened while the dialog waits"
    xdotool windowactivate "$MAIN" 2>/dev/null
    wait_until 5 viewable "$id" || fail "the dialog did not come back with the window"
    xdotool windowactivate "$id" 2>/dev/null
    wait_until 5 active_is "$id" || fail "the dialog does not get the keyboard"
    keys Escape
    wait_until 5 gone "$id" || fail "Escape did not close the print dialog"
    back_in_window
}

# From "Stampa", the test queue refusing jobs: the print dialog's job is not taken, and one message
# says the sheet was not printed.
step_print_refused() {
    local id
    cupsreject "$CUPS_QUEUE"
    keys space
    id=$(dialog '^Stampa$') || fail "no print dialog"
    keys Home Return
    wait_until 10 gone "$id" || fail "the print dialog stays open"
    id=$(dialog '^Verimoda$') || fail "no message about the refused job"
    keys Return
    wait_until 5 gone "$id" || fail "the message stays open"
    cupsaccept "$CUPS_QUEUE"
    back_in_window
}

# With an edit (the last "Si" unticked), SIGTERM brings the question as the close box does;
# "Annulla" keeps the program and its edit. Back on "Stampa" afterwards.
step_signal() {
    local id
    keys shift+Tab shift+Tab space Tab Tab
    kill -TERM "$PROGRAM_PID"
    id=$(dialog '^Warning$') || fail "SIGTERM asked nothing"
    keys Escape
    wait_until 5 gone "$id" || fail "Escape did not answer the question"
    ! not_running "$PROGRAM_PID" || fail "the program ended after \"Annulla\""
    back_in_window
}

# The tray's panel ends while the window hides in it: the window comes back minimised on the
# taskbar; a new tray takes the icon, and the window hides in it again.
step_tray_gone() {
    xdotool windowminimize "$MAIN"
    wait_until 5 hidden "$MAIN" || fail "the minimised window is still $(map_state "$MAIN")"
    kill "$TRAY_PID"
    wait_until 3 managed "$MAIN" || fail "without a tray the window stays out of reach"
    start_tray || fail "the tray did not start again"
    ICON=$(wait_until 10 tray_icon) || fail "the icon did not come back to the new tray"
    echo "ICON=$ICON" >>"$STATE"
    xdotool windowactivate "$MAIN" 2>/dev/null
    wait_until 5 viewable "$MAIN" || fail "the window could not be brought back"
    xdotool windowminimize "$MAIN"
    wait_until 5 hidden "$MAIN" || fail "the new tray does not take the window"
    xdotool mousemove --window "$ICON" 5 5 click 1
    wait_until 5 other_windows >/dev/null || fail "a left click on the new icon opened no menu"
    keys Down Return
    wait_until 5 viewable "$MAIN" || fail "\"Ripristina\" left the window $(map_state "$MAIN")"
    xdotool mousemove 0 "${SCREEN_SIZE#*x}"
    wait_until 5 active_is "$MAIN" || fail "the window came back without the keyboard"
}

# The session ends through the session manager (xsm: Shutdown, with checkpoint, interaction
# allowed) while the window hides in the tray with the unsaved edit: the window comes back and
# asks, the session waits; "Annulla" cancels the logout and the program and its icon stay.
step_logout() {
    local id sm popup
    xdotool windowminimize "$MAIN"
    wait_until 5 hidden "$MAIN" || fail "the minimised window is still $(map_state "$MAIN")"
    sm=$(find_window 5 --name '^xsm: ') || fail "no session manager window"
    xdotool mousemove --window "$sm" 140 48 mousedown 1
    sleep 0.3
    xdotool mousemove_relative 24 28 sleep 0.2 mouseup 1 # "With Checkpoint"
    popup=$(find_window 5 --name '^Shutdown$') || fail "no shutdown dialog"
    xdotool mousemove --window "$popup" 190 17 click 1 sleep 0.2 type prova
    xdotool mousemove --window "$popup" 48 134 click 1
    id=$(dialog '^Warning$') || fail "the logout asked nothing"
    viewable "$MAIN" || fail "the window did not come back to ask"
    keys Escape
    wait_until 5 gone "$id" || fail "Escape did not answer the question"
    sleep 1
    ! not_running "$PROGRAM_PID" || fail "the program ended after \"Annulla\""
    viewable "$ICON" || fail "the tray icon went away"
    # The session manager may raise its own window once the logout is cancelled: back to ours,
    # as a user would click it.
    xdotool windowactivate "$MAIN" 2>/dev/null
    back_in_window
}

# From "Stampa": an edit that leaves the sheet as it was (the last "Si" unticked and ticked
# again), then "Esci". Its question has Italian buttons: "Sì" answers Alt+S, where "Yes" would
# answer Alt+Y. The sheet is saved and the program ends.
step_exit() {
    keys shift+Tab shift+Tab space Tab Tab Tab Tab Tab Tab space
    answer_question s
    choose_file "Salva file" "$FILES/e2e_exit.xml"
    wait_until 10 not_running "$PROGRAM_PID" || fail "the program still runs after saving"
    cmp "$FILES/e2e_exit.xml" "$DATA/full_sheet.xml" || fail "e2e_exit.xml differs from full_sheet.xml"
}

# In this shell, which started the program and alone can have its status.
step_status() {
    local status
    wait "$PROGRAM_PID"
    status=$?
    [ "$status" = 0 ] || note "    status $status"
    return "$status"
}

start_desktop "${GENERAL[*]}" || exit 1
start_cups || exit 1
start_session_manager || exit 1
: >"$STATE"
start_process "$E2E_DIR/verimoda.log" env QT_QPA_PLATFORM=xcb CUPS_SERVER="$CUPS_SERVER" \
    SESSION_MANAGER="$SESSION_MANAGER" "$PROGRAM"
PROGRAM_PID=$LAST_PID

run_step window "the window opens with its title and its designed size, its icon in the tray"
run_step tab_walk "Tab walks the sheet page by page, as the tab strip shows them"
run_step fill "a complete sheet filled in by keyboard"
run_step save "\"Salva temp.\" writes the sheet's file through the save dialog"
run_step read "\"Leggi\" reads it back after asking about the unsaved edit"
run_step print "\"Stampa\" prints the six pages to a PDF file through the print dialog"
run_step print_cups "\"Stampa\" prints the six pages through CUPS on a queue chosen in the dialog"
run_step print_refused "a queue that refuses the job: the print says the sheet was not printed"
run_step tray "minimised, the window hides; the tray icon's menu brings it back"
run_step alt_keys "on an Italian keyboard Alt+letter types nothing into a name, AltGr+ò types \"@\""
run_step typing "a paste the box cannot take says why; a pasted code and a date typed in one go replace last year's"
run_step dialog_minimised "minimised while a dialog is open, the window stays on the taskbar and comes back with it"
run_step signal "SIGTERM with an unsaved edit asks as the close box does; \"Annulla\" keeps it"
run_step tray_gone "the tray ends: the hidden window comes back on the taskbar; a new tray takes it"
run_step logout "the session ends with the window in the tray: it comes back and asks; \"Annulla\" stays"
run_step exit "\"Esci\" asks in Italian about the unsaved edit, saves it and ends the program"
run_step status "the program ends with status 0" here

if [ -n "$FAILED" ]; then
    if [ -s "$E2E_DIR/verimoda.log" ]; then
        note "The program said:" && tail -n 20 "$E2E_DIR/verimoda.log"
    fi
    note "The end-to-end tests failed at \"$FAILED\"; logs and screenshots in $E2E_DIR"
    exit 1
fi
note "All $PASSED end-to-end steps passed"
