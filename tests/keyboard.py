#!/usr/bin/python3
"""The keyboard-only scenario on stdin (tools/keyboard_scenario), driven in
the real window WID of the process PID: each line's keys go to the window by
xdotool, and within ten seconds the six result fields, read through the
accessibility bus, show the line's texts (a field with no text in the line
is not read). Prints the number of steps checked."""
import subprocess
import sys
import time

import pyatspi

wid, pid = sys.argv[1], int(sys.argv[2])
names = ["Цифры номинала", "Единица номинала", "Множитель", "Номинал с единицей", "Допуск", "Напряжение"]


def fields():
    """The result fields by name, as the program's accessible tree has them now."""
    found = {}
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            for acc in pyatspi.findAllDescendants(app, lambda a: a.name in names):
                found[acc.name] = acc
    return found


def texts(known, expected):
    got = []
    for name, want in zip(names, expected):
        if not want:
            got.append(want)
            continue
        try:
            text = known[name].queryText()
            got.append(text.getText(0, text.characterCount))
        except Exception:  # a field shown again is a new object: look it up again
            known.clear()
            known.update(fields())
            got.append(None)
    return got


known = fields()
steps = 0
for line in sys.stdin:
    keys, *expected = line.rstrip("\n").split("\t")
    subprocess.run(["xdotool", "key", "--window", wid] + keys.split(), check=True)
    deadline = time.monotonic() + 10
    while (got := texts(known, expected)) != expected:
        if time.monotonic() > deadline:
            sys.exit(f"after {keys} (step {steps + 1}) the fields show {got}, the engine {expected}")
        time.sleep(0.05)
    steps += 1
print(steps)
