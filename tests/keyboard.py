#!/usr/bin/python3
"""The keyboard-only scenario on stdin (tools/keyboard_scenario), driven in
the real window WID of the process PID: each line's keys go to the window by
xdotool, and within ten seconds (thirty by the clipboard) the six result fields show the line's texts
(a field with no text in the line is not read). The fields are read through
the accessibility bus, or with --clipboard as a user copies them (where
there is no such bus: under Wine): from the first result field, which has
the focus, each selected and copied in turn by keys that are the same in
every layout (Home, Shift+End, Ctrl+Insert) and Tab, and the focus back. Prints the number of steps checked."""
import subprocess
import sys
import time

names = ["Цифры номинала", "Единица номинала", "Множитель", "Номинал с единицей", "Допуск", "Напряжение"]
clipboard = "--clipboard" in sys.argv
wid, pid = [a for a in sys.argv[1:] if a != "--clipboard"]


def key(*keys):
    subprocess.run(["xdotool", "key", "--window", wid, *keys], check=True)


def until(condition, seconds):
    """The condition's value once it holds, within the time; else None."""
    deadline = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > deadline:
            return None
        time.sleep(0.05)
    return value


def pasted():
    return subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True).stdout.decode()


def copied():
    """The focused field's text, copied: the clipboard holds a mark of ours
    until the program's copy replaces it. None when it did not (Wine now and
    then takes the mark's arrival for news after its copy): read again."""
    mark = "\u2063"
    holder = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"], stdin=subprocess.PIPE,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        holder.stdin.write(mark.encode())
        holder.stdin.close()
        if not until(lambda: pasted() == mark, 2):
            return None
        key("Home", "shift+End", "ctrl+Insert")
        return until(lambda: (text := pasted()) != mark and text, 2)
    finally:
        holder.terminate()
        holder.wait(5)


if clipboard:
    def texts(expected):
        wanted = [bool(want) for want in expected]
        got = []
        for i, want in enumerate(wanted):
            if want and any(wanted[:i]):
                key("Tab")
            got.append(copied() if want else "")
        key(*["shift+Tab"] * (sum(wanted) - 1))
        return got
else:
    import pyatspi

    known = {}

    def fields():
        """The result fields by name, as the program's accessible tree has them now."""
        found = {}
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == int(pid):
                for acc in pyatspi.findAllDescendants(app, lambda a: a.name in names):
                    found[acc.name] = acc
        return found

    def texts(expected):
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

steps = 0
for line in sys.stdin:
    keys, *expected = line.rstrip("\n").split("\t")
    key(*keys.split())
    deadline = time.monotonic() + (30 if clipboard else 10)
    while (got := texts(expected)) != expected:
        if time.monotonic() > deadline:
            sys.exit(f"after {keys} (step {steps + 1}) the fields show {got}, the engine {expected}")
        time.sleep(0.05)
    steps += 1
print(steps)
