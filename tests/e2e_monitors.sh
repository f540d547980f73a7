#!/usr/bin/env bash
# "From Screen" across two monitors: the photograph covers both, and a pick
# on the second monitor gives its colour. The monitors are RandR 1.5
# monitors on one Xvfb screen (800 x 600 and 640 x 480 side by side): Xvfb's
# own Xinerama puts every screen at 0, 0. usage: e2e_monitors.sh TINTARO SCREEN_PROBE
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"
e2e_start "-screen 0 1440x600x24" "$@"
probe=$3
trap 'pkill -f "$work/tintaro" 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

xrandr --setmonitor LEFT 800/211x600/158+0+0 screen > /dev/null
xrandr --setmonitor RIGHT 640/169x480/127+800+0 none > /dev/null
"$probe" solid 800 0 640 480 3366CC &
"$probe" solid 0 0 800 600 204060 &
# The pictures on the screen before anything is photographed: on a busy
# machine they take their time, and a photograph without them is black.
"$probe" wait 1000 200 3366CC 30000
"$probe" wait 50 50 204060 30000
"$work/tintaro" > "$work/tintaro.log" 2>&1 &
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro by Tolvex$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
sleep 0.5
check "window opens on the primary monitor" yes "$([ "$X" -lt 800 ] && echo yes || echo no)"

for target in "1000 200 3366CC second" "50 50 204060 first" "1400 470 3366CC second's corner"; do
    read -r px py colour name <<< "$target"
    # From Screen in the background frame (frame at 272, 106; button at 17, 270).
    xdotool mousemove $((X + 272 + 17 + 40)) $((Y + 106 + 270 + 10)) click 1
    timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro$' > /dev/null
    xdotool sleep 0.3 mousemove "$px" "$py" sleep 0.2 click 1
    check "pick on the $name monitor" "$colour" "$(pixel_becomes $((X + 160)) $((Y + 418)) "$colour")"
done
e2e_finish
