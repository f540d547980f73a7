#!/usr/bin/env bash
# Colours that drag and drop, through a real X server: from another
# program's swatch onto the foreground's current colour, from there onto a
# background favourite, and from the program out to the other program,
# which prints what it received. usage: e2e_dnd.sh TINTARO SCREEN_PROBE
set -euo pipefail
source "$(dirname "$0")/e2e_common.sh"
e2e_start "-screen 0 1024x768x24" "$@"
probe=$3
trap 'pkill -f "$work/tintaro" 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

"$probe" swatch 900 600 100 100 3366CC > "$work/received" &
"$probe" wait 950 650 3366CC 30000
"$work/tintaro" > "$work/tintaro.log" 2>&1 &
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro by Tolvex$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
pixel_becomes $((X + 109)) $((Y + 440)) FF0000 > /dev/null # drawn: red on black

drag() { # FROM_X FROM_Y TO_X TO_Y, in small steps as a hand would
    xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 sleep 0.1
    for f in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $(($1 + ($3 - $1) * f / 8)) $(($2 + ($4 - $2) * f / 8)) sleep 0.1
    done
    xdotool mousemove $(($3 + 1)) "$4" sleep 0.3 mouseup 1 sleep 0.3
}
# Picker origins: foreground (34, 148), background (289, 148) in the window;
# the current colour's box at (175, 37) in a picker, favourite 1 at (150, 175).
drag 950 650 $((X + 34 + 175)) $((Y + 148 + 37))
check "dropped from another program" 3366CC "$(pixel_becomes $((X + 109)) $((Y + 440)) 3366CC)"
drag $((X + 34 + 175)) $((Y + 148 + 37)) $((X + 289 + 150)) $((Y + 148 + 175))
check "dropped on a favourite" 3366CC "$(pixel_becomes $((X + 289 + 150)) $((Y + 148 + 175)) 3366CC)"
check "the background stays" 000000 "$("$probe" pixel $((X + 160)) $((Y + 418)))"
drag $((X + 34 + 175)) $((Y + 148 + 37)) 950 650
for _ in $(seq 1 100); do [ -s "$work/received" ] && break; sleep 0.1; done
check "dragged out to another program" "3366CC #3366CC" "$(head -n 1 "$work/received")"
check "no sanitizer report" 0 "$(grep -c "ERROR: .*Sanitizer\|runtime error" "$work/tintaro.log" || true)"
e2e_finish
