#!/usr/bin/python3
"""orca_test.py PROGRAM: Orca, the GNOME screen reader, speaks the passage the label shows once
at start-up, once after Space and once after SPIN, where it stopped, as its debug log says."""
import datetime
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi


def main(program):
    # A home of its own, so that nothing of a run before comes in; the speech
    # server Orca starts plays into ALSA's null device, as there is no sound card.
    home = tempfile.mkdtemp()
    os.makedirs(f"{home}/.config/speech-dispatcher")
    with open(f"{home}/.config/speech-dispatcher/speechd.conf", "w") as conf:
        conf.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                   'AddModule "dummy" "sd_dummy" "dummy.conf"\nDefaultModule dummy\n')
    orca = subprocess.Popen(["orca", "--enable", "speech", "--debug-file", f"{home}/orca.log"],
                            env={**os.environ, "HOME": home, "XDG_RUNTIME_DIR": home},
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(6)  # for Orca to start listening
    now = lambda: datetime.datetime.now().strftime("%H:%M:%S.%f")
    began, shown = [now()], []
    process = subprocess.Popen([program], env={**os.environ, "QT_QPA_PLATFORM": "xcb"})
    try:
        for key in (None, "space", "z"):
            if key:
                began.append(now())
                # Openbox focuses the new window, so keys typed go to it.
                subprocess.run(["xdotool", "key", key], check=True, timeout=10)
            time.sleep(3)  # for Orca to speak
            label = pyatspi.findDescendant(pyatspi.Registry.getDesktop(0), lambda node: (
                node.getRole() == pyatspi.ROLE_LABEL and node.getApplication().name == "lumora"))
            shown.append(" ".join(label.name.split()))
    finally:
        process.terminate()
        orca.terminate()
        orca.wait(timeout=20)

    # Utterances long enough to be passages: not the title, a key or Orca's
    # own. A voice may follow the text.
    utterance = re.compile(r"(\S+) - SPEECH OUTPUT: '(.*?)'\s*(?:\{.*\})?$")
    with open(f"{home}/orca.log", encoding="utf-8", errors="replace") as log:
        said = [(found[1], " ".join(found[2].split())) for line in log
                if (found := utterance.match(line)) and len(found[2]) > 40
                and "Lum\u00d0ra" not in found[2]]
    heard = [[text for when, text in said if start <= when < end]
             for start, end in zip(began, began[1:] + ["99"])]
    assert all(len(texts) == 1 and passage in texts[0] for texts, passage in zip(heard, shown)), \
        f"heard {heard}\nshown {shown}"


if __name__ == "__main__":
    main(*sys.argv[1:])
