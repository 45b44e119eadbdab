"""Plays the screen-reader test game under Orca itself and checks what Orca
says, read from the SPEECH OUTPUT entries of its debug log: each step's keys
must make Orca say the step's text, and nothing it says may be a known noise.

Each wait has a guard; the log is read as it grows.
"""
import os
import re
import subprocess
import sys
import time

GUARD_SECONDS = 25
END = "Kész: a kép kirakva, idő 00 : 07, 2 lépés"

# The keys (xdotool names) pressed once the step before was heard, and a text
# that Orca must then say.
STEPS = [
    ([], "3. sor, 3. oszlop: üres mező"),
    (["Left"], "11. darab balra, 1. lépés"),
    (["Left"], "Semmi sem mozdul balra"),
    # Orca's status-bar key, pressed twice: the time, from anywhere in the game.
    (["Insert+KP_Enter Insert+KP_Enter"], "Játékidő: 00 : 07"),
    (["Up"], END + ". Új rekord, írd be a neved!"),
    (["k", "a", "t", "a", "Return"], "kata, 00 : 07"),
    (["Down"], "Bence, 00 : 09"),
    (["Return"], END),
    (["Tab"], "Beállítások"),
    (["space"], "Dezudor játék, verzió: "),
    (["Left"], "Irányítás"),
    # Flat review of the page from its top line: the tabs, then the help
    # text line by line, each line a sentence or a clause.
    (["Insert+KP_Home"], "Képválasztás Irányítás Névjegy"),
    (["KP_Page_Up"], "A játék kétféleképpen is irányítható:"),
    (["KP_Page_Up"], "Egérrel."),
    (["KP_Page_Up"] * 4, "Ha rekordot értünk el, beírhatjuk a nevünket a csúcstartók listájába."),
    (["Tab"], "A játék kétféleképpen is irányítható:\nEgérrel.\nKattintsunk"),
    # Reviewed from the help text, the page is still part of the window.
    (["Insert+KP_Home"], "Képválasztás Irányítás Névjegy"),
    (["Tab", "Tab", "Tab"], "Irányítás"),
    (["Left"], "Képválasztás"),
    (["Tab"], "Standard"),
    # The radio button's state, said in the reader's own words.
    (["space"], "selected"),
    # "Mégsem" gives the board the keys again, and the status-bar key its time.
    (["Escape"], "Újra push button"),
    (["Insert+KP_Enter Insert+KP_Enter"], "Játékidő: 00 : 07"),
]
# What a player must not hear: the times' list taking the keyboard's place,
# the tab control's inner stack.
NOISE = [re.compile(r"^'Idő\b"), re.compile("layered pane")]


# Orca writes its log in blocks, so a word said last would wait in its buffer:
# this starts Orca with its log written line by line.
LINE_BUFFERED_ORCA = """
import builtins, runpy, sys
log = sys.argv[1]
plain_open = builtins.open
def open_log_by_line(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return plain_open(file, mode, buffering=1, encoding="utf-8")
    return plain_open(file, mode, *args, **kwargs)
builtins.open = open_log_by_line
sys.argv = ["orca", "--replace", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


class SpeechLog:
    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.said = []

    def new_lines(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                data = log.read()
        except FileNotFoundError:
            return
        # Only whole lines: one still being written waits for the next read.
        data = data[:data.rfind(b"\n") + 1]
        self.offset += len(data)
        text = data.decode("utf-8", errors="replace")
        # An entry runs over lines until its voice or the next timed line.
        entries = re.findall(r"SPEECH OUTPUT: (.*?)(?:\[?\{'established'|\n(?=\d\d:\d\d:\d\d)|\Z)", text, re.S)
        self.said.extend(re.sub(r"\n +", "\n", entry).strip() for entry in entries)

    def wait_for(self, phrase, since):
        guard = time.monotonic() + GUARD_SECONDS
        while time.monotonic() < guard:
            self.new_lines()
            if any(phrase in line for line in self.said[since:]):
                return True
            time.sleep(0.2)
        return False

    def wait_for_text(self, phrase):
        guard = time.monotonic() + GUARD_SECONDS
        while time.monotonic() < guard:
            try:
                with open(self.path, encoding="utf-8", errors="replace") as log:
                    if phrase in log.read():
                        return True
            except FileNotFoundError:
                pass
            time.sleep(0.2)
        return False


def main():
    game, log_path = sys.argv[1], sys.argv[2]
    orca = subprocess.Popen(["/usr/bin/python3", "-c", LINE_BUFFERED_ORCA, log_path],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    log = SpeechLog(log_path)
    failure = None
    process = None
    try:
        if not log.wait_for_text("SCRIPT MANAGER: Activated"):
            failure = "Orca did not start"
        else:
            process = subprocess.Popen([game], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
            for number, (keys, phrase) in enumerate(STEPS):
                since = len(log.said)
                for key in keys:
                    subprocess.run(["xdotool", "key", "--delay", "150"] + key.split(), check=True, timeout=10)
                    time.sleep(0.3)  # one key at a time, as a player types
                if not log.wait_for(phrase, since):
                    failure = "step %d: Orca did not say %r" % (number, phrase)
                    break
    finally:
        for child in (process, orca):
            if child is not None:
                child.terminate()
                try:
                    child.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    child.kill()
    log.new_lines()
    print("Orca said:")
    for line in log.said:
        print("  " + line.replace("\n", " / "))
    noise = [line for line in log.said if any(pattern.search(line) for pattern in NOISE)]
    if failure is None and noise:
        failure = "Orca said noise: %r" % noise
    if failure:
        print("orcaspeech: " + failure, file=sys.stderr)
        return 1
    print("orcaspeech: Orca said every move, the edge, the time, the end, the record, the reviewed help, the choice"
          " and the time again")
    return 0


if __name__ == "__main__":
    sys.exit(main())
