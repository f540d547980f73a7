#!/usr/bin/env bash
# CPU per pointer event while dragging at 1000 Hz under Xvfb: Tintaro's
# palette, hue bar and red ramp against Qt's colour dialog (KDE's
# kcolorchooser) doing the same drags, its hue/saturation square for the
# first two and its value strip for the third. Each program runs alone; five
# rounds alternate them; medians are printed with the ratio (goal: 0.5x).
# usage: bench/drag.sh BUILD_DIR   (a Release build with tintaro and bench/drag_driver)
set -euo pipefail

source "$(dirname "$0")/bench_common.sh"
bench_start "$@"
events=3000

# Window-relative drags, "x0 y0 x1 y1", for each kind.
declare -A tintaro=([palette]="50 170 135 250" [hue]="162 163 162 256" [ramp]="49 304 130 304")
declare -A dialog=([palette]="252 25 464 216" [hue]="252 25 464 216" [ramp]="492 25 492 216")

# Starts a program and waits for its window: sets $pid, $X, $Y.
start() {
    "$@" > /dev/null 2>&1 &
    pid=$!
    local wid
    wid=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | tail -n 1)
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$wid")"
}
# Microseconds of CPU per event of one drag: "x0 y0 x1 y1" relative to the window.
drag() {
    local x0 y0 x1 y1 before
    read -r x0 y0 x1 y1 <<< "$1"
    before=$(ticks)
    "$build/bench/drag_driver" $((X + x0)) $((Y + y0)) $((X + x1)) $((Y + y1)) "$events" 1000
    sleep 0.5
    echo $(( ($(ticks) - before) * 1000000 / $(getconf CLK_TCK) / events ))
}

declare -A ours theirs
for round in 1 2 3 4 5; do
    start "$work/tintaro"
    for kind in palette hue ramp; do ours[$kind]+="$(drag "${tintaro[$kind]}") "; done
    kill "$pid"; wait "$pid" 2>/dev/null || true
    start kcolorchooser
    for kind in palette hue ramp; do theirs[$kind]+="$(drag "${dialog[$kind]}") "; done
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
for kind in palette hue ramp; do
    a=$(median ${ours[$kind]}) b=$(median ${theirs[$kind]})
    echo "$kind drag, us of CPU per event at 1000 Hz (median of 5): Tintaro $a (${ours[$kind]% }), Qt's colour dialog $b (${theirs[$kind]% }): $(ratio "$a" "$b") (goal 0.5x)"
done
