"""Plays a known deal of the game by keys through the accessibility bus, from
the first move through the record and the options window, and checks what a
screen reader is told: each move's gap, piece, way and count, an answer to an
arrow at the edge, the end with its time, the new record, the help text and
the chosen picture; the clock's text; and that no text query hangs the game.

Every step waits for the events that the previous key must cause; the only
timers are failure guards.
"""
import subprocess
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

GUARD_SECONDS = 60
QUERY_GUARD_MS = 3000
LEFT, UP, RIGHT, DOWN = 0xFF51, 0xFF52, 0xFF53, 0xFF54
TAB, RETURN, SPACE = 0xFF09, 0xFF0D, 0x20
END = "Kész: a kép kirakva, idő 00 : 07, 2 lépés"
HELP = "A játék kétféleképpen is irányítható:\n"


def keys(*symbols):
    return list(symbols)


# Each step: the keys pressed once the step before is complete, the things
# that must then be heard (a value ending in "*" is a beginning), a check of
# what a reader can ask for once they are heard, and what may be heard too.
STEPS = [
    (keys(), {("focus", "3. sor, 3. oszlop: üres mező")}, "clock"),
    (keys(LEFT), {("focus", "3. sor, 4. oszlop: üres mező: 11. darab balra, 1. lépés"),
                  ("title", "   1. lépés")}, None),
    (keys(LEFT), {("note", "Semmi sem mozdul balra")}, None),
    # The board's "Újra" has the focus only until the record-entry window takes it.
    (keys(UP), {("title", "   2. lépés"), ("focus", "Név: " + END + ". Új rekord, írd be a neved!")}, "texts",
     {("focus", "Újra: " + END)}),
    (keys(ord("k"), ord("a"), ord("t"), ord("a"), RETURN),
     {("item", "Név/kata, 00 : 07")}, "new record"),
    # The times follow the names quietly: only the names' row is heard.
    (keys(DOWN), {("item", "Név/Bence, 00 : 09")}, None),
    (keys(RETURN), {("focus", "Újra: " + END)}, None),
    (keys(TAB), {("focus", "Beállítások")}, None),
    (keys(SPACE), {("focus", "Névjegy")}, None),
    (keys(LEFT), {("focus", "Irányítás")}, None),
    (keys(TAB), {("focus", HELP + "*")}, "texts"),
    # Round the window to the tabs: the buttons pass too quickly to be said.
    (keys(TAB, TAB, TAB), {("focus", "Irányítás")}, None, {("focus", "OK"), ("focus", "Mégsem")}),
    (keys(LEFT), {("focus", "Képválasztás")}, None),
    (keys(TAB), {("focus", "Standard")}, None),
    (keys(SPACE), {("checked", "Standard")}, None),
]


