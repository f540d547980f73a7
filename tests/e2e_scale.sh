#!/usr/bin/env bash
# "From Screen" on a scaled desktop (QT_SCALE_FACTOR 2 and 1.5): over a
# picture whose every device pixel encodes its own position, a pick at odd
# and even device pixels takes exactly that pixel, and the arrow keys move
# one device pixel at a time.
# usage: e2e_scale.sh TINTARO SCREEN_PROBE
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"
e2e_start "-screen 0 1600x1200x24" "$@"
probe=$3
trap 'pkill -f "$work/tintaro" 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

"$probe" coords 0 0 1600 1200 &
"$probe" wait 800 600 205823 30000 # the picture is up before anything is photographed
encoded() { printf '%02X%02X%02X' $(($1 & 255)) $(($2 & 255)) $(((($1 >> 8) & 15) | ((($2 >> 8) & 15) << 4))); }

# Device pixels outside the program's window, odd and even in each axis.
points=(11,13 12,14 13,16 101,57 100,58 255,1 256,2 257,3 30,1101 31,1102
        1401,100 1402,101 1500,1100 1501,1101 1599,1199 7,600 8,601 1450,333 1451,334 2,2)
for scale in ${E2E_SCALES:-2 1.5}; do
    QT_SCALE_FACTOR=$scale "$work/tintaro" > "$work/tintaro.log" 2>&1 &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro by Tolvex$' | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    sleep 0.5
    at() { awk -v o="$1" -v l="$2" -v s="$scale" 'BEGIN { printf "%d", o + l * s + 0.5 }'; }
    for point in "${points[@]}"; do
        px=${point%,*}
        py=${point#*,}
        xdotool mousemove "$(at "$X" 329)" "$(at "$Y" 386)" click 1
        timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro$' > /dev/null
        xdotool sleep 0.2 mousemove "$px" "$py" sleep 0.1 click 1
        want=$(encoded "$px" "$py")
        # The right background swatch, lblSample(1), at (389, 415) 75 x 50, by
        # its left edge: the foreground swatch sits in its middle.
        check "scale $scale at $px,$py" "$want" "$(pixel_becomes "$(at "$X" 393)" "$(at "$Y" 440)" "$want")"
    done
    # The keyboard: three device pixels to the right, then Enter takes.
    xdotool mousemove "$(at "$X" 329)" "$(at "$Y" 386)" click 1
    timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro$' > /dev/null
    xdotool sleep 0.2 mousemove 1401 61 sleep 0.2 key Right Right Right Return
    want=$(encoded 1404 61)
    check "scale $scale: Right three times, Enter" "$want" "$(pixel_becomes "$(at "$X" 393)" "$(at "$Y" 440)" "$want")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
e2e_finish
