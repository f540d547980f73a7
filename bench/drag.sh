#!/usr/bin/env bash
# CPU per pointer event while dragging at 1000 Hz under Xvfb, every event one
# pixel further along a line 80 pixels long, back and forth: Tintaro's
# palette, hue bar and red ramp against Qt's colour dialog (KDE's
# kcolorchooser: its hue/saturation square for the first two, its value
# strip for the third) and GTK's colour selector in gcolor3 (its triangle,
# its hue ring, its opacity scale). Each program runs alone, on the same
# settings: no accessibility bus, Qt's Fusion style without a desktop's
# platform theme, GTK's Adwaita. Seven rounds alternate them; medians are
# printed with the ratios (goals: 0.5x the dialog, 1x gcolor3).
# usage: bench/drag.sh BUILD_DIR   (a Release build with tintaro and bench/drag_driver)
set -euo pipefail

source "$(dirname "$0")/bench_common.sh"
bench_start "$@"
events=3000

# No session bus, so no accessibility bus either; no desktop's theme.
unset DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP KDE_FULL_SESSION DESKTOP_SESSION QT_QPA_PLATFORMTHEME
export NO_AT_BRIDGE=1 QT_ACCESSIBILITY=0 QT_STYLE_OVERRIDE=Fusion GTK_THEME=Adwaita
echo "settings: no session or accessibility bus; Qt style Fusion, no platform theme; GTK theme Adwaita; $events events at 1000 Hz, one pixel each"

# Window-relative drags, "x0 y0 x1 y1", each 80 pixels along its longer side.
declare -A tintaro=([palette]="50 170 130 250" [hue]="162 170 162 250" [ramp]="49 304 129 304")
declare -A dialog=([palette]="300 60 380 140" [hue]="300 100 380 100" [ramp]="492 60 492 140")
declare -A gtk=([palette]="100 125 100 205" [hue]="118 85 198 85" [ramp]="519 218 439 218")

# Starts a program and waits for its largest window: sets $pid, $X, $Y.
start() {
    "$@" > /dev/null 2>&1 &
    pid=$!
    local wid best=0 w
    timeout 30 xdotool search --sync --onlyvisible --pid "$pid" > /dev/null
    sleep 1
    for w in $(xdotool search --onlyvisible --pid "$pid"); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        [ $((WIDTH * HEIGHT)) -le "$best" ] || { best=$((WIDTH * HEIGHT)); wid=$w; }
    done
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
stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; }

declare -A ours theirs gtks
for round in 1 2 3 4 5 6 7; do
    start "$work/tintaro"
    for kind in palette hue ramp; do ours[$kind]+="$(drag "${tintaro[$kind]}") "; done
    stop
    start kcolorchooser
    for kind in palette hue ramp; do theirs[$kind]+="$(drag "${dialog[$kind]}") "; done
    stop
    rm -rf "$work/config"
    XDG_CONFIG_HOME="$work/config" start gcolor3
    for kind in palette hue ramp; do gtks[$kind]+="$(drag "${gtk[$kind]}") "; done
    stop
done
for kind in palette hue ramp; do
    a=$(median ${ours[$kind]}) b=$(median ${theirs[$kind]}) c=$(median ${gtks[$kind]})
    echo "$kind drag, us of CPU per event (median of 7): Tintaro $a (${ours[$kind]% }), Qt's colour dialog $b (${theirs[$kind]% }), gcolor3 $c (${gtks[$kind]% }):" \
        "$(ratio "$a" "$b") the dialog (goal 0.5x), $(ratio "$a" "$c") gcolor3 (goal 1x)"
done
