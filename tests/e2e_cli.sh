#!/usr/bin/env bash
# "tintaro pick" on a real X server over a picture whose every pixel encodes
# its position: a click, the keys, Escape; standard output and exit status
# are checked. usage: e2e_cli.sh TINTARO SCREEN_PROBE
set -euo pipefail
source "$(dirname "$0")/e2e_common.sh"
e2e_start "-screen 0 800x600x24" "$@"
probe=$3
trap 'pkill -f "$work/tintaro" 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# pick: the capture over the picture, a click takes the pixel.
"$probe" coords 0 0 800 600 &
"$probe" wait 400 300 902C11 30000
encoded() { printf '#%02X%02X%02X' $(($1 & 255)) $(($2 & 255)) $((($1 >> 8 & 15) | ($2 >> 8 & 15) << 4)); }
pick() { # FORM X Y: the colour a click at x, y gives, and the exit status
    "$work/tintaro" pick --to "$1" > "$work/out" 2> "$work/err" &
    local pid=$! rc=0
    timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro$' > /dev/null
    xdotool sleep 0.3 mousemove "$2" "$3" sleep 0.2 click 1
    wait "$pid" || rc=$?
    echo "$(cat "$work/out") $rc"
}
check "pick, html" "$(encoded 531 77) 0" "$(pick html 531 77)"
check "pick, rgb" "rgb(144 45 16) 0" "$(pick rgb 144 301)"
# The arrow keys move one pixel, with Shift ten; Enter takes.
"$work/tintaro" pick > "$work/out" 2> "$work/err" &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro$' > /dev/null
xdotool sleep 0.3 mousemove 100 100 sleep 0.2 key Right shift+Down Return
rc=0
wait "$pid" || rc=$?
check "pick by the keys" "$(encoded 101 110) 0" "$(cat "$work/out") $rc"
# Escape cancels: nothing on standard output, status 1.
"$work/tintaro" pick > "$work/out" 2> "$work/err" &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro$' > /dev/null
xdotool sleep 0.3 key Escape
rc=0
wait "$pid" || rc=$?
check "pick cancelled" " 1" "$(cat "$work/out") $rc"
check "no sanitizer report" 0 "$(grep -c "ERROR: .*Sanitizer\|runtime error" "$work/err" || true)"
check "no settings file written" no "$([ -e "$work/pvsetup.dat" ] && echo yes || echo no)"
e2e_finish
