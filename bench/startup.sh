#!/usr/bin/env bash
# Start-up cost of the real program on an X server (Xvfb):
#   - time from process start to the first painted main window, median of 5
#   - peak and current memory (RSS) once started
#   - CPU used over 5 s of idling with the pointer away from the buttons, and
#     over 5 s with the pointer resting on the menu button
# Each against the same bare Qt window with one line in each of the design's
# fonts, measured in the same run; the bare window itself is shown too.
# usage: bench/startup.sh BUILD_DIR   (a Release build with tintaro, screen_probe and bare_window)
set -euo pipefail

source "$(dirname "$0")/bench_common.sh"
bench_start "$@"
probe="$build/screen_probe"

# The window opens centred on the 1024 x 768 screen. Xvfb's bare screen is
# black, so the first paint shows as the window's own grey (0xC0C0C0) at a
# spot of its background left of the frames.
x=$(( (1024 - 536) / 2 + 5 ))
y=$(( (768 - 474) / 2 + 300 ))

# One start of a program (with its arguments): sets $ms to the milliseconds
# to its first paint, and leaves it running as $pid.
first_paint() {
    rm -f "$work/pvsetup.dat"
    "$probe" wait "$x" "$y" C0C0C0 10000 &
    local waiter=$! start
    sleep 0.3 # let the probe connect before the clock starts
    start=$(date +%s%N)
    "$@" 2> /dev/null &
    pid=$!
    wait "$waiter"
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
}
stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; sleep 0.3; }
rss_of() { sleep 1; awk '/VmRSS/ {print $2}' "/proc/$pid/status"; }

# Five rounds, each the bare Qt window, the same with a line of text in each
# of the design's fonts, then the program; the memory of the last round's
# three.
bare=() text=() times=()
for run in 1 2 3 4 5; do
    first_paint "$build/bench/bare_window"
    bare+=("$ms")
    [ "$run" -lt 5 ] || bare_rss=$(rss_of)
    stop
    first_paint "$build/bench/bare_window" text
    text+=("$ms")
    [ "$run" -lt 5 ] || text_rss=$(rss_of)
    stop
    first_paint "$work/tintaro"
    times+=("$ms")
    [ "$run" -eq 5 ] || stop
done
tb=$(median "${bare[@]}") tx=$(median "${text[@]}") tt=$(median "${times[@]}")
echo "first paint (ms): bare Qt window ${bare[*]}, median $tb; with the design's fonts ${text[*]}, median $tx ($(ratio "$tx" "$tb") the bare one);" \
    "Tintaro ${times[*]}, median $tt: $(ratio "$tt" "$tx") the window with the fonts (goal 1.10x), $(ratio "$tt" "$tb") the bare one"
rss=$(rss_of)
hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
echo "memory after start-up: RSS ${rss} kB (peak ${hwm} kB), bare Qt window ${bare_rss} kB, with the design's fonts ${text_rss} kB" \
    "($(ratio "$text_rss" "$bare_rss") the bare one): $(ratio "$rss" "$text_rss") the window with the fonts (goal 1.10x), $(ratio "$rss" "$bare_rss") the bare one"

before=$(ticks)
sleep 5
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "idle CPU over 5 s: $(( (after - before) * 100 / hz / 5 ))% ($(( after - before )) ticks of 1/${hz} s)"

# The menu button, btnForm(0) at (446, 6), 21 x 21: hovered, then left alone.
xdotool mousemove $(( (1024 - 536) / 2 + 456 )) $(( (768 - 474) / 2 + 16 ))
sleep 0.5
before=$(ticks)
sleep 5
after=$(ticks)
echo "pointer resting on a title button, 5 s: $(( after - before )) ticks of 1/${hz} s"
