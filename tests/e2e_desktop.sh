#!/usr/bin/env bash
# "From Screen" on Wayland desktops, headless, each with its own compositor
# and portal backend: GNOME Shell (mutter) or KDE's KWin, on a private
# session bus, over a picture whose every pixel encodes its position (the
# wallpaper; on KDE a full-screen window). The pointer is the compositor's
# own remote input (gnome_pointer.py, wayland_pointer). While another client
# keeps the compositor busy taking screenshots, each round clicks From
# Screen, points where the main window stood and clicks there: the colour
# taken must be the desktop's, never the window's own. Then "tintaro pick"
# must print the pixel it is given, no screenshot may be left anywhere under
# $HOME, and the colour chosen must be saved when the compositor is killed.
# No compositor runs as root, so as root the session runs as nobody.
# usage: e2e_desktop.sh gnome|kde TINTARO SCREEN_PROBE WAYLAND_POINTER [ROUNDS]
set -euo pipefail

if [ "${1:-}" != "--session" ]; then
    # Everything the session needs, where an ordinary user can read it: the
    # source tree may lie in a folder of root's own.
    here=$(dirname "$(readlink -f "$0")")
    source "$here/e2e_common.sh"
    session_dirs
    cp "$2" "$home/tintaro"
    cp "$3" "$home/screen_probe"
    cp "$4" "$home/wayland_pointer"
    cp "$here/e2e_desktop.sh" "$here/e2e_common.sh" "$here/gnome_pointer.py" "$here/portal_shot.py" "$here/shell_shot.py" "$home/"
    # KWin carries a file capability that a container may not grant; a
    # copy has none. KWin lends fake input to programs its desktop files name.
    cp /usr/bin/kwin_wayland "$home/"
    mkdir -p "$home/.local/share/applications" "$home/Pictures"
    printf '[Desktop Entry]\nType=Application\nName=wayland_pointer\nExec=%s\nNoDisplay=true\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n' \
        "$home/wayland_pointer" > "$home/.local/share/applications/wayland_pointer.desktop"
    QT_QPA_PLATFORM=offscreen "$3" write-coords "$home/coords.png" 1280 1024
    session_as_user e2e_desktop.sh "$1" "${5:-4}"
fi
export HOME=$2 XDG_RUNTIME_DIR=$3
desktop=$4 rounds=$5
cd "$HOME"
source "$HOME/e2e_common.sh"
session_begin
probe() { QT_QPA_PLATFORM=offscreen ./screen_probe "$@"; }

