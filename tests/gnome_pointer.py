#!/usr/bin/python3
"""Gives a headless GNOME Shell a pointer and a keyboard: mutter's remote
desktop session, linked to a screen cast of the monitor (mutter takes
absolute pointer positions only on a stream). Reads lines from standard
input until it closes:
    click X Y      moves the pointer to (X, Y) and clicks the left button
    move X Y       moves the pointer only
    key KEYCODE    presses and releases an evdev key code
and answers each with "ok" once mutter has taken it."""
import sys
import time

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(name, path, interface, method, args=None, reply="()"):
    return bus.call_sync(name, path, interface, method, args, GLib.VariantType(reply),
                         Gio.DBusCallFlags.NONE, 10000, None).unpack()


RD = "org.gnome.Mutter.RemoteDesktop"
SC = "org.gnome.Mutter.ScreenCast"
(session,) = call(RD, "/org/gnome/Mutter/RemoteDesktop", RD, "CreateSession", None, "(o)")
session_id = call(RD, session, "org.freedesktop.DBus.Properties", "Get",
                  GLib.Variant("(ss)", (RD + ".Session", "SessionId")), "(v)")[0]
(cast,) = call(SC, "/org/gnome/Mutter/ScreenCast", SC, "CreateSession",
               GLib.Variant("(a{sv})", ({"remote-desktop-session-id": GLib.Variant("s", session_id)},)), "(o)")
connector = sys.argv[1] if len(sys.argv) > 1 else "Meta-0"
(stream,) = call(SC, cast, SC + ".Session", "RecordMonitor",
                 GLib.Variant("(sa{sv})", (connector, {})), "(o)")
started = []
bus.signal_subscribe(SC, SC + ".Stream", "PipeWireStreamAdded", stream, None, Gio.DBusSignalFlags.NONE,
                     lambda *a: started.append(True))
call(RD, session, RD + ".Session", "Start")
GLib.timeout_add(100, lambda: True)  # wakes the loop to look at the clock
context = GLib.MainContext.default()
deadline = time.monotonic() + 10
while not started and time.monotonic() < deadline:
    context.iteration(True)
if not started:
    sys.exit("the screen cast stream never started")


def pointer(x, y):
    call(RD, session, RD + ".Session", "NotifyPointerMotionAbsolute", GLib.Variant("(sdd)", (stream, x, y)))


def button(pressed):
    call(RD, session, RD + ".Session", "NotifyPointerButton", GLib.Variant("(ib)", (0x110, pressed)))


print("ready", flush=True)
for line in sys.stdin:
    words = line.split()
    if not words:
        continue
    if words[0] in ("click", "move"):
        pointer(float(words[1]), float(words[2]))
        if words[0] == "click":
            time.sleep(0.1)
            button(True)
            button(False)
    elif words[0] == "key":
        for pressed in (True, False):
            call(RD, session, RD + ".Session", "NotifyKeyboardKeycode", GLib.Variant("(ub)", (int(words[1]), pressed)))
    print("ok", flush=True)
call(RD, session, RD + ".Session", "Stop")
