#!/usr/bin/env bash
# End-to-end on a desktop: the real program on its own X server with a window
# manager (openbox), so that windows are activated as on a user's desktop,
# driven with the mouse and the keyboard and checked on screenshots.
#   e2e_desktop.sh path/to/quivela
# Exit 0 on success, 1 on a failed check (the screenshots are kept and their
# place printed), 77 when the X tools are missing.
set -u
BIN=${1:?usage: e2e_desktop.sh path/to/quivela}
. "$(dirname "$0")/xsession.sh"

BLUE=0000FF
BLACK=000000

open_start_window "$BIN" openbox
[ "$MENU_H" -ge 10 ] && [ "$MENU_H" -le 60 ] || fail "no menu bar on a ${SW}x${SH} start window"
sleep 0.3
shot start
ITEMS=$(menu_items start "$SX" "$SY" "$SW" "$MENU_H")
[ "$(echo "$ITEMS" | wc -l)" -eq 5 ] || fail "menu bar items found: $(echo "$ITEMS" | tr '\n' ' ')"
# "Ficheiro", "Quivela", ...: the second one opens the main window.
read -r FIRST LAST < <(echo "$ITEMS" | sed -n 2p)
open_from_menu "$TITLE" 2 $((SX + (FIRST + LAST) / 2)) $((SY + MENU_H / 2)) ||
    fail "the main window did not open from the menu"
read -r MAIN_ID OX OY MW MH < <(windows "$TITLE" | grep -v "^$START_ID ")
[ "$MW" -eq 1016 ] && [ "$MH" -eq 734 ] || fail "main window is ${MW}x${MH}, not 1016x734"

# Where a user point falls on screen. View 1 (f): 347 pixels square at
# (4, 20), a 2-pixel frame, scale -10..10; view 7 (f enlarged): 713 pixels at
# (4, 20), scale -16..16. Prints "x y" in the main window.
normal_xy() { awk -v x="$1" -v y="$2" 'BEGIN {printf "%d %d", 6 + (x + 10) / 20 * 343, 22 + (10 - y) / 20 * 343}'; }
enlarged_xy() { awk -v x="$1" -v y="$2" 'BEGIN {printf "%d %d", 6 + (x + 16) / 32 * 709, 22 + (16 - y) / 32 * 709}'; }
# ink_near shot view x y colour: some pixel of colour within 3 pixels.
ink_near() {
    local px py
    read -r px py < <("$2_xy" "$3" "$4")
    [ "$(pixel_count "$1" $((px - 3)) $((py - 3)) 7 7 "$5")" -ge 1 ]
}
curve_in_view1() {
    ink_near poll normal 0 -3 $BLUE && ink_near poll normal 2 1 $BLUE &&
        ink_near poll normal -2 1 $BLUE && ! ink_near poll normal 0 5 $BLUE
}
view1_cleared() {
    [ "$(pixel_count poll 4 20 347 347 $BLUE)" -eq 0 ] && ink_near poll normal 0 0 $BLACK &&
        ink_near poll normal 5 0 $BLACK
}

wait_for "no axes in view 1 after opening" view1_cleared

# f: the text replaced by typing, then Enter.
read -r FX FY < <(echo "$((448 + 120)) $((413 + 11))")
click_at "$FX" "$FY"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "x^2-3"
xdotool key Return
wait_for "x^2-3 not drawn through (0,-3), (2,1) and (-2,1) in view 1 after Enter" curve_in_view1
keep_shot plotted
wait_active "the main window is not active after Enter in f" "$MAIN_ID"

