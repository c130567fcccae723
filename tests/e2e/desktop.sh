# The desktop the end-to-end tests run on, and the tools they drive it with: a private X server
# with a window manager and a system tray, keys and clicks through xdotool, screenshots compared
# with ImageMagick, and waits with deadlines instead of sleeps. Sourced by run.sh.

# Every process started here, killed by its id when the suite ends.
STARTED_PIDS=()
# The X server's screen and its dots per inch: the window's size follows the DPI.
SCREEN_SIZE=1280x1024
SCREEN_DPI=120
# Pixels two screenshots of one state may differ by: the caret of a focused text box blinks.
CARET_PIXELS=60

note() { printf '%s\n' "$*"; }

# Fails the suite at once when a tool is missing, naming the Debian package that has it.
need_tools() {
    local missing="" pair
    for pair in "$@"; do
        command -v "${pair%%:*}" >/dev/null 2>&1 || missing="$missing ${pair#*:}"
    done
    if [ -n "$missing" ]; then
        note "Missing tools for the end-to-end tests; install the Debian packages:$missing"
        exit 1
    fi
}

# Polls a command every 50 ms until it succeeds or `seconds` have passed.
wait_until() {
    local seconds=$1
    shift
    local tries=$((seconds * 20))
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

# Starts a program in the background with a clean environment (nothing from the user's desktop:
# no display, no session bus, no settings) and records its id.
start_process() {
    local log=$1
    shift
    env -i PATH="$PATH" LANG=C.UTF-8 HOME="$E2E_HOME" DISPLAY="$DISPLAY" XAUTHORITY="$XAUTHORITY" \
        XDG_RUNTIME_DIR="$E2E_RUNTIME" XDG_CONFIG_HOME="$E2E_HOME/.config" \
        XDG_CACHE_HOME="$E2E_HOME/.cache" XDG_DATA_HOME="$E2E_HOME/.local/share" \
        "$@" >"$log" 2>&1 &
    LAST_PID=$!
    STARTED_PIDS+=("$LAST_PID")
}

stop_processes() {
    local pid i
    for ((i = ${#STARTED_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${STARTED_PIDS[i]}
        kill "$pid" 2>/dev/null || continue
        wait_until 3 not_running "$pid" || kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    STARTED_PIDS=()
}

not_running() { ! kill -0 "$1" 2>/dev/null; }

# A private X server on a display number it picks itself among the free ones, reachable only
# with the cookie kept in the build folder.
start_x_server() {
    local auth=$E2E_DIR/xauthority number_file=$E2E_DIR/display number
    : >"$auth"
    : >"$number_file"
    # The server takes every cookie of the file, whatever display it is written for.
    xauth -q -f "$auth" add :0 . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
    Xvfb -displayfd 3 -auth "$auth" -nolisten tcp -noreset -screen 0 "${SCREEN_SIZE}x24" \
        -dpi "$SCREEN_DPI" 3>"$number_file" >"$E2E_DIR/xvfb.log" 2>&1 &
    STARTED_PIDS+=("$!")
    wait_until 10 grep -q '^[0-9]' "$number_file" || {
        note "The X server did not start: $(tail -n 3 "$E2E_DIR/xvfb.log")"
        return 1
    }
    number=$(head -n 1 "$number_file")
    export DISPLAY=":$number"
    # Clients find the cookie under the display's own number.
    xauth -q -f "$auth" add "$DISPLAY" . "$(xauth -f "$auth" list | awk 'NR == 1 { print $3 }')"
    export XAUTHORITY=$auth
    # Qt takes its logical DPI from the X resources, not from the screen's size.
    xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$SCREEN_DPI
"
}

# A US keyboard with a key for each letter of `text` the US map lacks, small letter and capital,
# so that xdotool types them as it types the rest: when it has to bind a missing key itself, it
# undoes the binding before the program may have read it, and the letter is lost.
keyboard_for() {
    local text=$1 dir=$E2E_DIR/xkb c i code keysyms key=13 seen=""
    mkdir -p "$dir/symbols"
    {
        echo 'xkb_symbols "letters" {'
        for ((i = 0; i < ${#text}; i++)); do
            c=${text:i:1}
            c=${c,,}
            [[ $c == [[:ascii:]] || $seen == *"$c"* ]] && continue
            seen+=$c
            [ "$key" -le 24 ] || { note "Too many letters for the spare keys"; return 1; }
            keysyms=""
            for code in $(printf '%d %d' "'$c" "'${c^^}"); do
                ((code < 256)) || code=$((code + 0x1000000))
                keysyms+="${keysyms:+, }$(printf '0x%x' "$code")"
            done
            echo "    key <FK$key> { [ $keysyms ] };"
            key=$((key + 1))
        done
        echo '};'
    } >"$dir/symbols/e2e"
    US_KEYBOARD="pc+us+inet(evdev)+e2e(letters)"
    load_keyboard "$US_KEYBOARD"
}

# Loads a keyboard map given by its symbols ("pc+it+inet(evdev)" is an Italian keyboard); the
# program follows the change at once, as it follows a user's.
load_keyboard() {
    xkbcomp -w 0 -I"$E2E_DIR/xkb" - "$DISPLAY" 2>"$E2E_DIR/xkbcomp.log" <<EOF
xkb_keymap {
    xkb_keycodes { include "evdev+aliases(qwerty)" };
    xkb_types { include "complete" };
    xkb_compat { include "complete" };
    xkb_symbols { include "$1" };
    xkb_geometry { include "pc(pc105)" };
};
EOF
}

# The tray's panel, started again when the tray ends before showing it (it does so now and then
# while the window manager is still settling).
start_tray() {
    local try
    for try in 1 2 3; do
        start_process "$E2E_DIR/trayer.log" trayer --edge top --align right --widthtype request \
            --height 24 --SetDockType true
        TRAY_PID=$LAST_PID
        wait_until 20 tray_shown && return 0
        not_running "$TRAY_PID" || break
    done
    note "The system tray did not start: $(tail -n 3 "$E2E_DIR/trayer.log")" \
        "panels: $(windows_matching --classname '^panel$' | while read -r w; do
            printf '%s %s; ' "$w" "$(map_state "$w")"; done)"
    return 1
}
# The panel exists: the tray holds its selection from then on. With no icon yet it may not be
# mapped; it shows once the program's icon docks.
tray_shown() { not_running "$TRAY_PID" && return 1; windows_matching --classname '^panel$' | grep -q .; }

# An X session manager (xsm) with no saved session; the one client it starts writes down where
# the manager listens, so that the program started later joins the session.
start_session_manager() {
    local address=$E2E_DIR/session-manager
    : >"$address"
    printf '%s\n' "sh -c 'echo \$SESSION_MANAGER >$address'" >"$E2E_HOME/.xsmstartup"
    start_process "$E2E_DIR/xsm.log" xsm
    wait_until 20 grep -q . "$address" || {
        note "The session manager did not start: $(tail -n 3 "$E2E_DIR/xsm.log")"
        return 1
    }
    SESSION_MANAGER=$(cat "$address")
    find_window 10 --name '^xsm: ' >/dev/null || {
        note "The session manager shows no window"
        return 1
    }
}

window_manager_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# The desktop, with a keyboard that types every letter of `text`; with a tray unless NO_TRAY is
# set.
start_desktop() {
    start_x_server || return 1
    keyboard_for "$1" || {
        note "The keyboard map could not be loaded: $(cat "$E2E_DIR/xkbcomp.log")"
        return 1
    }
    start_process "$E2E_DIR/openbox.log" openbox --sm-disable
    wait_until 10 window_manager_ready || {
        note "The window manager did not start"
        return 1
    }
    [ -n "${NO_TRAY:-}" ] || start_tray || return 1
    # Out of the way of the window: no tab or button shows a hover highlight.
    xdotool mousemove 0 "${SCREEN_SIZE#*x}"
}

# xdotool search, again when a window vanished while it looked (Xlib ends it on that error).
windows_matching() {
    local out tries=10
    while ((tries-- > 0)); do
        out=$(xdotool search "$@" 2>"$E2E_DIR/search.err")
        if ! grep -q 'X Error' "$E2E_DIR/search.err"; then
            [ -z "$out" ] || echo "$out"
            return 0
        fi
    done
    return 1
}

first_window() { windows_matching --onlyvisible "$@" | head -n 1 | grep .; }

# The id of the first visible window that `xdotool search` finds with the given criteria, waiting
# up to `seconds` for one.
find_window() {
    local seconds=$1
    shift
    wait_until "$seconds" first_window "$@"
}

active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
gone() { ! viewable "$1"; }

# The id of a dialog with the given title once it is shown and has the keyboard.
dialog() {
    local id
    id=$(find_window 10 --name "$1") && wait_until 5 active_is "$id" && echo "$id"
}

window_title() { xdotool getwindowname "$1" 2>/dev/null; }
title_is() { [ "$(window_title "$1")" = "$2" ]; }
map_state() { xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ { print $3 }'; }
viewable() { [ "$(map_state "$1")" = IsViewable ]; }
# A window with a taskbar button is in the window manager's client list.
managed() { xprop -root _NET_CLIENT_LIST | tr -d ',' | tr ' ' '\n' | grep -qix "$(printf '0x%x' "$1")"; }
hidden() { ! viewable "$1" && ! managed "$1"; }
# The size of a window's client area, "WIDTHxHEIGHT".
window_size() {
    xwininfo -id "$1" | awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print w "x" h }'
}

# Keys go to the window that has the keyboard focus, as a user's keys do.
keys() { xdotool key --delay 5 "$@"; }
alt() { xdotool keydown Alt_L key --delay 5 "$1" keyup Alt_L; }
altgr() { xdotool keydown ISO_Level3_Shift key --delay 5 "$1" keyup ISO_Level3_Shift; }

# --- Screenshots ---------------------------------------------------------------------------

shoot() { import -window "$1" "$2" 2>/dev/null; }

# The number of pixels by which two images differ (a large number when their sizes differ).
pixel_difference() {
    local out
    out=$(compare -metric AE "$1" "$2" null: 2>&1)
    case $out in
    [0-9]*) awk -v n="${out%% *}" 'BEGIN { printf "%d\n", n }' ;;
    *) echo 999999999 ;;
    esac
}

same_picture() { [ "$(pixel_difference "$1" "$2")" -le "$CARET_PIXELS" ]; }

# Screenshot of a window once it has stopped changing: two shots in a row alike. With `other`,
# the window must also have come to differ from that picture first (the keys sent have been
# handled).
settled_shot() {
    local window=$1 out=$2 other=${3:-} previous=$E2E_DIR/previous.${2##*.} tries=100
    : >"$previous"
    while ((tries-- > 0)); do
        shoot "$window" "$out" || return 1
        if [ -n "$other" ] && { cmp -s "$other" "$out" || same_picture "$other" "$out"; }; then
            sleep 0.05 # the keys have not been handled yet
            continue
        fi
        cmp -s "$previous" "$out" && return 0
        cp "$out" "$previous"
    done
    return 1
}

# Waits until a window looks like a picture taken before.
looks_like() {
    local now=$E2E_DIR/now.${2##*.}
    shoot "$1" "$now" && same_picture "$now" "$2"
}

# --- Steps ---------------------------------------------------------------------------------

FAILED=""
PASSED=0

# Inside a step: says why it failed and ends it.
fail() {
    note "    $*"
    exit 1
}

# Runs a step in a subshell that ends at the first failing command (or `here`, in this shell).
# What later steps need from it, it keeps in the state file.
STATE=$E2E_DIR/state
run_step() {
    local name=$1 description=$2 status
    if [ -n "$FAILED" ]; then
        note "skip - $description"
        return
    fi
    local started=$EPOCHREALTIME
    if [ "${3:-}" = here ]; then
        "step_$name"
    else
        (
            set -e
            "step_$name"
        )
    fi
    status=$?
    # shellcheck source=/dev/null
    . "$STATE"
    if [ "$status" = 0 ]; then
        PASSED=$((PASSED + 1))
        note "ok - $description ($(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f s", b - a }'))"
    else
        FAILED=$name
        import -window root "$E2E_DIR/failed-$name.png" 2>/dev/null
        note "not ok - $description (screen: $E2E_DIR/failed-$name.png)"
    fi
}
