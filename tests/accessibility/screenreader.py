"""Plays a known deal of the game by arrow keys through the accessibility bus
and checks that a screen reader hears each move, the move count and the end.

Every step waits for the events that the previous key must cause; the only
timer is a failure guard.
"""
import subprocess
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

GUARD_SECONDS = 60
LEFT, UP = 0xFF51, 0xFF52

# What must be heard, step by step: the key pressed once the step before is
# complete, then the focus and window-name announcements it must cause.
STEPS = [
    (None, {("focus", "1. sor, 1. oszlop: 1. darab")}),
    (LEFT, {("focus", "3. sor, 3. oszlop: 11. darab"), ("title", "   1. lépés")}),
    # The left arrow again moves nothing: the next thing heard is the up
    # arrow's move, with no word in between.
    (LEFT, set()),
    (UP, {("focus", "3. sor, 4. oszlop: 12. darab"), ("title", "   2. lépés"),
          ("focus", "Újra: Kész: a kép kirakva, idő 00 : 00, 2 lépés")}),
    (None, {("focus", "Név")}),
]


class Listener:
    def __init__(self, game):
        self.game = game
        self.step = -1
        self.expected = set()
        self.heard = []
        self.failure = None
        self.loop = GLib.MainLoop()

    def fail(self, text):
        self.failure = text
        self.loop.quit()

    def on_event(self, event):
        if event.type.startswith("object:state-changed:focused") and not event.detail1:
            return
        source = event.source
        try:
            source.clear_cache()
            name = source.get_name()
            role = source.get_role()
        except GLib.Error:
            return
        if event.type.startswith("object:state-changed:focused"):
            # A reader says the description after the name when it adds something.
            description = source.get_description()
            said = ("focus", name if description in ("", name) else name + ": " + description)
        elif role == Atspi.Role.FRAME:
            said = ("title", name)
        else:
            return  # a box renamed away from the focus is not spoken
        if self.heard and self.heard[-1] == said:
            return  # the same focus again: a reader does not repeat it
        self.heard.append(said)
        if said not in self.expected:
            self.fail("heard %r during step %d, expected only %r" % (said, self.step, sorted(self.expected)))
            return
        self.expected.discard(said)
        if not self.expected:
            self.next_step()

    def next_step(self):
        self.step += 1
        if self.step == len(STEPS):
            self.loop.quit()
            return False
        key, expected = STEPS[self.step]
        self.expected = set(expected)
        if key is not None:
            Atspi.generate_keyboard_event(key, None, Atspi.KeySynthType.SYM)
        if not self.expected:
            return self.next_step()
        return False

    def run(self):
        GLib.timeout_add_seconds(GUARD_SECONDS, lambda: self.fail(
            "timed out in step %d waiting for %r" % (self.step, sorted(self.expected))))
        self.step = 0
        self.expected = set(STEPS[0][1])
        self.process = subprocess.Popen([self.game])
        self.loop.run()
        self.process.terminate()
        self.process.wait(timeout=GUARD_SECONDS)
        return self.failure


def enable_accessibility():
    """Says on the session bus that a screen reader runs, as one would."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    for name in ("IsEnabled", "ScreenReaderEnabled"):
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", name, GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, -1, None)


def main():
    enable_accessibility()
    listener = Listener(sys.argv[1])
    pyatspi.Registry.registerEventListener(
        listener.on_event, "object:state-changed:focused", "object:property-change:accessible-name")
    failure = listener.run()
    print("heard:")
    for said in listener.heard:
        print("  %s: %s" % said)
    if failure:
        print("screenreader: " + failure, file=sys.stderr)
        return 1
    print("screenreader: every move, the count and the end were heard")
    return 0


if __name__ == "__main__":
    sys.exit(main())
