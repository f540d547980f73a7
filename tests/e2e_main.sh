#!/usr/bin/env bash
# The real program on a real X server: start it beside a seeded pvsetup.dat,
# read the sample strip off the screen, take the background colour from the
# screen, close it with its own close button, and check the file it wrote.
set -euo pipefail

if [ "${1:-}" != "--inner" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inner "$@"
fi
shift
exe=$1
probe=$2
export QT_QPA_PLATFORM=xcb

work=$(mktemp -d)
pid=""
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$exe" "$work/tintaro"

# One little-endian 32-bit integer: the escapes are built first, then printed.
le32() {
    # shellcheck disable=SC2059
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"
}
{
    le32 $((0x336699))   # foreground #996633
    le32 $((0x102030))   # background #302010
    for n in $(seq 1 12); do le32 $((n * 0x010203)); done
    le32 $((0x7ABCDEF))  # spare
    for n in $(seq 1 12); do le32 $((n * 0x030201)); done
    le32 $((0x1234567))  # spare
} > "$work/pvsetup.dat"
cp "$work/pvsetup.dat" "$work/seed.dat"
[ "$(stat -c %s "$work/seed.dat")" -eq 112 ]

"$work/tintaro" &
pid=$!
wid=$(timeout 30 xdotool search --sync --name '^Tintaro by Tolvex$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$wid")"

# Wait for the first paint, then read the strip: the sample's background and
# the foreground swatch to its left.
pixel() { "$probe" pixel $((X + $1)) $((Y + $2)); }
for _ in $(seq 1 100); do
    [ "$(pixel 160 418)" = "302010" ] && break
    sleep 0.1
done
sample=$(pixel 160 418)
swatch=$(pixel 109 440)
echo "sample background $sample, foreground swatch $swatch"
[ "$sample" = "302010" ]
[ "$swatch" = "996633" ]

# From Screen in the background frame (frame at 272, 106; button at 17, 270),
# then a click on the photograph where the foreground swatch was: with no
# window manager the minimised window stays in the picture.
xdotool mousemove $((X + 272 + 17 + 40)) $((Y + 106 + 270 + 10)) click 1
timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro$' > /dev/null
sleep 0.5
xdotool mousemove $((X + 109)) $((Y + 440))
sleep 0.3
xdotool click 1
for _ in $(seq 1 50); do
    [ "$(pixel 160 418)" = "996633" ] && break
    sleep 0.1
done
echo "sample background after the capture: $(pixel 160 418)"
[ "$(pixel 160 418)" = "996633" ]

# The close button: btnForm(2) at (498, 6), 21 x 21.
xdotool mousemove $((X + 508)) $((Y + 16))
sleep 0.3
xdotool click 1
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not end after its close button" >&2
    exit 1
fi
wait "$pid"
# Everything as read, but the background now the captured foreground colour.
{ head -c 4 "$work/seed.dat"; le32 $((0x336699)); tail -c +9 "$work/seed.dat"; } > "$work/expected.dat"
cmp "$work/expected.dat" "$work/pvsetup.dat"
echo "1 passed, 0 failed"
