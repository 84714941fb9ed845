# Shared by the end-to-end scripts (sourced, not run): an X server of their
# own, optionally a window manager, the program's windows, screenshots and
# pixel counts. Everything started here is stopped on every way out.

for tool in Xvfb xdotool xwininfo import convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/quivela-e2e.XXXXXX")
XVFB_PID=""
WM_PID=""
APP_PID=""
# E2E_KEEP=1 keeps the screenshots of a passing run too.
KEEP_WORK=${E2E_KEEP:-}
OTHER_PID=""
LAST_SHOT=""

cleanup() {
    local pid
    for pid in "$APP_PID" "$OTHER_PID" "$WM_PID" "$XVFB_PID"; do
        [ -n "$pid" ] && stop "$pid"
    done
    [ -n "$KEEP_WORK" ] || rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

shot() { # name: the whole screen, remembered as the last screenshot
    LAST_SHOT="$WORK/$1.png"
    import -window root "$LAST_SHOT"
}

fail() {
    echo "FAIL: $*"
    [ -n "$DISPLAY" ] && import -window root "$WORK/at-failure.png" 2>/dev/null
    echo "screenshots kept in $WORK (last check: ${LAST_SHOT:-none}; at failure: $WORK/at-failure.png)"
    [ -s "$WORK/app.log" ] && { echo "--- program output"; cat "$WORK/app.log"; }
    if [ -n "$XVFB_PID" ]; then
        kill -0 "$XVFB_PID" 2>/dev/null && echo "--- X server $DISPLAY still running" ||
            echo "--- X server $DISPLAY has gone"
        [ -s "$WORK/xvfb.log" ] && { echo "--- X server output"; cat "$WORK/xvfb.log"; }
    fi
    KEEP_WORK=1
    exit 1
}

DISPLAY=""
stop() { # pid: ends a process started here, forcibly if it does not go
    local _
    kill "$1" 2>/dev/null
    for _ in $(seq 20); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.05
    done
    kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

# try_start_x [openbox]: one attempt at a server on a free display (and the
# window manager); fails if either does not come up.
try_start_x() {
    local _ n
    # A display number of our own, well away from the low numbers that
    # desktops and other servers started with -displayfd take: two servers
    # that go for the same number at the same moment can both believe they
    # have it.
    n=$((200 + RANDOM % 800))
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && return 1
    # -noreset: by default the server resets whenever its last client leaves,
    # and a client that connects during the reset is turned away. Without a
    # window manager every xwininfo or xdotool poll is the last client, so
    # the program could meet a reset at start-up and abort with "could not
    # connect to display".
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do
        kill -0 "$XVFB_PID" 2>/dev/null || return 1
        xwininfo -root >/dev/null 2>&1 && break
        sleep 0.05
    done
    kill -0 "$XVFB_PID" 2>/dev/null && xwininfo -root >/dev/null 2>&1 || return 1
    # The server that answered must be ours: when another one won the race
    # for this number, ours gives up and xwininfo spoke to the other, which
    # may go away under the program at any moment.
    local owner=""
    read -r owner <"/tmp/.X$n-lock" 2>/dev/null
    [ "$owner" = "$XVFB_PID" ] || return 1
    [ "${1:-}" = openbox ] || return 0
    openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
        kill -0 "$WM_PID" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

# start_x [openbox]: Xvfb on a free display, and the window manager if asked.
# Another server starting at the same moment elsewhere on the machine can
# still take the display picked, so a failed start is tried again.
start_x() {
    local try
    if [ "${1:-}" = openbox ]; then
        command -v openbox >/dev/null 2>&1 || { echo "SKIP: openbox is not installed"; exit 77; }
        command -v xprop >/dev/null 2>&1 || { echo "SKIP: xprop is not installed"; exit 77; }
    fi
    for try in 1 2 3 4 5; do
        try_start_x "$@" && break
        [ -n "$WM_PID" ] && stop "$WM_PID"
        [ -n "$XVFB_PID" ] && stop "$XVFB_PID"
        WM_PID="" XVFB_PID="" DISPLAY=""
    done
    [ -n "$XVFB_PID" ] ||
        fail "no X server with ${1:-no window manager}: $(cat "$WORK/xvfb.log" "$WORK/openbox.log" 2>/dev/null)"
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR="$WORK"
}

start_program() { # binary
    "$1" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
}

# The program's start window, by its caption.
TITLE="QUIVELA COM FUNÇÕES"

# open_start_window binary [openbox]: the X server, the program and its start
# window: its id and client area in START_ID SX SY SW SH, and in MENU_H its
# menu bar, which is what the window has above its 10710-twip client area.
open_start_window() {
    start_x "${@:2}"
    start_program "$1"
    wait_windows "$TITLE" 1 || fail "the start window did not appear"
    read -r START_ID SX SY SW SH < <(windows "$TITLE")
    MENU_H=$((SH - 714))
}

# The visible top-level windows titled exactly $1 (nothing appended to the
# title), one per line: "id x y w h", with the client area's place on the
# screen (xwininfo reads it right under a reparenting window manager, where
# xdotool's position is off by the frame).
windows() { # title
    local id x y w h
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        read -r x y w h < <(xwininfo -id "$id" 2>/dev/null | awk '
            /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
            /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
        [ -n "$w" ] && [ "$w" -gt 100 ] && echo "$id $x $y $w $h"
    done
}
wait_windows() { # title count: up to about 10 s, for a loaded machine
    local _
    for _ in $(seq 200); do
        [ "$(windows "$1" | wc -l)" -ge "$2" ] && return 0
        sleep 0.05
    done
    return 1
}

# Number of pixels of colour RRGGBB in the w x h box at (x, y) of the window
# whose client area starts at screen (OX, OY).
OX=0
OY=0
pixel_count() { # shot x y w h colour
    convert "$WORK/$1.png" -crop "$4x$5+$((OX + $2))+$((OY + $3))" +repage \
        -format %c histogram:info:- |
        awk -v c="#$6" 'toupper($0) ~ toupper(c) {gsub(":","",$1); n+=$1} END {print n+0}'
}

# The items of a menu bar drawn in the strip (x, y, w, h) of a screenshot,
# found from the ink of their captions, whatever the font: one line per
# item, "first-column last-column" relative to x.
menu_items() { # shot x y w h
    convert "$WORK/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray -negate \
        -threshold 50% -scale "$4x1!" -threshold 1% txt:- |
        awk -F'[,:]' 'NR > 1 && /#FFFFFF/ {
            x = $1
            if (!open || x - last > 8) { if (open) print first, last; first = x; open = 1 }
            last = x
        }
        END { if (open) print first, last }'
}

# Clicks at (x, y) of the window whose client area starts at (OX, OY).
click_at() {
    xdotool mousemove --sync $((OX + $1)) $((OY + $2)) click 1
}

# open_from_menu title count x y: clicks the menu bar at screen (x, y) until
# count windows titled title are shown. A click that comes while the start
# window is still settling can be lost, so it is given three tries.
open_from_menu() {
    local _ try
    for try in 1 2 3; do
        xdotool mousemove --sync "$3" "$4"
        sleep 0.2
        xdotool click 1
        for _ in $(seq 40); do
            [ "$(windows "$1" | wc -l)" -ge "$2" ] && return 0
            sleep 0.05
        done
    done
    return 1
}

# wait_for "what" command...: polls a check for up to about 10 s, taking a
# fresh screenshot named "poll" before each try.
wait_for() {
    local what=$1 _
    shift
    for _ in $(seq 40); do
        shot poll
        "$@" && return 0
        sleep 0.2
    done
    fail "$what"
}

# wait_active "what" id|not id: waits until window id is (or is not) the
# active window.
wait_active() {
    local what=$1 negate="" _ now
    shift
    [ "$1" = not ] && { negate=1; shift; }
    for _ in $(seq 50); do
        now=$(xdotool getactivewindow 2>/dev/null)
        if [ -z "$negate" ]; then [ "$now" = "$1" ] && return 0
        else [ -n "$now" ] && [ "$now" != "$1" ] && return 0
        fi
        sleep 0.05
    done
    fail "$what"
}

# keep_shot name: the last screenshot kept under a name of its own.
keep_shot() {
    cp "$LAST_SHOT" "$WORK/$1.png"
}
