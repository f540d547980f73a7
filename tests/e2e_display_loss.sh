#!/usr/bin/env bash
# The X server goes away under the program (a crash, a logout with no
# session manager): the colours chosen in the run are saved on the way out,
# with the settings file's usual rules.
# usage: e2e_display_loss.sh TINTARO SCREEN_PROBE
set -euo pipefail
source "$(dirname "$0")/e2e_common.sh"
plain_start "$1"
probe=$2
export QT_QPA_PLATFORM=xcb
for n in $(seq 90 99); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do xdotool getmouselocation > /dev/null 2>&1 && break; sleep 0.1; done

"$work/tintaro" > "$work/tintaro.log" 2>&1 &
app=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro by Tolvex$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
# A colour typed into the foreground's HTML box; the background's favourite 2
# stores the background colour (black) after the background is typed too.
xdotool mousemove $((X + 210)) $((Y + 305)) click 1 key ctrl+a type '#123456'
xdotool key Return mousemove $((X + 465)) $((Y + 305)) click 1 key ctrl+a type 'hsl(120 100% 25%)'
xdotool key Return mousemove $((X + 289 + 167)) $((Y + 148 + 175)) click 3
# All three on the screen before the server goes.
pixel_becomes $((X + 109)) $((Y + 440)) 123456 > /dev/null
pixel_becomes $((X + 160)) $((Y + 418)) 008000 > /dev/null
pixel_becomes $((X + 289 + 167)) $((Y + 148 + 175)) 008000 > /dev/null
kill -KILL "$xvfb"
rc=0
for _ in $(seq 1 100); do kill -0 "$app" 2> /dev/null || break; sleep 0.1; done
wait "$app" || rc=$?
check "the program ends (as Qt ends it)" 1 "$rc"
check "foreground saved" 00563412 "$(od -An -tx4 -N4 "$work/pvsetup.dat" | tr -d ' ')"
check "background saved" 00008000 "$(od -An -tx4 -j4 -N4 "$work/pvsetup.dat" | tr -d ' ')"
check "favourite saved" 00008000 "$(od -An -tx4 -j$((60 + 4)) -N4 "$work/pvsetup.dat" | tr -d ' ')"
check "the file is whole" 112 "$(stat -c %s "$work/pvsetup.dat")"
check "no sanitizer error" 0 "$(grep -c "ERROR: AddressSanitizer\|runtime error" "$work/tintaro.log" || true)"
e2e_finish
