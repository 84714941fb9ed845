#!/usr/bin/env bash
# End-to-end: the real program on its own X server, driven with the mouse as a
# user drives it, checked on screenshots.
#   e2e_quivela.sh path/to/quivela
# Exit 0 on success, 1 on a failed check, 77 when the X tools are missing.
set -u

BIN=${1:?usage: e2e_quivela.sh path/to/quivela}
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*"
    [ -n "${KEEP_SHOTS:-}" ] && cp "$WORK"/*.png "$KEEP_SHOTS"/ 2>/dev/null
    exit 1
}

# A display number nobody uses: the server picks it and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
done
[ -s "$WORK/display" ] || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
export DISPLAY=":$(head -n1 "$WORK/display")"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$WORK"

TITLE="QUIVELA COM FUNÇÕES"
# The visible top-level windows of the program, one per line: "id x y w h".
windows() {
    local id
    for id in $(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -gt 100 ] && echo "$id $X $Y $WIDTH $HEIGHT"
    done
}
wait_windows() { # count
    for _ in $(seq 100); do
        [ "$(windows | wc -l)" -ge "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

"$BIN" >"$WORK/app.log" 2>&1 &
APP_PID=$!
wait_windows 1 || fail "the start window did not appear"
read -r START_ID SX SY _ _ < <(windows | head -n1)
sleep 0.5

# The start window's menu bar: "Ficheiro", then "Quivela".
xdotool mousemove $((SX + 93)) $((SY + 9)) click 1
wait_windows 2 || fail "the main window did not open from the menu"
read -r _ MX MY MW MH < <(windows | grep -v "^$START_ID ")
[ "$MW" -eq 1016 ] && [ "$MH" -eq 734 ] || fail "main window is ${MW}x${MH}, not 1016x734"
sleep 0.7

shot() { import -window root "$WORK/$1.png"; }
# Number of pixels of colour RRGGBB in the w x h box at main-window (x, y).
pixel_count() { # shot x y w h colour
    convert "$WORK/$1.png" -crop "$4x$5+$((MX + $2))+$((MY + $3))" +repage \
        -format %c histogram:info:- | awk -v c="#$6" 'toupper($0) ~ toupper(c) {gsub(":","",$1); n+=$1} END {print n+0}'
}

shot axes
# The three normal views: 347 x 347 pixels at (4, 20), (364, 20), (4, 384),
# user scale -10..10, so the origin is near the middle and x = 9.7 near the edge.
for view in "4 20" "364 20" "4 384"; do
    read -r VX VY <<<"$view"
    OX=$((VX + 173)) OY=$((VY + 173))
    [ "$(pixel_count axes $((OX - 2)) $((OY - 2)) 5 5 000000)" -ge 5 ] ||
        fail "no axes at the origin of the view at ($VX, $VY)"
    # The tick dot of x = 5, a quarter of the view to the right.
    [ "$(pixel_count axes $((OX + 86 - 2)) $((OY - 2)) 5 5 000000)" -ge 3 ] ||
        fail "no tick at x = 5 in the view at ($VX, $VY)"
    [ "$(pixel_count axes $((OX + 168 - 2)) $((OY - 2)) 5 5 000000)" -eq 0 ] ||
        fail "ink beyond the axis at x = 9.7 in the view at ($VX, $VY)"
done
[ "$(pixel_count axes 4 384 347 347 FF0000)" -eq 0 ] || fail "operation view not empty at start"

# "(f o g) (x)": its radio button in the functions group, then the
# operation's "Desenhar".
xdotool mousemove $((MX + 416)) $((MY + 606)) click 1
sleep 0.3
xdotool mousemove $((MX + 768)) $((MY + 354)) click 1
for _ in $(seq 50); do
    sleep 0.2
    shot operation
    [ "$(pixel_count operation 4 384 347 347 FF0000)" -ge 200 ] && break
done
RED=$(pixel_count operation 4 384 347 347 FF0000)
[ "$RED" -ge 200 ] || fail "only $RED curve pixels in the operation's view"
# 4sen(tg(x)) stays between -4 and 4: nothing red in the top strip (y > 5).
[ "$(pixel_count operation 4 384 347 80 FF0000)" -eq 0 ] || fail "curve drawn beyond y = 4"
# f and g were not plotted.
[ "$(pixel_count operation 4 20 347 347 0000FF)" -eq 0 ] || fail "f's view has a curve"

# "Desenhar" of f, then of g: 4sen(x) and tg(x) in light blue in their views.
xdotool mousemove $((MX + 768)) $((MY + 162)) click 1
sleep 0.5
xdotool mousemove $((MX + 768)) $((MY + 258)) click 1
for _ in $(seq 50); do
    sleep 0.2
    shot functions
    [ "$(pixel_count functions 364 20 347 347 0000FF)" -ge 200 ] && break
done
BLUE_F=$(pixel_count functions 4 20 347 347 0000FF)
BLUE_G=$(pixel_count functions 364 20 347 347 0000FF)
[ "$BLUE_F" -ge 200 ] || fail "only $BLUE_F curve pixels in f's view"
[ "$BLUE_G" -ge 200 ] || fail "only $BLUE_G curve pixels in g's view"
# 4sen(x) reaches 4 near x = pi/2 (27 pixels right of and 69 above the origin).
[ "$(pixel_count functions $((4 + 173 + 27 - 3)) $((20 + 173 - 69 - 3)) 7 7 0000FF)" -ge 1 ] ||
    fail "4sen(x) does not pass through (pi/2, 4)"

echo "PASS: axes in the three views, $RED curve pixels of (f o g) (x), $BLUE_F of f, $BLUE_G of g"
exit 0