# Its own dialogs do not count as leaving it: back from a message box (Enter
# in the empty abscissa) and from a colour dialog, the graph is still there.
click_at $((716 + 132 + 78)) $((512 + 20 + 11))
xdotool key Return
wait_windows "Quivela" 1 || fail "no message box titled Quivela for the empty abscissa"
wait_active "the message box did not take the focus" not "$MAIN_ID"
xdotool key Return
wait_active "the main window did not come back after the message box" "$MAIN_ID"
click_at $((716 + 55 + 21)) $((132 + 50 + 12))
wait_active "no colour dialog from Cor of f" not "$MAIN_ID"
xdotool key Escape
wait_active "the main window did not come back after the colour dialog" "$MAIN_ID"
sleep 0.3
wait_for "the graph of f was cleared by the program's own dialogs" curve_in_view1

# Nor does another application: a click on it and back on the main window.
if command -v xmessage >/dev/null 2>&1; then
    xmessage -geometry +1000+950 "Outra aplicação, não o Quivela" >/dev/null 2>&1 &
    OTHER_PID=$!
    wait_windows "xmessage" 1 || fail "the other application's window did not appear"
    read -r OTHER_ID XMX XMY _ _ < <(windows "xmessage")
    xdotool mousemove --sync $((XMX + 5)) $((XMY + 5)) click 1
    wait_active "the other application did not take the focus" "$OTHER_ID"
    click_at 860 430
    wait_active "the main window did not come back from the other application" "$MAIN_ID"
    sleep 0.3
    wait_for "the graph of f was cleared by coming back from another application" curve_in_view1
fi

# "Sintaxe" from the main window, then back by a click on the main window
# where the help window does not cover it: the activation clears the graphs.
click_at $((716 + 104 + 44)) $((4 + 20 + 12))
wait_windows "SINTAXE" 1 || fail "the syntax window did not open"
read -r _ HX HY HW HH < <(windows "SINTAXE")
BACK=""
for spot in "860 430" "180 10" "540 10" "540 376" "180 376"; do
    read -r x y <<<"$spot"
    ax=$((OX + x)) ay=$((OY + y))
    if [ "$ax" -lt "$HX" ] || [ "$ax" -ge $((HX + HW)) ] || [ "$ay" -lt "$((HY - 30))" ] ||
        [ "$ay" -ge $((HY + HH)) ]; then
        BACK=$spot
        break
    fi
done
[ -n "$BACK" ] || fail "the syntax window covers every spot of the main window"
sleep 0.3
click_at $BACK
wait_for "the graph of f still there after coming back from the syntax window" view1_cleared
keep_shot back
ACTIVE=$(xdotool getactivewindow 2>/dev/null)
[ "$ACTIVE" = "$MAIN_ID" ] || fail "the main window is not the active window ($ACTIVE, not $MAIN_ID)"

# Drawn again with its button, then enlarged.
click_at $((716 + 8 + 44)) $((132 + 18 + 12))
wait_for "x^2-3 not drawn again" curve_in_view1
click_at $((716 + 8 + 40)) $((676 + 23 + 12))
enlarged_curve() {
    # (3.5, 9.25) lies beyond the normal view's bound and inside this one's.
    ink_near poll enlarged 0 -3 $BLUE && ink_near poll enlarged 3 6 $BLUE &&
        ink_near poll enlarged -3 6 $BLUE && ink_near poll enlarged 3.5 9.25 $BLUE &&
        ink_near poll enlarged 0 0 $BLACK && ! ink_near poll enlarged 0 10 $BLUE
}
wait_for "x^2-3 not in the enlarged view of f" enlarged_curve
keep_shot enlarged

# "Sair": the process ends at once, with success.
click_at $((716 + 200 + 44)) $((4 + 50 + 12))
START=$(date +%s%N)
for _ in $(seq 20); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$APP_PID" 2>/dev/null && fail "the program still runs a second after Sair"
ELAPSED=$((($(date +%s%N) - START) / 1000000))
wait "$APP_PID"
STATUS=$?
APP_PID=""
[ "$STATUS" -eq 0 ] || fail "the program ended with status $STATUS after Sair"

echo "PASS: menu, Enter in f, own dialogs and another application keep the graph, back from Sintaxe clears, drawn again, enlarged; Sair ended in ${ELAPSED} ms with status 0"
exit 0
