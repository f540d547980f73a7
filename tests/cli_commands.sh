#!/usr/bin/env bash
# The command line as scripts use it, with no display at all: convert and
# contrast, and what pick says without one. Each run's standard output,
# standard error and exit status are checked. usage: cli_commands.sh TINTARO
set -euo pipefail
source "$(dirname "$0")/e2e_common.sh"
plain_start "$1"

# run NAME EXPECTED_STATUS EXPECTED_OUT EXPECTED_ERR_PART COMMAND...
run() {
    local name=$1 status=$2 out=$3 err=$4 rc=0
    shift 4
    "$@" > "$work/out" 2> "$work/err" || rc=$?
    check "$name: exit status" "$status" "$rc"
    check "$name: standard output" "$out" "$(cat "$work/out")"
    if [ -z "$err" ]; then
        check "$name: standard error" "" "$(cat "$work/err")"
    else
        check "$name: standard error" yes "$(grep -qF -- "$err" "$work/err" && echo yes || echo no)"
    fi
}
t=$work/tintaro
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
run "convert to oklch" 0 $'oklch(62.8% 0.2577 29.23)\noklch(50% 0.099 250.4)' "" nodisplay "$t" convert red '#336699' --to=oklch
run "convert, every form" 0 "$(printf 'hex: &H8000\nlong: 32768\nhtml: #008000\nrgb: rgb(0 128 0)\nhsl: hsl(120 100%% 25%%)\nhwb: hwb(120 0%% 50%%)\nlab: lab(46.3 -47.6 48.6)\nlch: lch(46.3 68 134.4)\noklab: oklab(52%% -0.1403 0.1077)\noklch: oklch(52%% 0.177 142.5)\nhsv: hsv(120, 100%%, 50%%)\ncmyk: cmyk(100%%, 0%%, 100%%, 50%%)\nfloat: 0, 0.5, 0\nname: green')" \
    "" nodisplay "$t" convert 'hsl(120, 100%, 25%)'
run "convert, one unreadable" 2 "rgb(255 0 0)" "not a colour: 'nocolour'" nodisplay "$t" convert red nocolour --to rgb
run "convert, unknown form" 2 "" "hex, long, html, rgb, hsl, hwb, lab, lch, oklab, oklch, hsv, cmyk, float, name" \
    nodisplay "$t" convert red --to pantone
run "contrast" 0 $'4.54:1\nAA normal text (4.5:1): pass\nAA large text and UI components (3:1): pass\nAAA normal text (7:1): fail\nAAA large text (4.5:1): pass' \
    "" nodisplay "$t" contrast '#767676' white
# Red and lime as protanopia shows them, #6D5F00 and #FFE500 (Machado et al.,
# as tst_Colour works them out): 5.00:1 where the colours as they are give 2.91:1.
run "contrast, simulated" 0 $'5.00:1 as seen with protanopia\nAA normal text (4.5:1): pass\nAA large text and UI components (3:1): pass\nAAA normal text (7:1): fail\nAAA large text (4.5:1): pass' \
    "" nodisplay "$t" contrast red lime --simulate protanopia
run "contrast, one colour" 2 "" "contrast needs a foreground and a background" nodisplay "$t" contrast red
run "contrast, unknown simulation" 2 "" "unknown simulation 'x'" nodisplay "$t" contrast red blue --simulate x
run "unknown command" 2 "" "unknown command 'paint'" nodisplay "$t" paint
run "pick without a display" 2 "" "pick needs a display" nodisplay "$t" pick
run "pick, unreachable display" 2 "" "the X server ':97' does not answer" env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:97 "$t" pick

e2e_finish
