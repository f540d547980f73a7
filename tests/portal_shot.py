#!/usr/bin/python3
"""Takes a screenshot through the desktop portal, without asking, and moves
the file the desktop saved to OUT (so nothing is left where the desktop
keeps pictures). Exit status 0 with the file written, 1 otherwise.
usage: portal_shot.py OUT"""
import os
import shutil
import sys
import time
from urllib.parse import unquote, urlparse

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)
token = "shot%d" % os.getpid()
sender = bus.get_unique_name()[1:].replace(".", "_")
request = "/org/freedesktop/portal/desktop/request/%s/%s" % (sender, token)
answer = []
bus.signal_subscribe("org.freedesktop.portal.Desktop", "org.freedesktop.portal.Request", "Response", request,
                     None, Gio.DBusSignalFlags.NONE, lambda *a: answer.append(a[5].unpack()))
bus.call_sync("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
              "org.freedesktop.portal.Screenshot", "Screenshot",
              GLib.Variant("(sa{sv})", ("", {"handle_token": GLib.Variant("s", token),
                                             "interactive": GLib.Variant("b", False)})),
              GLib.VariantType("(o)"), Gio.DBusCallFlags.NONE, 30000, None)
GLib.timeout_add(100, lambda: True)  # wakes the loop to look at the clock
context = GLib.MainContext.default()
deadline = time.monotonic() + 30
while not answer and time.monotonic() < deadline:
    context.iteration(True)
if not answer or answer[0][0] != 0:
    sys.exit("no screenshot: %s" % (answer[0][0] if answer else "no answer"))
shutil.move(unquote(urlparse(answer[0][1]["uri"]).path), sys.argv[1])
