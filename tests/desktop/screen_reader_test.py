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
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"no {what} found")


def application():
    return next((app for app in pyatspi.Registry.getDesktop(0)
                 if app is not None and app.name == "lumora"), None)


def main(program, event_name):
    process = subprocess.Popen([program], env={**os.environ, "QT_QPA_PLATFORM": "xcb"})
    try:
        app = wait_for(application, "application named lumora")
        label = wait_for(lambda: pyatspi.findDescendant(
            app, lambda node: node.getRole() == pyatspi.ROLE_LABEL), "label")
        first = label.name
        print(f"read: {first[:60]}...")

        told = []
        def listen(event):
            text = event.any_data if event.type == "object:announcement" else event.source.name
            if event.source == label:
                told.append(text)
        pyatspi.Registry.registerEventListener(listen, EVENTS[event_name])

        def press_space():
            window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                     str(process.pid)], capture_output=True, text=True)
            subprocess.run(["xdotool", "windowactivate", "--sync",
                            window.stdout.split()[0], "key", "space"], check=True)
        GLib.timeout_add(300, lambda: press_space() and False)
        GLib.timeout_add(3000, lambda: pyatspi.Registry.stop() and False)
        pyatspi.Registry.start()

        second = label.name
        print(f"read after Space: {second[:60]}...")
        print(f"told by {event_name}: {[text[:40] for text in told]}")
        assert told and told[-1] == second, f"no {event_name} told of the new passage"
    finally:
        process.terminate()
        process.wait()


if __name__ == "__main__":
    main(*sys.argv[1:])
