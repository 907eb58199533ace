#!/usr/bin/python3
"""The keyboard-only scenario on stdin (tools/keyboard_scenario) in the real
window WID of the process PID: each line's keys go to the window by xdotool,
and within ten seconds (thirty by the clipboard) the six result fields show
the line's texts (a field with none is not read). The fields are read through
the accessibility bus or, with --clipboard (under Wine, which has no such
bus), as a user copies them: from the first result field, which has the
focus, each copied by keys that are the same in every layout (Home,
Shift+End, Ctrl+Insert), Tab to the next, and the focus back. Prints the
number of steps checked."""
import subprocess
import sys
import time

names = ["Цифры номинала", "Единица номинала", "Множитель", "Номинал с единицей", "Допуск", "Напряжение"]
clipboard = "--clipboard" in sys.argv
wid, pid = [a for a in sys.argv[1:] if a != "--clipboard"]


def key(*keys):
    subprocess.run(["xdotool", "key", "--window", wid, *keys], check=True)


def until(condition, seconds):
    """The condition's value once it holds within the time, else None."""
    deadline = time.monotonic() + seconds
    while not (value := condition()) and time.monotonic() < deadline:
        time.sleep(0.05)
    return value


def pasted():
    return subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True).stdout.decode()


def copied():
    """The focused field's text, once the program's copy replaced a mark of
    ours; None when it did not (Wine now and then takes the mark's arrival
    for news after its copy), to be read again."""
    mark = "\u2063"
    holder = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"], stdin=subprocess.PIPE,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        holder.communicate(mark.encode(), timeout=0.2)
    except subprocess.TimeoutExpired:  # it holds the mark until another owner takes it
        pass
    try:
        if until(lambda: pasted() == mark, 2):
            key("Home", "shift+End", "ctrl+Insert")
            return until(lambda: pasted().replace(mark, ""), 2)
    finally:
        holder.terminate()
        holder.wait(5)


def read_by_keys(expected):
    wanted = [bool(want) for want in expected]
    got = []
    for i, want in enumerate(wanted):
        if want and any(wanted[:i]):
            key("Tab")
        got.append(copied() if want else "")
    key(*["shift+Tab"] * (sum(wanted) - 1))
    return got


def read_by_bus(expected):
    import pyatspi
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == int(pid))
    found = pyatspi.findAllDescendants(app, lambda a: a.name in names and a.getRole() == pyatspi.ROLE_TEXT)
    fields = {field.name: field.queryText() for field in found}
    return [fields[name].getText(0, fields[name].characterCount) if want else want
            for name, want in zip(names, expected)]


def shown(expected):
    """What the fields show, or why they cannot be read (a field shown again
    is a new object, and the window may not be on the bus yet)."""
    try:
        return (read_by_keys if clipboard else read_by_bus)(expected)
    except Exception as error:
        return repr(error)


steps = 0
for line in sys.stdin:
    keys, *expected = line.rstrip("\n").split("\t")
    key(*keys.split())
    if not until(lambda: shown(expected) == expected, 30 if clipboard else 10):
        sys.exit(f"after {keys} (step {steps + 1}) the fields show {shown(expected)}, the engine {expected}")
    steps += 1
print(steps)
