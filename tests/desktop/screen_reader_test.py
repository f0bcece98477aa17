#!/usr/bin/python3
"""What a screen reader gets from the running program through AT-SPI: it reads
the passage, presses Space, reads the new passage and is told of it, by the
event given ("announcement" or "name-change").
  screen_reader_test.py PROGRAM EVENT"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

EVENTS = {"announcement": "object:announcement",
          "name-change": "object:property-change:accessible-name"}


def wait_for(find, what):
    for _ in range(100):
        if found := find():
            return found
        time.sleep(0.1)
    sys.exit(f"no {what} found")


def main(program, event_name):
    process = subprocess.Popen([program], env={**os.environ, "QT_QPA_PLATFORM": "xcb"})
    try:
        app = wait_for(lambda: next((app for app in pyatspi.Registry.getDesktop(0)
                                     if app is not None and app.name == "lumora"), None),
                       "application named lumora")
        label = wait_for(lambda: pyatspi.findDescendant(
            app, lambda node: node.getRole() == pyatspi.ROLE_LABEL), "label")
        print(f"read: {label.name[:60]}...")

        told = []
        pyatspi.Registry.registerEventListener(lambda event: event.source == label and told.append(
            event.any_data if event.type == "object:announcement" else event.source.name),
            EVENTS[event_name])
        window = wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(process.pid)],
            capture_output=True, text=True).stdout.split(), "window")[0]
        GLib.timeout_add(300, lambda: subprocess.run(
            ["xdotool", "windowactivate", "--sync", window, "key", "space"], check=True) and False)
        GLib.timeout_add(3000, lambda: pyatspi.Registry.stop() and False)
        pyatspi.Registry.start()

        print(f"read after Space: {label.name[:60]}...")
        print(f"told by {event_name}: {[text[:40] for text in told]}")
        assert told and told[-1] == label.name, f"no {event_name} told of the new passage"
    finally:
        process.terminate()
        process.wait()


if __name__ == "__main__":
    main(*sys.argv[1:])
