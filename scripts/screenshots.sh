#!/usr/bin/env bash
# Screenshots of the window for a before-and-after comparison: at scales 1,
# 1.5 and 2 under Xvfb and openbox, from one fixed settings file, after each
# of 16 Tab presses and after a palette click and a hue-bar drag. Compare two
# runs with cmp; a change that should not touch pixels leaves every file the
# same. usage: scripts/screenshots.sh TINTARO SCREEN_PROBE OUTDIR
set -uo pipefail
bin=$1 probe=$2 out=$3
mkdir -p "$out"
export DISPLAY=:77
for scale in 1 1.5 2; do
    dir=$(mktemp -d)
    cp "$bin" "$dir/tintaro"
    python3 -c "
import struct
v = [0x00336699, 0x00CCDDEE] + [(i * 0x0A1B2C + 0x102030) & 0xFFFFFF for i in range(26)]
open('$dir/pvsetup.dat', 'wb').write(struct.pack('<28i', *v))"
    Xvfb "$DISPLAY" -screen 0 2560x1600x24 -nolisten tcp > /dev/null 2>&1 &
    xvfb=$!
    sleep 1
    openbox > /dev/null 2>&1 &
    wm=$!
    sleep 1
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$dir/tintaro" > /dev/null 2>&1 &
    app=$!
    sleep 3
    "$probe" grab "$out/s${scale}_0.png"
    win=$(xdotool search --name Tintaro | head -1)
    xdotool windowactivate "$win" 2> /dev/null
    for i in $(seq 1 16); do
        xdotool key Tab
        sleep 0.3
        "$probe" grab "$out/s${scale}_$i.png"
    done
    xdotool mousemove --window "$win" 60 120 click 1 mousemove --window "$win" 130 150 mousedown 1 \
        mousemove --window "$win" 130 100 mouseup 1
    sleep 0.3
    "$probe" grab "$out/s${scale}_k.png"
    kill "$app" "$wm" "$xvfb"
    wait "$app" "$wm" "$xvfb" 2> /dev/null
    rm -rf "$dir"
done