def app_of(game_pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == game_pid:
            return app
    return None


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


def check_clock(app):
    for node in descendants(app):
        if node.get_role() == Atspi.Role.STATUS_BAR and node.get_name().startswith("Játékidő"):
            text = Atspi.Text.get_text(node, 0, -1)
            if node.get_name() == text == "Játékidő: 00 : 07":
                return None
            return "the clock says %r, its text %r" % (node.get_name(), text)
    return "no clock in the status bar"


def check_new_record(app):
    for node in descendants(app):
        if node.get_role() == Atspi.Role.LIST and node.get_name() == "Név":
            row = node.get_child_at_index(1)
            if row is not None and row.get_name() == "kata, 00 : 07" \
                    and row.get_state_set().contains(Atspi.StateType.SELECTED):
                return None
    return "the new record is not the selected second row of the names"


def check_texts(app):
    """Asks every text of the game for each piece at each offset: none may hang."""
    texts = [node for node in descendants(app) if "Text" in node.get_interfaces()]
    if not texts:
        return "no text to ask"
    for node in texts:
        count = Atspi.Text.get_character_count(node)
        for boundary in range(7):
            for offset in range(-1, count + 2):
                for query in (Atspi.Text.get_text_before_offset, Atspi.Text.get_text_at_offset,
                              Atspi.Text.get_text_after_offset):
                    try:
                        query(node, offset, boundary)
                    except GLib.Error as error:
                        return "%s of %r at %d, boundary %d: %s" % (
                            query.__name__, node.get_name(), offset, boundary, error.message)
    return None


CHECKS = {"clock": check_clock, "new record": check_new_record, "texts": check_texts}


def said_by(event):
    """What a reader takes from an event, or None for one it does not say."""
    source = event.source
    try:
        source.clear_cache()
        name = source.get_name()
        role = source.get_role()
        if event.type.startswith("object:state-changed:focused"):
            # A reader says a focus that is still there when it comes to it.
            if not event.detail1 or not source.get_state_set().contains(Atspi.StateType.FOCUSED):
                return None
            # A list is said as its focused row, as a reader does.
            if role == pyatspi.ROLE_LIST:
                rows = [source.get_child_at_index(i) for i in range(source.get_child_count())]
                focused = [row for row in rows if row.get_state_set().contains(Atspi.StateType.FOCUSED)]
                return ("item", name + "/" + focused[0].get_name()) if focused else ("focus", name)
            if role == pyatspi.ROLE_LIST_ITEM:
                return ("item", source.get_parent().get_name() + "/" + name)
            # A reader says the description after the name when it adds something.
            description = source.get_description()
            return ("focus", name if description in ("", name) else name + ": " + description)
        if event.type.startswith("object:state-changed:showing"):
            return ("note", name) if role == pyatspi.ROLE_NOTIFICATION and event.detail1 else None
        if event.type.startswith("object:state-changed:checked"):
            return ("checked", name) if event.detail1 else None
        if role == pyatspi.ROLE_FRAME:
            return ("title", name)
    except GLib.Error:
        pass
    return None  # a box renamed away from the focus is not spoken


def matches(said, expected):
    kind, text = said
    return any(kind == k and (text == t or (t.endswith("*") and text.startswith(t[:-1])))
               for k, t in expected)


class Listener:
    def __init__(self, game):
        self.game = game
        self.step = -1
        self.expected = set()
        self.allowed = set()
        self.heard = []
        self.failure = None
        self.loop = GLib.MainLoop()

    def fail(self, text):
        if self.failure is None:
            self.failure = text
        self.loop.quit()

    def on_event(self, event):
        if self.failure is not None:
            return
        said = said_by(event)
        if said is None:
            return
        if self.heard and self.heard[-1] == said:
            return  # the same focus again: a reader does not repeat it
        self.heard.append(said)
        found = [e for e in self.expected if matches(said, {e})]
        if not found:
            if not matches(said, self.allowed):
                self.fail("heard %r during step %d, expected only %r" % (said, self.step, sorted(self.expected)))
            return
        self.expected.discard(found[0])
        if not self.expected:
            GLib.idle_add(self.finish_step)

    def finish_step(self):
        check = STEPS[self.step][2]
        if check is not None:
            app = app_of(self.process.pid)
            problem = CHECKS[check](app) if app is not None else "the game is not on the bus"
            if problem:
                self.fail("step %d: %s" % (self.step, problem))
                return False
        self.next_step()
        return False

    def next_step(self):
        self.step += 1
        if self.step == len(STEPS):
            self.loop.quit()
            return
        pressed, expected, _, *allowed = STEPS[self.step]
        self.expected = set(expected)
        self.allowed = allowed[0] if allowed else set()
        for symbol in pressed:
            Atspi.generate_keyboard_event(symbol, None, Atspi.KeySynthType.SYM)

    def run(self):
        GLib.timeout_add_seconds(GUARD_SECONDS, lambda: self.fail(
            "timed out in step %d waiting for %r" % (self.step, sorted(self.expected))))
        self.process = subprocess.Popen([self.game])
        self.step = -1
        self.next_step()
        self.loop.run()
        self.process.terminate()
        try:
            self.process.wait(timeout=GUARD_SECONDS)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.fail("the game did not end when asked: it hangs")
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
    # A hung game answers no query: each one gives up after this long.
    Atspi.set_timeout(QUERY_GUARD_MS, QUERY_GUARD_MS)
    listener = Listener(sys.argv[1])
    pyatspi.Registry.registerEventListener(
        listener.on_event, "object:state-changed:focused", "object:state-changed:showing",
        "object:state-changed:checked", "object:property-change:accessible-name")
    failure = listener.run()
    print("heard:")
    for said in listener.heard:
        print("  %s: %s" % (said[0], said[1].replace("\n", " / ")))
    if failure:
        print("screenreader: " + failure, file=sys.stderr)
        return 1
    print("screenreader: every move, the edge, the end, the record, the help and the choice were heard")
    return 0


if __name__ == "__main__":
    sys.exit(main())
