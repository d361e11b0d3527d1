#!/usr/bin/python3
"""What a screen reader sees of a running Conteggo, through the AT-SPI registry.

Usage: atspi_tool.py COMMAND PID [ARG]
  shows PID TITLE   exit 0 if the program shows a window named TITLE
  check PID TITLE   walk that window: every control named, roles as expected; a line a fault
  press PID NAME    the "press" action of the showing control named NAME
  value PID NAME    the description, value and maximum of the showing control named NAME
"""
import os
import sys

import pyatspi

# Roles a screen reader lands on; each needs a name.
CONTROLS = {"push button", "check box", "text", "progress bar", "label", "image",
            "frame", "dialog", "alert"}
# Roles that mean a window or control was left as a bare area.
WRONG = {"filler", "unknown", "invalid", "redundant object"}

# The stopped main window's title, with the version, as the test script knows it.
TITLE = os.environ["CONTEGGO_TITLE"]

# What each window must hold: (role, name) of its showing controls.
EXPECTED = {
    TITLE: {
        "": ("frame", TITLE),
        "Avvia": ("push button", "Avvia"),
        "Azzera": ("push button", "Azzera"),
        "eye": ("push button", "Sempre in primo piano: attivo"),
        "mode": ("push button", "Formato: ore, minuti e secondi"),
        "alarm": ("push button", "Allarme attivo, ogni 5 minuti: impostazioni"),
        "info": ("push button", "Informazioni"),
        "bar": ("progress bar", "Avanzamento verso il prossimo suono"),
    },
    "Imposta allarme": {
        "": ("dialog", "Imposta allarme"),
        "Text1": ("text", "Ogni quanti minuti vuoi che suoni?"),
        "Text2": ("text", "Con che anticipo?"),
        "Check1": ("check box", "Suono veramente?"),
        "OK": ("push button", "OK"),
        "Annulla": ("push button", "Annulla"),
    },
    "INFO": {
        "": ("dialog", "INFO"),
        "Picture1": ("image", "Simbolo delle informazioni"),
        "Label1": ("label", TITLE),
        "Label5": ("label", "COME FUNZIONA:"),
    },
}


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def windows(pid):
    app = application(pid)
    return [] if app is None else [w for w in app if w is not None]


def window(pid, title):
    for w in windows(pid):
        if w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find_control(pid, name):
    for w in windows(pid):
        for node in walk(w):
            if node.name == name and showing(node):
                return node
    return None


def check(pid, title):
    top = window(pid, title)
    if top is None:
        print(f"no window named {title!r}")
        return 1
    faults = []
    seen = set()
    for node in walk(top):
        role = node.getRoleName()
        seen.add((role, node.name))
        if not showing(node):
            continue
        if role in WRONG:
            faults.append(f"a {role} named {node.name!r}")
        elif role in CONTROLS and not node.name.strip():
            faults.append(f"an unnamed {role}")
        if role in ("push button",) and "press" not in actions(node):
            faults.append(f"{node.name!r} has no press action")
    for role, name in EXPECTED.get(title, {}).values():
        if (role, name) not in seen:
            faults.append(f"no {role} named {name!r}")
    for fault in faults:
        print(f"{title}: {fault}")
    print(f"{title}: {len(seen)} objects walked, {len(faults)} faults")
    return 1 if faults else 0


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i).lower() for i in range(action.nActions)]


def press(pid, name):
    node = find_control(pid, name)
    if node is None:
        print(f"no showing control named {name!r}")
        return 1
    names = actions(node)
    if "press" not in names:
        print(f"{name!r} offers {names}, no press")
        return 1
    node.queryAction().doAction(names.index("press"))
    return 0


def value(pid, name):
    node = find_control(pid, name)
    if node is None:
        print(f"no showing control named {name!r}")
        return 1
    try:
        value = node.queryValue()
    except NotImplementedError:
        print(f"{node.description}; no value")
        return 1
    print(f"{node.description}; {value.currentValue:g} of {value.maximumValue:g}")
    return 0


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    command, pid, arg = argv[1], int(argv[2]), argv[3]
    if command == "shows":
        return 0 if window(pid, arg) is not None else 1
    return {"check": check, "press": press, "value": value}[command](pid, arg)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
