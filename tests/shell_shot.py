#!/usr/bin/python3
"""Takes a screenshot straight from GNOME Shell into OUT, past the portal:
the shell refuses a second screenshot from a sender that has one under way,
and through the portal every client is the same sender. The shell serves
only some well-known names; NAME is the one to take.
usage: shell_shot.py NAME OUT"""
import sys

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)
(owned,) = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                         GLib.Variant("(su)", (sys.argv[1], 4)), GLib.VariantType("(u)"),
                         Gio.DBusCallFlags.NONE, 5000, None).unpack()
if owned != 1:
    sys.exit("%s is taken" % sys.argv[1])
(done, _) = bus.call_sync("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot", "org.gnome.Shell.Screenshot",
                          "Screenshot", GLib.Variant("(bbs)", (False, False, sys.argv[2])),
                          GLib.VariantType("(bs)"), Gio.DBusCallFlags.NONE, 30000, None).unpack()
sys.exit(0 if done else 1)
