# What this suite guards: a screen-reader user hears a deal through the real
# accessibility bus: the cards led and played with the signals the table shows, a
# declaration, the turn and the deal's score, each told once; the hand's cards
# are pressed as buttons; no hidden widget of the table is in the tree; the
# menus are named without the padding of their captions.
#
# accessibility_bus_test.sh runs it in a private session bus with the game on an
# X server of its own: python3 accessibility_bus_test.py GAME CONFIG_HOME
import os
import subprocess
import sys

import pyatspi
from gi.repository import GLib

GAME, CONFIG_HOME = sys.argv[1], sys.argv[2]
SEED = "5"  # a first deal with a declaration and signals shown
LIMIT_MS = 120_000

told = []  # what the status line told, in order
failures = []


def on_name_changed(event):
    try:
        if event.source.getRoleName() == "label":
            told.append(event.source.name)
    except GLib.GError:  # an item gone before its event was read
        pass


def game_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Morvello":
            return app
    return None


def find(node, test, depth=0):
    if node is None or depth > 6:
        return None
    if test(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), test, depth + 1)
        if found is not None:
            return found
    return None


def note_hidden_windows(app):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if not window.getState().contains(pyatspi.STATE_VISIBLE):
            failures.append(f"hidden in the tree: {window.getRoleName()} {window.name!r}")


def note_menu_names(app):
    bar = find(app, lambda n: n.getRoleName() == "menu bar")
    names = [bar.getChildAtIndex(i).name for i in range(bar.childCount)] if bar else []
    for menu in ("Game", "Options", "Sounds", "Info", "Help"):
        if menu not in names:
            failures.append(f"menu bar {names!r} has no {menu!r}")
    entries = [bar.getChildAtIndex(i) for i in range(bar.childCount)] if bar else []
    menus = [item.getChildAtIndex(0) for item in entries if item.name == "Sounds"]
    if not menus or menus[0].name != "Sounds" or menus[0].childCount < 2:
        failures.append("the Sounds item does not hold its menu")


def press(node):
    node.queryAction().doAction(0)


def items(table):
    return [table.getChildAtIndex(i) for i in range(table.childCount)]


class Player:
    """Plays the person's cards through their press action, each card of the
    hand in turn until one is taken; a refusal's message box is answered; after
    a lead, pressing the card on the table goes on with no signal."""

    def __init__(self):
        self.tries = 0
        self.menus_read = False

    def step(self):
        app = game_app()
        if app is None:
            return True
        note_hidden_windows(app)
        if not self.menus_read:
            note_menu_names(app)
            self.menus_read = True
        box = find(app, lambda n: n.getRoleName() in ("dialog", "alert"))
        if box is not None:
            ok = find(box, lambda n: n.getRoleName() == "push button")
            if ok is not None:
                press(ok)
            return True
        if any(t.startswith("Deal 1: ") for t in told):
            pyatspi.Registry.stop()
            return False
        table = find(app, lambda n: n.name == "Card table")
        status = find(app, lambda n: n.getRoleName() == "label")
        if table is None or status is None:
            return True
        latest = status.name.split(". ")[-1]
        if latest.startswith("Click your card to go on"):
            led = [c for c in items(table) if c.name.startswith("You: ")]
            if led:
                press(led[0])
        elif latest == "Your lead" or latest.startswith("Follow "):
            hand = [c for c in items(table) if ": " not in c.name and " of " in c.name]
            if hand:
                press(hand[self.tries % len(hand)])
                self.tries += 1
        return True


def sentences():
    return [s for t in told for s in t.split(". ")]


def main():
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_CONFIG_HOME=CONFIG_HOME, MORVELLO_DELAY_SCALE="0.3", MORVELLO_SILENT="1",
               MORVELLO_AUTODRAW="1", MORVELLO_SEED=SEED)
    pyatspi.Registry.registerEventListener(on_name_changed,
                                           "object:property-change:accessible-name")
    game = subprocess.Popen([GAME], env=env, stdout=subprocess.DEVNULL)
    GLib.timeout_add(250, Player().step)
    GLib.timeout_add(LIMIT_MS, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    game.terminate()
    game.wait()

    said = sentences()
    plays = [s for s in said if " led the " in s or " played the " in s]
    for what, test in {
        "a card led": lambda s: " led the " in s,
        "a signal shown with a card": lambda s: " with a " in s,
        "a declaration": lambda s: " declares: " in s,
        "the person's turn": lambda s: s == "Your lead" or s.startswith("Follow "),
        "a trick won": lambda s: " won the trick: " in s,
        "the deal's score": lambda s: s.startswith("Deal 1: "),
    }.items():
        if not any(test(s) for s in said):
            failures.append("never told: " + what)
    # The deal (the dealer choice is drawn by itself, faster than it is read).
    dealt = next((i for i, t in enumerate(told) if t.endswith(" deals") or t.endswith(" deal")), 0)
    for before, after in zip(told[dealt:], told[dealt + 1:]):
        if before == after:
            failures.append("told twice in a row: " + after)
    if len(plays) != 40 or len(set(plays)) != 40:
        failures.append(f"{len(plays)} plays told ({len(set(plays))} different), not 40 once each")
    for failure in sorted(set(failures)):
        print("FAIL:", failure)
    if failures:
        print("told:", *told, sep="\n  ")
    return 1 if failures else 0


sys.exit(main())
