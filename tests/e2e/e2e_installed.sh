#!/usr/bin/env bash
# The installed package as a user meets it: the program started from where the
# package put it shows the start window with Quivela's own icon, and
# "Ficheiro" -> "Sair" ends it.
#   e2e_installed.sh /usr/bin/quivela
# Exit 0 on success, 1 on a failed check, 77 when the X tools are missing.
set -u

BIN=${1:?usage: e2e_installed.sh /usr/bin/quivela}
. "$(dirname "$0")/xsession.sh"

open_start_window "$BIN"
# The icon the window carries for window managers and task bars: the
# program's own, in the sizes built into it (the toolkit's default has none).
xprop -id "$START_ID" _NET_WM_ICON | grep -q "Icon (48 x 48)" ||
    fail "the start window carries no 48 x 48 icon"
sleep 0.3
shot start
read -r FIRST LAST < <(menu_items start "$SX" "$SY" "$SW" "$MENU_H" | sed -n 1p)
[ -n "${LAST:-}" ] || fail "no menu bar on the start window"
# "Ficheiro", then its first item, "Sair", from the keyboard.
xdotool mousemove --sync $((SX + (FIRST + LAST) / 2)) $((SY + MENU_H / 2)) click 1
sleep 0.5
shot menu
xdotool key Down Return
for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$APP_PID" 2>/dev/null && fail "the program still runs 5 s after Ficheiro -> Sair"
wait "$APP_PID"
STATUS=$?
APP_PID=""
[ "$STATUS" -eq 0 ] || fail "the program ended with status $STATUS after Sair"
echo "PASS: $BIN showed its start window with its own icon and ended with Sair"
exit 0
