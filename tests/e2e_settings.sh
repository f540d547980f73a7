#!/usr/bin/env bash
# The real program on a real X server: a favourite stored with the mouse
# survives SIGTERM, SIGINT and SIGHUP (each closes the window through its
# normal save), and two copies on one folder keep what each stored.
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"
e2e_start "-screen 0 1280x768x24" "$@"
trap 'pkill -f "$work/tintaro" 2>/dev/null || true; rm -rf "$work"' EXIT

# Starts a copy, moves its window to (left, 0) and prints "pid window". Its
# output goes to a log, so that the caller's $(...) does not wait for it. Its
# window is the one that was not there before.
start() {
    local before pid wid=""
    before=$(xdotool search --onlyvisible --name '^Tintaro by Tolvex$' 2>/dev/null || true)
    "$work/tintaro" >> "$work/tintaro.log" 2>&1 &
    pid=$!
    for _ in $(seq 1 100); do
        wid=$(xdotool search --onlyvisible --name '^Tintaro by Tolvex$' 2>/dev/null | grep -vxF "${before:-none}" | head -n 1 || true)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    xdotool windowmove --sync "$wid" "$1" 0
    sleep 0.5
    echo "$pid $wid"
}

# Right-click on favourite box n (1..4, top row) of the foreground picker of
# a window at (left, 0): the picker lies at (34, 148), the boxes at x 143 + 17 (n - 1), y 168.
store() {
    xdotool mousemove $(($1 + 34 + 143 + 17 * ($2 - 1) + 7)) $((148 + 168 + 7)) click 3
    sleep 0.3
}

ended() { # pid: waits for it to end; a sanitizer report fails the test
    for _ in $(seq 1 100); do
        if ! kill -0 "$1" 2>/dev/null; then
            if grep -q "ERROR: .*Sanitizer\|runtime error" "$work/tintaro.log"; then
                echo "tintaro $1 ended with a sanitizer report:" >&2
                cat "$work/tintaro.log" >&2
                return 1
            fi
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Favourite n of the foreground picker in the saved file, as hex.
favourite() { od -An -tx4 -j $((8 + 4 * ($1 - 1))) -N4 "$work/pvsetup.dat" | tr -d ' '; }

for sig in TERM INT HUP; do
    rm -f "$work/pvsetup.dat"
    read -r pid _ <<< "$(start 0)"
    store 0 1
    kill -s "$sig" "$pid" || true
    kill -s "$sig" "$pid" 2>/dev/null || true # a second one during the save changes nothing
    if ended "$pid"; then
        check "SIG$sig: file size" 112 "$(stat -c %s "$work/pvsetup.dat")"
        check "SIG$sig: stored favourite" 000000ff "$(favourite 1)"
    else
        check "SIG$sig: program ended" yes no
    fi
done

# Two copies on one folder, each storing a different favourite. Not a first
# run: a second copy started then finds the first one's empty file.
{ printf '\377\000\000\000'; head -c 108 /dev/zero; } > "$work/pvsetup.dat" # red on black
read -r first _ <<< "$(start 0)"
read -r second _ <<< "$(start 600)"
store 0 1
store 600 2
xdotool mousemove $((0 + 508)) 16 click 1 # the first copy's close button
ended "$first" || true
kill -TERM "$second"
ended "$second" || true
check "first copy's favourite" 000000ff "$(favourite 1)"
check "second copy's favourite" 000000ff "$(favourite 2)"
check "untouched favourite" 00000000 "$(favourite 3)"

[ "$failed" -eq 0 ] || { od -An -tx4 "$work/pvsetup.dat"; cat "$work/tintaro.log"; ls -la "$work"; }
e2e_finish
