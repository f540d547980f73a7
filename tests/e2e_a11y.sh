#!/usr/bin/env bash
# The program through the real accessibility stack: a private session bus,
# the AT-SPI bus and registry, the program with Qt's bridge always on, and
# a check written as Orca reads (tests/a11y_check.py, Debian's pyatspi).
# usage: e2e_a11y.sh TINTARO
set -euo pipefail
source "$(dirname "$0")/e2e_common.sh"
e2e_start "-screen 0 1024x768x24" "$@"
here=$(dirname "$(readlink -f "$0")")
address=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 > "$work/bus" && head -n 1 "$work/bus")
bus_pid=$(sed -n 2p "$work/bus")
trap 'pkill -f "$work/tintaro" 2>/dev/null || true; kill $(jobs -p) "$bus_pid" 2>/dev/null || true; pkill -f at-spi2-registryd 2>/dev/null || true; rm -rf "$work"' EXIT
export DBUS_SESSION_BUS_ADDRESS=$address NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately > "$work/bus-launcher.log" 2>&1 &
for _ in $(seq 1 50); do dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress > /dev/null 2>&1 && break; sleep 0.1; done
"$work/tintaro" > "$work/tintaro.log" 2>&1 &
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tintaro by Tolvex$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
/usr/bin/python3 "$here/a11y_check.py" "$X" "$Y"
