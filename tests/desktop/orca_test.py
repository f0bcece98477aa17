#!/usr/bin/python3
"""What Orca, the GNOME screen reader, speaks of the running program, read from
its debug log: the first passage at start-up, the new one once after a key,
and after SPIN only the one where it stopped. The passages shown are read
through AT-SPI. Orca writes its log as it ends.
  orca_test.py PROGRAM"""
import datetime
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi


def wait_for(find, what, seconds=10):
    for _ in range(seconds * 10):
        if found := find():
            return found
        time.sleep(0.1)
    sys.exit(f"no {what} within {seconds} s")


def utterances(log):
    """(time of day, text) of each utterance long enough to be a passage; the
    window's title, key names and Orca's own messages are shorter or name the
    program. The voice may follow the text."""
    utterance = re.compile(r"(\S+) - SPEECH OUTPUT: '(.*?)'\s*(?:\{.*\})?$")
    with open(log, encoding="utf-8", errors="replace") as lines:
        said = [match.groups() for line in lines if (match := utterance.match(line))]
    return [(when, " ".join(text.split())) for when, text in said
            if len(text) > 40 and "Lum\u00d0ra" not in text]


def main(program):
    # A home of its own, so that no settings and no speech server of a run
    # before come into it; the speech server Orca starts plays into ALSA's
    # null device, since there is no sound card.
    home = tempfile.mkdtemp()
    log = os.path.join(home, "orca.log")
    os.makedirs(os.path.join(home, ".config", "speech-dispatcher"))
    with open(os.path.join(home, ".config", "speech-dispatcher", "speechd.conf"), "w") as conf:
        conf.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                   'AddModule "dummy" "sd_dummy" "dummy.conf"\nDefaultModule dummy\n')
    orca = subprocess.Popen(["orca", "--enable", "speech", "--debug-file", log],
                            env={**os.environ, "HOME": home, "XDG_RUNTIME_DIR": home},
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(6)  # for Orca to start listening
    now = lambda: datetime.datetime.now().strftime("%H:%M:%S.%f")
    began = now()
    process = subprocess.Popen([program], env={**os.environ, "QT_QPA_PLATFORM": "xcb"})
    shown = []
    try:
        app = wait_for(lambda: next((app for app in pyatspi.Registry.getDesktop(0)
                                     if app is not None and app.name == "lumora"), None),
                       "application named lumora")
        label = wait_for(lambda: pyatspi.findDescendant(
            app, lambda node: node.getRole() == pyatspi.ROLE_LABEL), "label")
        window = wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(process.pid)],
            capture_output=True, text=True).stdout.split(), "window")[0]
        for step, key in (("start-up", None), ("Space", "space"), ("SPIN", "z")):
            if key:
                began = now()
                subprocess.run(["xdotool", "windowactivate", "--sync", window, "key", key],
                               check=True)
            time.sleep(3)  # for Orca to speak
            shown.append((step, began, " ".join(label.name.split())))
    finally:
        process.terminate()
        process.wait()
        orca.terminate()
        orca.wait(timeout=20)

    said = utterances(log)
    failed = False
    for at, (step, began, passage) in enumerate(shown):
        ends = shown[at + 1][1] if at + 1 < len(shown) else "99"
        heard = [text for when, text in said if began <= when < ends]
        print(f"{step}: Orca spoke {[text[:50] for text in heard]}")
        if len(heard) != 1 or passage not in heard[0]:
            print(f"{step}: expected once: {passage[:50]}")
            failed = True
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main(*sys.argv[1:])
