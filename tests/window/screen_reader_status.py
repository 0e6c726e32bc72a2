#!/usr/bin/python3
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# A stand-in for the accessibility bus's launcher on a session bus of the
# test's own: it says, as org.a11y.Status's ScreenReaderEnabled, that a screen
# reader is running. Debian's python3 with python3-dbus and python3-gi.
import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib


class Status(dbus.service.Object):
    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if (interface, name) == ("org.a11y.Status", "ScreenReaderEnabled"):
            return dbus.Boolean(True)
        raise dbus.exceptions.DBusException(name, name="org.freedesktop.DBus.Error.UnknownProperty")


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
owned = dbus.service.BusName("org.a11y.Bus", bus)
Status(bus, "/org/a11y/bus")
GLib.MainLoop().run()
