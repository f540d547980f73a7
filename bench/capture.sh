#!/usr/bin/env bash
# "From Screen" on desktops of three sizes (Xvfb at 1280 x 1024, 3840 x 2160
# and 7680 x 4320): milliseconds from the click to the capture window's
# mapping, against one MIT-SHM read of the same screen by the driver (the
# floor) in the same run; the process's peak memory in bytes per screen
# pixel (the photograph itself is 4); and its memory after the capture
# against before it. Medians of five fresh starts per size.
# usage: bench/capture.sh BUILD_DIR   (a Release build with tintaro and bench/capture_driver)
set -euo pipefail

build=$(cd "${1:-build-release}" && pwd)
work=$(mktemp -d)
pid="" xvfb=""
trap 'kill "$pid" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$build/tintaro" "$work/"
export QT_QPA_PLATFORM=xcb
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
kb() { awk -v k="$1" '$1 == k ":" {print $2}' "/proc/$pid/status"; }

for size in ${TINTARO_CAPTURE_SIZES:-1280x1024 3840x2160 7680x4320}; do
    w=${size%x*} h=${size#*x}
    Xvfb :77 -screen 0 "${size}x24" -nolisten tcp > /dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=:77
    for _ in $(seq 1 100); do xdotool getdisplaygeometry > /dev/null 2>&1 && break; sleep 0.1; done
    # A desktop's picture, as every desktop has: the server's screen memory
    # is then in use, as it is on a real display, not fresh.
    xsetroot -solid '#5A7B9C'
    times=() readies=() floors=() peaks=() befores=() afters=()
    for round in 1 2 3 4 5; do
        rm -f "$work/pvsetup.dat"
        "$work/tintaro" 2> /dev/null &
        pid=$!
        wid=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | tail -n 1)
        sleep 1
        eval "$(xdotool getwindowgeometry --shell "$wid")"
        before=$(kb VmRSS)
        # From Screen in the background frame (frame at 272, 106; button at 17, 270)
        read -r _ ms _ ready _ _ _ floor < <("$build/bench/capture_driver" $((X + 272 + 17 + 40)) $((Y + 106 + 270 + 10)))
        sleep 1
        times+=("$ms") readies+=("$ready") floors+=("$floor") peaks+=("$(kb VmHWM)") befores+=("$before") afters+=("$(kb VmRSS)")
        kill "$pid"; wait "$pid" 2>/dev/null || true
    done
    kill "$xvfb"; wait "$xvfb" 2>/dev/null || true
    t=$(median "${times[@]}") r=$(median "${readies[@]}") f=$(median "${floors[@]}") p=$(median "${peaks[@]}")
    b=$(median "${befores[@]}") a=$(median "${afters[@]}")
    awk -v size="$size" -v px=$((w * h)) -v t="$t" -v r="$r" -v f="$f" -v p="$p" -v b="$b" -v a="$a" -v ts="${times[*]}" 'BEGIN {
        mpx = px / 1e6
        printf "%s (%.1f Mpx): capture window up in %d ms (%s), %.1f ms per Mpx; the photograph in place, its hint shown, at %d ms; one shared-memory read of the screen %d ms: up in %.2fx, in place in %.2fx that\n", size, mpx, t, ts, t / mpx, r, f, t / f, r / f
        printf "%s: peak memory %.1f MB, %.2f bytes per screen pixel (%.2f over the %.1f MB before the capture), %.2fx the photograph; after the capture %.1f MB (%+.1f MB)\n", size, p / 1024, p * 1024 / px, (p - b) * 1024 / px, b / 1024, p * 1024 / px / 4, a / 1024, (a - b) / 1024
    }'
done
echo "goals at 7680x4320: up within 300 ms; peak under 6 bytes per screen pixel (1.5x the photograph); after within 10 MB of before"
