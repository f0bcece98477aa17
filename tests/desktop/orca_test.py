#!/usr/bin/python3
"""orca_test.py PROGRAM: Orca, the GNOME screen reader, speaks the passage the label shows once
at start-up, once after Space and once after SPIN, where it stopped, as its debug log says.
Every wait is on what the log or the accessibility bus shows, with a deadline, and fails at once
where Orca or the program has ended. It runs in a desktop session (x-session), whose folder
(LUMORA_TEST_FOLDER) keeps their output, shown when the test fails."""
import datetime
import os
import pty
import re
import subprocess
import sys
import threading
import time
import tty

import pyatspi

DEADLINE = 60  # seconds, for each thing waited on, as a cold first start may take

# What Orca 43 and Orca 48 log once they listen to the accessibility bus.
READY = re.compile(r"ORCA: (Startup complete notification made|Starting Atspi main event loop)")
# A line Orca speaks; a voice may follow the text.
UTTERANCE = re.compile(r"(\S+) - SPEECH OUTPUT: '(.*?)'\s*(?:\{.*\})?$")


# Orca and the program, by name, while they run.
started = {}


def start(name, command, **options):
    """Starts `command` with its output in the session's log NAME."""
    with open(f"{os.environ['LUMORA_TEST_FOLDER']}/{name}.log", "w") as log:
        started[name] = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, **options)
    return started[name]


def wait_for(what, found):
    """Calls found() until it gives something, for at most DEADLINE seconds."""
    deadline = time.monotonic() + DEADLINE
    while not (result := found()):
        for name, process in started.items():
            assert process.poll() is None, \
                f"{name} ended with status {process.returncode} while waiting for {what}"
        assert time.monotonic() < deadline, f"gave up waiting for {what} after {DEADLINE} s"
        time.sleep(0.1)
    return result


def end(process):
    """Asks `process` to end, and ends it where it does not within its time: Orca, asked
    while busy, may take longer than the test."""
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def now():
    return datetime.datetime.now().strftime("%H:%M:%S.%f")


class OrcaLog:
    """Orca's debug log as it writes it. Orca buffers a debug file but not a terminal, so
    the log goes to one of the test's own, and a thread keeps every line."""

    def __init__(self):
        self.reader, self.writer = pty.openpty()
        tty.setraw(self.writer)
        self.path = os.ttyname(self.writer)
        self.text = ""
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        try:
            while chunk := os.read(self.reader, 65536):
                self.text += chunk.decode("utf-8", errors="replace")
        except OSError:
            pass

    def passages(self, since="", until="99"):
        """Utterances long enough to be passages, from `since` to `until`: not the title, a
        key or Orca's own."""
        return [" ".join(found[2].split()) for line in self.text.splitlines()
                if (found := UTTERANCE.match(line)) and since <= found[1] < until
                and len(found[2]) > 40 and "Lum\u00d0ra" not in found[2]]


def label_text():
    label = pyatspi.findDescendant(pyatspi.Registry.getDesktop(0), lambda node: (
        node.getRole() == pyatspi.ROLE_LABEL and node.getApplication().name == "lumora"))
    return " ".join(label.name.split()) if label else None


def main(program):
    # A home of its own in the session's folder, so that nothing of a run before
    # comes in; the speech server Orca starts plays into ALSA's null device, as
    # there is no sound card.
    home = f"{os.environ['LUMORA_TEST_FOLDER']}/orca-home"
    os.makedirs(f"{home}/.config/speech-dispatcher")
    with open(f"{home}/.config/speech-dispatcher/speechd.conf", "w") as conf:
        conf.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                   'AddModule "dummy" "sd_dummy" "dummy.conf"\nDefaultModule dummy\n')
    log = OrcaLog()
    start("orca", ["orca", "--enable", "speech", "--debug-file", log.path],
          env={**os.environ, "HOME": home, "XDG_RUNTIME_DIR": home})
    try:
        wait_for("a sign of Orca listening", lambda: READY.search(log.text))
        # Each step's start, and the passage the label shows after it; a last
        # Space closes the SPIN step's time, so that a late repeat falls in it.
        began, shown = [now()], []
        start("lumora", [program], env={**os.environ, "QT_QPA_PLATFORM": "xcb"})
        # Keys typed go to the window with the focus.
        window = wait_for("the program's window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--class", "lumora"],
            capture_output=True, text=True, check=False).stdout.split())[0]
        subprocess.run([f"{os.path.dirname(__file__)}/x-window", "activate", window], check=True,
                       timeout=3 * DEADLINE)
        for key in ("space", "z", "space"):
            wait_for(f"a passage spoken after step {len(shown) + 1}",
                     lambda: log.passages(began[-1]))
            shown.append(wait_for("the label", label_text))
            began.append(now())
            subprocess.run(["xdotool", "key", key], check=True, timeout=10)
        wait_for("a passage spoken after the last Space", lambda: log.passages(began[-1]))
    finally:
        for process in reversed(started.values()):
            end(process)
        # The speech server Orca started leaves Orca's process group and waits
        # idle for a while; its socket is in Orca's home.
        subprocess.run(["pkill", "--full", "--", f"--socket-path {home}/"], check=False)
        print(f"Orca spoke, from the start: {log.passages()}\nthe label showed: {shown}")

    heard = [log.passages(since, until) for since, until in zip(began, began[1:])]
    assert all(len(texts) == 1 and passage in texts[0] for texts, passage in zip(heard, shown)), \
        f"heard {heard}\nshown {shown}"


if __name__ == "__main__":
    main(*sys.argv[1:])
