#!/usr/bin/python3
"""The table read from outside, as a screen reader reads it: over AT-SPI.

Run by screen_reader_test.sh inside a D-Bus session with the accessibility bus and a
virtual display. Finds the game's window, presses the new-game button through its
accessible action, then walks the tree: every showing object must have a name, said in
words (no tatweel, no accelerator sign, no stray colon or dots, the sweep's name in Arabic
letters), and the buttons are named as a listener understands them. Then it
presses a card of the hand through its action and listens for the status line's new name,
as a screen reader hears a play. Prints what it found; exits 1 on any fault.
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def alive(pid):
    """Whether the process runs still: neither gone nor ended and waiting to be reaped."""
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def find_app(name, pid, timeout=60.0):
    end = time.time() + timeout
    while time.time() < end and alive(pid):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == name.lower():
                return app
        time.sleep(0.2)
    return None


def walk(node, out):
    if node is None:
        return
    # Asked afresh, not from what the bus remembers of the object.
    node.clearCache()
    state = node.getState()
    if not state.contains(pyatspi.STATE_SHOWING):
        return
    out.append(node)
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), out)


def spoken(text):
    """Whether a name or description is said in words rather than drawn: no tatweel, no
    accelerator sign, no run of dots, no colon opening it, no Latin name of the game."""
    text = (text or "").strip()
    return not ("\u0640" in text or "&" in text or ".." in text or text.startswith(":") or
                "Tazkova" in text)


def by_description(root, prefix):
    found = []
    walk(root, found)
    return [n for n in found if (n.description or "").startswith(prefix)]


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            return action.doAction(i)
    return action.doAction(0)


def main(program_name, game_pid):
    app = find_app(program_name, game_pid)
    if app is None:
        print("the game's window was not found on the accessibility bus")
        return 1
    window = app.getChildAtIndex(0)
    found = {}
    heard = []

    def on_event(event):
        try:
            heard.append((event.type, event.source.getRoleName(), event.source.name))
        except Exception:  # the object may be gone already
            pass

    # Listening from the start, as a screen reader does: to new names (the status line, the
    # counters) and to cards turning checked (chosen or picked).
    pyatspi.Registry.registerEventListener(on_event, "object:property-change:accessible-name",
                                           "object:state-changed:checked")

    def poll(ready, then, fault=None, timeout=30.0):
        """Calls then() once ready() holds, looking every 0.2 s. After the timeout it stops
        listening, with the fault that ends the test if one is given."""
        end = time.time() + timeout

        def tick():
            if ready():
                then()
                return False
            if time.time() > end:
                if fault:
                    found["fault"] = fault
                pyatspi.Registry.stop()
                return False
            return True
        GLib.timeout_add(200, tick)

    def named(name):
        shown = []
        walk(window, shown)
        return [n for n in shown if n.name == name]

    def hand():
        return by_description(window, "في يدك")

    def deal():
        press(named("لعبة جديدة")[0])
        # Once the three cards are in the hand, a moment more for the deal to settle.
        poll(lambda: len(hand()) == 3, lambda: GLib.timeout_add(1500, look),
             "the hand was not dealt three cards")

    def look():
        shown = []
        walk(window, shown)
        found["shown"] = shown
        found["unnamed"] = [n for n in shown if not (n.name or "").strip()]
        found["drawn"] = ["%s: %s / %s" % (n.getRoleName(), n.name, n.description)
                          for n in shown if not spoken(n.name) or not spoken(n.description)]
        found["cards"] = hand()
        heard.clear()
        if found["cards"]:
            press(found["cards"][0])
        # Unheard, it is reported with the rest of what was found.
        poll(plays_heard, pyatspi.Registry.stop)
        return False

    def plays_heard():
        # The pressed card either makes a play, read out in the status line, or waits for
        # the floor cards it takes, and is heard turning checked.
        pressed = found["cards"][0].name if found["cards"] else None
        plays = [name for kind, role, name in heard
                 if kind.endswith("accessible-name") and role == "label" and
                 (name.startswith("أنت") or name.startswith("الحاسوب")) and spoken(name)]
        plays += ["%s checked" % name for kind, role, name in heard
                  if kind.startswith("object:state-changed:checked") and name == pressed]
        found["plays"] = plays
        # The scoreboard is read again as the play changes it, you first.
        found["board"] = [name for kind, role, name in heard
                          if kind.endswith("accessible-name") and name.startswith("لوحة النتيجة")]
        return plays and found["board"]

    found["plays"] = []
    found["board"] = []

    poll(lambda: bool(named("لعبة جديدة")), deal, "no button named لعبة جديدة")
    pyatspi.Registry.start()

    if "fault" in found:
        print("FAULT: " + found["fault"])
        return 1
    shown, unnamed, cards = found["shown"], found["unnamed"], found["cards"]
    print("after the first deal: %d showing, %d without a name" % (len(shown), len(unnamed)))
    for n in unnamed:
        print("  unnamed: %s" % n.getRoleName())
    for d in found["drawn"]:
        print("  not said in words: %s" % d)
    names = set(n.name for n in shown)
    missing = [name for name in ("إنهاء", "النتيجة", "لعبة جديدة") if name not in names]
    print("cards in the hand: %s" % ", ".join(n.name for n in cards))
    plays = found["plays"]
    print("heard after pressing %s: %s" % (cards[0].name if cards else None, " | ".join(plays[:3])))

    board = found["board"]
    print("the scoreboard heard: %s" % (board[-1] if board else None))

    faults = []
    if not board:
        faults.append("the scoreboard was not read as the play changed it")
    elif board[-1].find("أنت") > board[-1].find("الحاسوب"):
        faults.append("the scoreboard does not name you first")
    if unnamed:
        faults.append("showing objects without a name")
    if found["drawn"]:
        faults.append("names or descriptions read as they are drawn")
    if missing:
        faults.append("buttons not named in words: " + ", ".join(missing))
    if len(cards) != 3:
        faults.append("the hand is not read as three cards")
    if not plays:
        faults.append("the play was not announced")
    for f in faults:
        print("FAULT: " + f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2])))
