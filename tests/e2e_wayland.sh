#!/usr/bin/env bash
# "From Screen" in a real Wayland session: a headless sway showing a picture
# whose every pixel encodes its position, the desktop portal (with its wlr
# backend, PipeWire, and the gtk backend that the portal needs for Access)
# on a private session bus, and the program on Qt's Wayland plugin. The
# pointer is a virtual one (wayland_pointer). Two picks must give
# exactly their pixels, and the main window must be back after each; then
# "tintaro pick" must print the pixel it is given; last, the colours chosen
# must be saved when the compositor dies.
# sway refuses to run as root, so as root the session runs as nobody.
# usage: e2e_wayland.sh TINTARO SCREEN_PROBE WAYLAND_POINTER
set -euo pipefail

if [ "${1:-}" != "--session" ]; then
    # Everything the session needs, where an ordinary user can read it: the
    # source tree may lie in a folder of root's own.
    here=$(dirname "$(readlink -f "$0")")
    source "$here/e2e_common.sh"
    session_dirs
    cp "$1" "$2" "$3" "$here/e2e_wayland.sh" "$here/e2e_common.sh" "$home/"
    QT_QPA_PLATFORM=offscreen "$2" write-coords "$home/bg.png" 800 600
    session_as_user e2e_wayland.sh
fi
export HOME=$2 XDG_RUNTIME_DIR=$3
cd "$HOME"
source "$HOME/e2e_common.sh"
session_begin

export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman
export XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
printf 'xwayland disable\noutput * mode 800x600 bg %s/bg.png fill\n' "$HOME" > sway.conf
sway -c sway.conf > sway.log 2>&1 & started
for _ in $(seq 1 100); do
    ls "$XDG_RUNTIME_DIR"/sway-ipc.* > /dev/null 2>&1 && ls "$XDG_RUNTIME_DIR"/wayland-? > /dev/null 2>&1 && break
    sleep 0.1
done
WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-? | head -n 1)")
SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.* | head -n 1)
export WAYLAND_DISPLAY SWAYSOCK

session_bus session
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 session.address)
export DBUS_SESSION_BUS_ADDRESS
pipewire > pipewire.log 2>&1 & started
sleep 0.5
/usr/libexec/xdg-desktop-portal-wlr > portal-wlr.log 2>&1 & started
/usr/libexec/xdg-desktop-portal-gtk > portal-gtk.log 2>&1 & started
sleep 0.5
/usr/libexec/xdg-desktop-portal > portal.log 2>&1 & started
sleep 1
pointer_start ./wayland_pointer 800 600

click() { pointer click "$1" "$2"; }
# "name x y visible" of each of the program's windows.
windows() {
    swaymsg -t get_tree | python3 -c '
import json, sys
def walk(n):
    if n.get("app_id") is not None or n.get("shell"):
        r = n["rect"]
        print("%s|%d %d|%s" % (n.get("name"), r["x"], r["y"], n.get("visible")))
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))'
}
main_window() { windows | grep '^Tintaro by Tolvex|' || true; }
capture_open() { windows | grep -q '^Tintaro|'; }

export QT_QPA_PLATFORM=wayland
./tintaro > tintaro.log 2>&1 &
app=$!
for _ in $(seq 1 100); do [ -n "$(main_window)" ] && break; sleep 0.1; done
read -r x y <<< "$(main_window | cut -d'|' -f2)"
echo "main window at $x, $y"

encoded() { printf '%02x%02x%02x' $((($1 >> 8 & 15) | ($2 >> 8 & 15) << 4)) $(($2 & 255)) $(($1 & 255)); }
for point in "201 101" "30 577"; do
    read -r px py <<< "$point"
    # From Screen in the background frame (frame at 272, 106; button at 17, 270).
    click $((x + 272 + 17 + 40)) $((y + 106 + 270 + 10))
    for _ in $(seq 1 100); do capture_open && break; sleep 0.1; done
    check "capture window opens over the photograph ($px, $py)" yes "$(capture_open && echo yes || echo no)"
    click "$px" "$py"
    for _ in $(seq 1 50); do capture_open || break; sleep 0.1; done
    check "main window back after the pick ($px, $py)" "True" "$(main_window | cut -d'|' -f3)"
done
kill -TERM "$app"
for _ in $(seq 1 100); do kill -0 "$app" 2> /dev/null || break; sleep 0.1; done
# The last pick is the background colour, 0x00BBGGRR at offset 4.
check "picked colour saved" "$(encoded 30 577)" "$(od -An -tx4 -j4 -N4 pvsetup.dat | tr -d ' ' | cut -c3-)"

# "tintaro pick": the same capture with no window of its own, the colour
# printed on standard output.
./tintaro pick --to html > pick.out 2>> tintaro.log &
picker=$!
for _ in $(seq 1 100); do capture_open && break; sleep 0.1; done
click 611 333
rc=0
for _ in $(seq 1 100); do kill -0 "$picker" 2> /dev/null || break; sleep 0.1; done
wait "$picker" || rc=$?
check "tintaro pick prints the pixel" "$(printf '#%02X%02X%02X' $((611 & 255)) $((333 & 255)) $(((611 >> 8 & 15) | (333 >> 8 & 15) << 4))) 0" "$(cat pick.out) $rc"
check "no sanitizer report" 0 "$(grep -c "ERROR: .*Sanitizer\|runtime error" tintaro.log || true)"

# The compositor goes away: the colours chosen are saved on the way out.
./tintaro > lost.log 2>&1 &
app=$!
for _ in $(seq 1 100); do [ -n "$(main_window)" ] && break; sleep 0.1; done
read -r x y <<< "$(main_window | cut -d'|' -f2)"
click $((x + 93)) $((y + 209)) # the foreground palette's middle cell: hue 0, saturation and lightness half
# The colour taken, on the screen (the foreground swatch) before sway goes.
for _ in $(seq 1 100); do
    [ "$(grim -g "$((x + 109)),$((y + 440)) 1x1" -t ppm - 2> /dev/null | tail -c 3 | od -An -tx1 | tr -d ' \n')" = bf4040 ] && break
    sleep 0.1
done
kill -KILL "${pids[0]}" # sway
for _ in $(seq 1 100); do kill -0 "$app" 2> /dev/null || break; sleep 0.1; done
check "saved when the compositor died" 004040bf "$(od -An -tx4 -N4 pvsetup.dat | tr -d ' ')"
[ "$failed" -eq 0 ] || tail -n 5 sway.log portal.log portal-wlr.log tintaro.log >&2
e2e_finish
