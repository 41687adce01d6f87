#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads and presses the controls of the programs on a session's accessibility bus, as a
screen reader does: for tests on displays that take no input from outside (a headless
Wayland compositor); and listens as a screen reader does. Every wait is bounded.

  atspi.py SESSION_BUS press NAME_REGEX    presses the first push button whose name matches
  atspi.py SESSION_BUS text TEXT_REGEX     waits for a label whose name or text matches; prints it
  atspi.py SESSION_BUS window TITLE_REGEX  waits for a window whose title matches
  atspi.py SESSION_BUS start               starts the session's accessibility bus, as a desktop does
                                           before any program, and prints its address
  atspi.py SESSION_BUS listen EVENT        turns the session's screen reader on, as a screen reader
                                           does, registers a listener for EVENT, prints "listening"
                                           and stays for WAIT seconds, or until it is ended
  atspi.py SESSION_BUS registry            prints the process id of the registry, which hands the
                                           programs' keys to the listeners

SESSION_BUS is the address of the session bus whose accessibility bus the programs use.
Exits 1 when nothing matches within WAIT seconds (default 20)."""

import os
import re
import sys
import time

import dbus

ROOT = "/org/a11y/atspi/accessible/root"
ACCESSIBLE = "org.a11y.atspi.Accessible"


def accessibility_address(session_address):
    """Asking the launcher for the address starts the bus."""
    session = dbus.bus.BusConnection(session_address)
    launcher = session.get_object("org.a11y.Bus", "/org/a11y/bus")
    return str(dbus.Interface(launcher, "org.a11y.Bus").GetAddress())


def accessibility_bus(session_address):
    return dbus.bus.BusConnection(accessibility_address(session_address))


def nodes(bus):
    """Every accessible of every application the registry knows: (object, role, name)."""
    registry = bus.get_object("org.a11y.atspi.Registry", ROOT)
    pending = list(dbus.Interface(registry, ACCESSIBLE).GetChildren())
    while pending:
        name, path = pending.pop()
        node = bus.get_object(name, path, introspect=False)
        accessible = dbus.Interface(node, ACCESSIBLE)
        try:
            role = accessible.GetRoleName()
            label = node.Get(ACCESSIBLE, "Name", dbus_interface=dbus.PROPERTIES_IFACE)
            pending.extend(accessible.GetChildren())
        except dbus.DBusException:
            continue  # gone while we looked: a closed message box
        yield node, str(role), str(label)


def text_of(node):
    try:
        return str(dbus.Interface(node, "org.a11y.atspi.Text").GetText(0, -1))
    except dbus.DBusException:
        return ""  # a label whose name is its text


def find(bus, command, pattern):
    for node, role, name in nodes(bus):
        if command == "press" and role == "push button" and pattern.search(name):
            dbus.Interface(node, "org.a11y.atspi.Action").DoAction(0)
            return name
        if command == "text" and role == "label":
            for text in (name, text_of(node)):
                if pattern.search(text):
                    return text
        if command == "window" and role in ("filler", "frame", "window", "dialog", "alert message") and pattern.fullmatch(name):
            return name
    return None


def listen(session_address, event):
    """What a screen reader does that makes toolkits hand it every key first: it says the
    session has one, which programs read as they start, and registers a listener."""
    session = dbus.bus.BusConnection(session_address)
    status = dbus.Interface(session.get_object("org.a11y.Bus", "/org/a11y/bus"), dbus.PROPERTIES_IFACE)
    # IsEnabled, and ScreenReaderEnabled where the launcher still has it (at-spi2-core 2.62 has not).
    status.Set("org.a11y.Status", "IsEnabled", True)
    if "ScreenReaderEnabled" in status.GetAll("org.a11y.Status"):
        status.Set("org.a11y.Status", "ScreenReaderEnabled", True)
    bus = accessibility_bus(session_address)
    registry = bus.get_object("org.a11y.atspi.Registry", "/org/a11y/atspi/registry")
    dbus.Interface(registry, "org.a11y.atspi.Registry").RegisterEvent(event, dbus.Array([], signature="s"), "")
    print("listening", flush=True)
    time.sleep(float(os.environ.get("WAIT", "20")))  # the registration lasts as long as the connection
    return 0


def registry_process(session_address):
    bus = accessibility_bus(session_address)
    daemon = dbus.Interface(bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus"), "org.freedesktop.DBus")
    return int(daemon.GetConnectionUnixProcessID("org.a11y.atspi.Registry"))


def main():
    if sys.argv[2] == "listen":
        return listen(sys.argv[1], sys.argv[3])
    if sys.argv[2] == "registry":
        print(registry_process(sys.argv[1]))
        return 0
    if sys.argv[2] == "start":
        print(accessibility_address(sys.argv[1]))
        return 0
    session_address, command, pattern = sys.argv[1], sys.argv[2], re.compile(sys.argv[3])
    deadline = time.monotonic() + float(os.environ.get("WAIT", "20"))
    bus = None
    while time.monotonic() < deadline:
        try:
            bus = bus or accessibility_bus(session_address)
            found = find(bus, command, pattern)
        except dbus.DBusException:
            found = None  # the bus or the game not there yet
        if found is not None:
            print(found)
            return 0
        time.sleep(0.2)
    print(f"atspi.py: no {command} matching {sys.argv[3]!r}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
