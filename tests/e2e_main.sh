#!/usr/bin/env bash
# The real program on a real X server: start it beside a seeded pvsetup.dat,
# read the sample strip off the screen, take the background colour from the
# screen, type and paste CSS colours and copy one in another form, close it
# with its own close button, and check the file it wrote.
set -euo pipefail
source "$(dirname "$0")/e2e_common.sh"
e2e_start "-screen 0 1024x768x24" "$@"
probe=$3
trap 'pkill -f "$work/tintaro" 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

le32() { # one little-endian 32-bit integer
    # shellcheck disable=SC2059
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"
}
{
    le32 $((0x336699)) # foreground #996633
    le32 $((0x102030)) # background #302010
    for n in $(seq 1 12); do le32 $((n * 0x010203)); done
    le32 $((0x7ABCDEF)) # spare
    for n in $(seq 1 12); do le32 $((n * 0x030201)); done
    le32 $((0x1234567)) # spare
} > "$work/pvsetup.dat"
cp "$work/pvsetup.dat" "$work/seed.dat"

# A desktop of one colour under the window, shown first so it stays below.
"$probe" solid 0 0 1024 768 5A7B9C &
"$probe" wait 512 384 5A7B9C 10000
"$work/tintaro" &
pid=$!
wid=$(timeout 30 xdotool search --sync --name '^Tintaro by Tolvex$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The strip: the sample's background, and the foreground swatch to its left.
check "sample background" 302010 "$(pixel_becomes $((X + 160)) $((Y + 418)) 302010)"
check "foreground swatch" 996633 "$("$probe" pixel $((X + 109)) $((Y + 440)))"

# From Screen in the background frame (frame at 272, 106; button at 17, 270),
# then a click on the photograph at (PICK_X, PICK_Y), which shows COLOUR; the
# magnifier's read-out (dark, 16 + 110 below and 16 right of the pointer)
# leaves no trace where it was once it follows the pointer away.
capture() { # PICK_X PICK_Y COLOUR WHAT
    xdotool mousemove $((X + 272 + 17 + 40)) $((Y + 106 + 270 + 10)) click 1
    timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro$' > /dev/null
    xdotool sleep 0.5 mousemove 100 100
    check "magnifier's read-out, $4" 202020 "$(pixel_becomes 118 228 202020)"
    xdotool mousemove 700 500
    check "where the magnifier was, $4" 5A7B9C "$(pixel_becomes 118 228 5A7B9C)"
    xdotool mousemove "$1" "$2" sleep 0.3 click 1
    check "sample background after the capture, $4" "$3" "$(pixel_becomes $((X + 160)) $((Y + 418)) "$3")"
}
# Where the foreground swatch was: no window manager runs to minimise
# anything, yet the window is not in the picture.
capture $((X + 109)) $((Y + 440)) 5A7B9C "no compositor"
# Where a compositing manager has announced itself, so the window cannot
# count on the screen showing through it: the photograph is its background
# from the start. A patch of another colour is taken this time.
"$probe" solid 20 40 80 80 AA5500 &
"$probe" wait 50 80 AA5500 10000
coproc owner { "$probe" compositor; }
read -r _ <&"${owner[0]}"
capture 50 80 AA5500 "composited"
kill "$owner_PID"

# A CSS colour typed into the foreground's HTML box, one pasted into the
# background's; then "Copy As" from a right click on the foreground's HEX
# Copy label, its tenth item (OKLCH) chosen with the keys.
xdotool mousemove $((X + 210)) $((Y + 305)) click 1 key ctrl+a type 'oklch(62.8% 0.2577 29.23)'
xdotool key Return
check "typed oklch()" FF0000 "$(pixel_becomes $((X + 109)) $((Y + 440)) FF0000)"
printf 'hsl(120deg 100%% 25%%)' | xclip -selection clipboard
xdotool mousemove $((X + 465)) $((Y + 305)) click 1 key ctrl+a ctrl+v Return
check "pasted hsl()" 008000 "$(pixel_becomes $((X + 160)) $((Y + 418)) 008000)"
xdotool mousemove $((X + 227)) $((Y + 221)) click 3 sleep 0.5 key Down Down Down Down Down Down Down Down Down Down Return
for _ in $(seq 1 100); do
    copied=$(xclip -o -selection clipboard 2>/dev/null || true)
    [ "$copied" = "oklch(62.8% 0.2577 29.23)" ] && break
    sleep 0.1
done
check "Copy As OKLCH" "oklch(62.8% 0.2577 29.23)" "$copied"

xdotool mousemove $((X + 508)) $((Y + 16)) sleep 0.3 click 1 # the close button, btnForm(2) at (498, 6)
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null && sleep 0.1; done
check "ended by its close button" yes "$(kill -0 "$pid" 2>/dev/null && echo no || echo yes)"
rc=0
wait "$pid" || rc=$?
check "exit status (a sanitizer report is not 0)" 0 "$rc"
# Everything as read, but the two colours typed and pasted.
{ le32 $((0x0000FF)); le32 $((0x008000)); tail -c +9 "$work/seed.dat"; } > "$work/expected.dat"
check "pvsetup.dat" same "$(cmp -s "$work/expected.dat" "$work/pvsetup.dat" && echo same || echo different)"
e2e_finish