# A session bus of its own, and an empty system bus: GNOME Shell asks the
# system bus for logind and must get a quick "nobody here".
session_bus session
session_bus system
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 session.address) DBUS_SYSTEM_BUS_ADDRESS=$(head -n 1 system.address)
export DBUS_SESSION_BUS_ADDRESS DBUS_SYSTEM_BUS_ADDRESS XDG_SESSION_TYPE=wayland LIBGL_ALWAYS_SOFTWARE=1
pipewire > pipewire.log 2>&1 & started
# compositor COMMAND...: starts it and waits for its Wayland socket.
compositor() {
    "$@" > compositor.log 2>&1 & started
    compositor=$!
    local socket=""
    for _ in $(seq 1 150); do
        socket=$(ls "$XDG_RUNTIME_DIR"/wayland-? 2> /dev/null | head -n 1) && [ -S "$socket" ] && break
        sleep 0.1
    done
    export WAYLAND_DISPLAY=${socket##*/}
}

# Each desktop: its compositor showing the picture, the services the
# portal backend needs, the backend, the remote pointer; shot FILE takes
# the screen into FILE outside $HOME, busy_shot the same for the client
# that keeps the compositor busy; top is the first row the desktop leaves
# to windows.
gnome() {
    export XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=keyfile
    mkdir -p .config/glib-2.0/settings
    # No shutter sound: each would leave a connection open in the shell.
    printf "[org/gnome/desktop/background]\npicture-uri='file://%s/coords.png'\npicture-options='wallpaper'\n[org/gnome/desktop/sound]\nevent-sounds=false\n" \
        "$HOME" > .config/glib-2.0/settings/keyfile
    compositor gnome-shell --headless --wayland --no-x11 --virtual-monitor 1280x1024
    gdbus wait --session --timeout 60 org.gnome.Shell.Screenshot
    gdbus wait --session --timeout 60 org.gnome.Mutter.RemoteDesktop
    /usr/libexec/xdg-permission-store > permissions.log 2>&1 & started
    # The answer to "Allow Applications to Take Screenshots?", given before.
    for _ in $(seq 1 50); do
        gdbus call --session -d org.freedesktop.impl.portal.PermissionStore -o /org/freedesktop/impl/portal/PermissionStore \
            -m org.freedesktop.impl.portal.PermissionStore.SetPermission screenshot true screenshot '' "['yes']" > /dev/null 2>&1 && break
        sleep 0.1
    done
    /usr/libexec/xdg-desktop-portal-gnome > backend.log 2>&1 & started
    gdbus wait --session --timeout 60 org.freedesktop.impl.portal.desktop.gnome
    pointer_start /usr/bin/python3 gnome_pointer.py
    # Straight from the shell under names of the test's own: through the
    # portal every client is one sender, and the shell refuses a second
    # screenshot from a sender that has one under way.
    shot() { /usr/bin/python3 shell_shot.py org.gnome.Screenshot "$1" 2>> shots.log; }
    busy_shot() { /usr/bin/python3 shell_shot.py org.gnome.SettingsDaemon.MediaKeys "$1" 2>> shots.log; }
    top=32 # the top bar
}
kde() {
    # OpenGL compositing (llvmpipe): KWin offers screenshots only then.
    export XDG_CURRENT_DESKTOP=KDE KWIN_COMPOSE=O2
    compositor ./kwin_wayland --virtual --width 1280 --height 1024 --no-lockscreen --no-global-shortcuts --no-kactivities
    gdbus wait --session --timeout 60 org.kde.KWin
    /usr/libexec/xdg-permission-store > permissions.log 2>&1 & started
    QT_QPA_PLATFORM=wayland /usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde > backend.log 2>&1 & started
    gdbus wait --session --timeout 60 org.freedesktop.impl.portal.desktop.kde
    QT_QPA_PLATFORM=wayland ./screen_probe coords 0 0 0 0 > coords.log 2>&1 & started
    pointer_start ./wayland_pointer 1280 1024
    shot() { /usr/bin/python3 portal_shot.py "$1" 2>> shots.log; }
    top=0
}
busy_shot() { shot "$1"; }
"$desktop"
/usr/libexec/xdg-desktop-portal > portal.log 2>&1 & started

encoded() { printf '%02X%02X%02X' $(($1 & 255)) $(($2 & 255)) $((($1 >> 8 & 15) | ($2 >> 8 & 15) << 4)); }
# The main window's rectangle "X Y W H": what differs from the picture,
# the pointer parked in the bottom-right corner, below the last rows looked at.
main_window() {
    pointer move 1279 1023
    for _ in $(seq 1 100); do
        if shot "$XDG_RUNTIME_DIR/now.png"; then
            read -r x y w h <<< "$(probe stranger "$XDG_RUNTIME_DIR/now.png" "$top" 1000)"
            [ "${w:-0}" = 536 ] && [ "${h:-0}" = 474 ] && echo "$x $y" && return
        fi
        sleep 0.1
    done
    echo "none"
}
# shows X Y RRGGBB [PX PY]: waits (10 s at most) until the screen shows
# RRGGBB at (X, Y), first moving the pointer to and fro at (PX, PY) each time
# (a window learns where the pointer is only when it moves); prints what it saw.
shows() {
    local seen=""
    for _ in $(seq 1 100); do
        [ -z "${4:-}" ] || { pointer move $(($4 + 1)) "$5" && pointer move "$4" "$5"; }
        shot "$XDG_RUNTIME_DIR/now.png" && seen=$(probe file-pixel "$XDG_RUNTIME_DIR/now.png" "$1" "$2")
        [ "$seen" = "$3" ] && break
        sleep 0.1
    done
    echo "$seen"
}
# GNOME Shell starts in its overview; Escape leaves it.
pointer move 1279 1023
for _ in $(seq 1 100); do
    shot "$XDG_RUNTIME_DIR/now.png" && desk=$(probe stranger "$XDG_RUNTIME_DIR/now.png" "$top" 1000)
    [ "${desk:-}" = none ] && break
    [ "$desktop" = gnome ] && pointer key 1
    sleep 0.2
done
check "$desktop: the desktop shows the picture" none "${desk:-}"

touch "$XDG_RUNTIME_DIR/before"
# Another client photographs the screen over and over meanwhile.
(while [ ! -e "$XDG_RUNTIME_DIR/calm" ]; do busy_shot "$XDG_RUNTIME_DIR/busy.png" || sleep 0.1; done) &
busy=$!
pids+=("$busy")

export QT_QPA_PLATFORM=wayland
./tintaro > tintaro.log 2>&1 &
app=$!
pids+=("$app")
for round in $(seq 1 "$rounds"); do
    read -r x y <<< "$(main_window)"
    check "$desktop round $round: main window seen" yes "$([ "$x" != none ] && echo yes || echo no)"
    [ "$x" != none ] || break
    # From Screen in the background frame; the pointer stays on the button
    # until the capture window is up (KDE's photograph shows the pointer
    # wherever it was). The window is then up when its loupe, which shows
    # what lies around the pointer, shows the desktop up and left of the
    # button: the top-left cell magnifies the pixel 5 up and 5 left.
    bx=$((x + 272 + 17 + 40)) by=$((y + 106 + 270 + 10))
    pointer click "$bx" "$by"
    want=$(encoded $((bx - 5)) $((by - 5)))
    check "$desktop round $round: the photograph shows the desktop where the window was" "$want" \
        "$(shows $((bx + 21)) $((by + 21)) "$want" "$bx" "$by")"
    # A click inside the window's own area, somewhere else each round.
    px=$((x + 40 + round * 17 % 180)) py=$((y + 150 + round * 11 % 100))
    want=$(encoded "$px" "$py")
    pointer move "$px" "$py" # into the capture window first: the press alone may come before its entry
    pointer click "$px" "$py"
    read -r x y <<< "$(main_window)"
    taken=none
    [ "$x" = none ] || taken=$(probe file-pixel "$XDG_RUNTIME_DIR/now.png" $((x + 160)) $((y + 418)))
    check "$desktop round $round: the colour taken" "$want" "$taken"
done
kill -TERM "$app"
wait "$app" || true

# "tintaro pick": no window of its own. The pointer waits elsewhere until
# the loupe shows the capture window is up, then goes to the pixel.
pointer move 900 700
./tintaro pick --to html > pick.out 2>> tintaro.log &
picker=$!
shows 921 721 "$(encoded 895 695)" 900 700 > /dev/null
pointer click 611 333
rc=0
wait "$picker" || rc=$?
check "$desktop: tintaro pick prints the pixel" "#$(encoded 611 333) 0" "$(cat pick.out) $rc"

touch "$XDG_RUNTIME_DIR/calm" # the photographer's last shot is put away first
wait "$busy" || true
check "$desktop: no screenshot left under \$HOME" "" "$(find "$HOME" -newer "$XDG_RUNTIME_DIR/before" -type f -iname '*.png' -o -newer "$XDG_RUNTIME_DIR/before" -type f -iname '*.jpg')"

# The compositor goes away: the colour chosen is saved on the way out.
./tintaro > lost.log 2>&1 &
app=$!
read -r x y <<< "$(main_window)"
pointer click $((x + 93)) $((y + 209)) # the foreground palette's middle cell: hue 0, saturation and lightness half
shows $((x + 109)) $((y + 440)) BF4040 > /dev/null # the colour taken, on the foreground swatch, before the compositor goes
kill -KILL "$compositor"
wait "$app" || true
check "$desktop: saved when the compositor died" 004040bf "$(od -An -tx4 -N4 pvsetup.dat | tr -d ' ')"
check "$desktop: no sanitizer report" 0 "$(cat tintaro.log lost.log | grep -c "ERROR: .*Sanitizer\|runtime error" || true)"
[ "$failed" -eq 0 ] || tail -n 8 compositor.log portal.log backend.log pointer.log shots.log tintaro.log >&2
e2e_finish
