#!/usr/bin/env bash
# The real program on a real X server: a favourite stored with the mouse
# survives SIGTERM, SIGINT and SIGHUP (each closes the window through its
# normal save), also when a second signal comes during the save.
set -euo pipefail
source "$(dirname "$0")/e2e_common.sh"
e2e_start "-screen 0 1280x768x24" "$@"
trap 'pkill -f "$work/tintaro" 2>/dev/null || true; rm -rf "$work"' EXIT

for sig in TERM INT HUP; do
    rm -f "$work/pvsetup.dat"
    "$work/tintaro" > "$work/tintaro.log" 2>&1 &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro by Tolvex$' | head -n 1)
    xdotool windowmove --sync "$wid" 0 0
    sleep 0.5
    # Right-click on the foreground picker's first favourite: the picker lies
    # at (34, 148), the box at (143, 168) in it.
    xdotool mousemove $((34 + 143 + 7)) $((148 + 168 + 7)) click 3
    sleep 0.3
    kill -s "$sig" "$pid" || true
    kill -s "$sig" "$pid" 2>/dev/null || true
    for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null && sleep 0.1; done
    rc=0
    wait "$pid" || rc=$?
    check "SIG$sig: the program ended by its own close (0)" 0 "$rc"
    check "SIG$sig: no sanitizer report" 0 "$(grep -c "ERROR: .*Sanitizer\|runtime error" "$work/tintaro.log" || true)"
    check "SIG$sig: file size" 112 "$(stat -c %s "$work/pvsetup.dat" 2>/dev/null || echo none)"
    check "SIG$sig: stored favourite" 000000ff "$(od -An -tx4 -j 8 -N4 "$work/pvsetup.dat" 2>/dev/null | tr -d ' ')"
done
e2e_finish
