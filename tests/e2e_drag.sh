#!/usr/bin/env bash
# Window drags on a real X server under a real window manager (openbox):
# each mouse button drags by the background only while it is held, a tap
# (press and release back to back) never leaves the window following the
# pointer, and a press on a frame does not drag at all.
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"
e2e_start "-screen 0 1024x768x24" "$@"
pid=""
wm=""
trap 'kill "$pid" "$wm" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

openbox --sm-disable > "$work/openbox.log" 2>&1 &
wm=$!
sleep 1
"$work/tintaro" &
pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro by Tolvex$' | head -n 1)
sleep 0.5

where() { xdotool getwindowgeometry --shell "$wid" | awk -F= '/^[XY]=/ {printf "%s ", $2}'; }

for button in 1 2 3; do
    # Held on the grey background left of the frames, moved twice, released.
    read -r x y <<< "$(where)"
    xdotool mousemove $((x + 5)) $((y + 300)) mousedown "$button" sleep 0.1 mousemove $((x + 25)) $((y + 310)) \
        sleep 0.1 mousemove $((x + 45)) $((y + 325)) sleep 0.2
    check "button $button held" "$((x + 40)) $((y + 25)) " "$(where)"
    xdotool mouseup "$button" sleep 0.2 mousemove $((x + 140)) $((y + 360)) sleep 0.3
    check "button $button released" "$((x + 40)) $((y + 25)) " "$(where)"
    read -r x y <<< "$(where)"
    xdotool mousemove $((x + 5)) $((y + 300)) click "$button" sleep 0.1 mousemove $((x + 60)) $((y + 350)) sleep 0.3
    check "button $button tapped" "$x $y " "$(where)"
done
# A press on the foreground frame's body drags nothing.
read -r x y <<< "$(where)"
xdotool mousemove $((x + 25)) $((y + 400)) mousedown 1 sleep 0.1 mousemove $((x + 65)) $((y + 430)) sleep 0.2 mouseup 1 sleep 0.2
check "frame" "$x $y " "$(where)"
e2e_finish
