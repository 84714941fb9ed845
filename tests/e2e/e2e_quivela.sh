#!/usr/bin/env bash
# End-to-end: the real program on its own X server, driven with the mouse as a
# user drives it, checked on screenshots.
#   e2e_quivela.sh path/to/quivela
# Exit 0 on success, 1 on a failed check, 77 when the X tools are missing.
set -u

BIN=${1:?usage: e2e_quivela.sh path/to/quivela}
. "$(dirname "$0")/xsession.sh"

open_start_window "$BIN"
sleep 0.3
shot start
# The start window's menu bar: "Ficheiro", then "Quivela", found by the ink
# of their captions.
read -r FIRST LAST < <(menu_items start "$SX" "$SY" "$SW" "$MENU_H" | sed -n 2p)
[ -n "${LAST:-}" ] || fail "no second item on the start window's menu bar"
open_from_menu "$TITLE" 2 $((SX + (FIRST + LAST) / 2)) $((SY + MENU_H / 2)) ||
    fail "the main window did not open from the menu"
read -r _ OX OY MW MH < <(windows "$TITLE" | grep -v "^$START_ID ")
[ "$MW" -eq 1016 ] && [ "$MH" -eq 734 ] || fail "main window is ${MW}x${MH}, not 1016x734"
sleep 0.7

shot axes
# The three normal views: 347 x 347 pixels at (4, 20), (364, 20), (4, 384),
# user scale -10..10, so the origin is near the middle and x = 9.7 near the edge.
for view in "4 20" "364 20" "4 384"; do
    read -r VX VY <<<"$view"
    CX=$((VX + 173)) CY=$((VY + 173))
    [ "$(pixel_count axes $((CX - 2)) $((CY - 2)) 5 5 000000)" -ge 5 ] ||
        fail "no axes at the origin of the view at ($VX, $VY)"
    # The tick dot of x = 5, a quarter of the view to the right.
    [ "$(pixel_count axes $((CX + 86 - 2)) $((CY - 2)) 5 5 000000)" -ge 3 ] ||
        fail "no tick at x = 5 in the view at ($VX, $VY)"
    [ "$(pixel_count axes $((CX + 168 - 2)) $((CY - 2)) 5 5 000000)" -eq 0 ] ||
        fail "ink beyond the axis at x = 9.7 in the view at ($VX, $VY)"
done
[ "$(pixel_count axes 4 384 347 347 FF0000)" -eq 0 ] || fail "operation view not empty at start"

# "(f o g) (x)": its radio button in the functions group, then the
# operation's "Desenhar".
click_at 416 606
sleep 0.3
click_at 768 354
# A curve in a view: at least 200 pixels of its colour in the last screenshot.
curve_in() { # x y w h colour
    [ "$(pixel_count poll "$@")" -ge 200 ]
}
wait_for "fewer than 200 curve pixels in the operation's view" curve_in 4 384 347 347 FF0000
keep_shot operation
RED=$(pixel_count operation 4 384 347 347 FF0000)
[ "$RED" -ge 200 ] || fail "only $RED curve pixels in the operation's view"
# 4sen(tg(x)) stays between -4 and 4: nothing red in the top strip (y > 5).
[ "$(pixel_count operation 4 384 347 80 FF0000)" -eq 0 ] || fail "curve drawn beyond y = 4"
# f and g were not plotted.
[ "$(pixel_count operation 4 20 347 347 0000FF)" -eq 0 ] || fail "f's view has a curve"

# "Desenhar" of f, then of g: 4sen(x) and tg(x) in light blue in their views.
click_at 768 162
sleep 0.5
click_at 768 258
wait_for "fewer than 200 curve pixels in g's view" curve_in 364 20 347 347 0000FF
keep_shot functions
BLUE_F=$(pixel_count functions 4 20 347 347 0000FF)
BLUE_G=$(pixel_count functions 364 20 347 347 0000FF)
[ "$BLUE_F" -ge 200 ] || fail "only $BLUE_F curve pixels in f's view"
[ "$BLUE_G" -ge 200 ] || fail "only $BLUE_G curve pixels in g's view"
# 4sen(x) reaches 4 near x = pi/2 (27 pixels right of and 69 above the origin).
[ "$(pixel_count functions $((4 + 173 + 27 - 3)) $((20 + 173 - 69 - 3)) 7 7 0000FF)" -ge 1 ] ||
    fail "4sen(x) does not pass through (pi/2, 4)"

echo "PASS: axes in the three views, $RED curve pixels of (f o g) (x), $BLUE_F of f, $BLUE_G of g"
exit 0
