#!/usr/bin/python3
# Plays the installed game as a blind player would: a screen reader's view of the window over
# AT-SPI, and the keyboard only. Run inside its own D-Bus session:
#   dbus-run-session -- /usr/bin/python3 screen_reader_test.py BUILD_DIR
# It installs the build into a temporary home, starts the accessibility bus, a private X server
# and the game, reads the tree (commands, displays, the 81 cells), then plays Ctrl+N, Tab to the
# board, arrows and Space to pick a ball, arrows and Space to move it, and checks that the cells'
# names change and that the turn's summary reaches the status element. Every wait is bounded.
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

WATCHDOG_S = 100
COMMANDS = ["New game", "New game: choose type", "Load game", "Save game", "Best results",
            "Best results: choose type", "Settings", "About", "Quit", "Help", "Minimise", "Close"]
CELL_NAME = re.compile(r"^([A-I])([1-9]): (.+)$")

children = []
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message, flush=True)


def start(args, **kwargs):
    process = subprocess.Popen(args, **kwargs)
    children.append(process)
    return process


def stop_children():
    for process in reversed(children):
        if process.poll() is None:
            process.terminate()
    for process in reversed(children):
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def pump(seconds):
    """Delivers AT-SPI events for up to `seconds`."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_for(predicate, seconds, what):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        value = predicate()
        if value:
            return value
        time.sleep(0.02)
    fail("timed out waiting for " + what)
    return None


def walk(accessible, found, depth=0):
    if accessible is None or depth > 8:
        return
    found.append(accessible)
    for i in range(accessible.childCount):
        walk(accessible.getChildAtIndex(i), found, depth + 1)


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Corvane Orbello":
            return app
    return None


def board_of(table):
    """Cell names by (column, row), read from the board's cells, row by row."""
    cells = {}
    for row in range(9):
        for column in range(9):
            cells[(column, row)] = table.getChildAtIndex(9 * row + column).name
    return cells


def focused_cell(table):
    for row in range(9):
        for column in range(9):
            cell = table.getChildAtIndex(9 * row + column)
            if cell.getState().contains(pyatspi.STATE_FOCUSED):
                return (column, row)
    return None


def reachable(cells, start_cell):
    """Empty cells reachable from start_cell by steps left, right, up and down."""
    seen = {start_cell}
    todo = [start_cell]
    while todo:
        x, y = todo.pop()
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= nx < 9 and 0 <= ny < 9 and (nx, ny) not in seen and \
                    ": empty" in cells[(nx, ny)]:
                seen.add((nx, ny))
                todo.append((nx, ny))
    seen.discard(start_cell)
    return seen


def key(display, *names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name],
                       env=dict(os.environ, DISPLAY=display), check=True, timeout=10)


def walk_cursor(display, table, target):
    here = focused_cell(table)
    if here is None:
        fail("no focused cell on the board")
        return False
    keys = []
    dx, dy = target[0] - here[0], target[1] - here[1]
    keys += ["Right"] * dx if dx > 0 else ["Left"] * -dx
    keys += ["Down"] * dy if dy > 0 else ["Up"] * -dy
    key(display, *keys)
    return wait_for(lambda: focused_cell(table) == target, 5, "the cursor on %s" % (target,))


def main(build):
    home = tempfile.mkdtemp(prefix="orbello-reader-")
    try:
        run(build, home)
    finally:
        stop_children()
        shutil.rmtree(home, ignore_errors=True)


def run(build, home):
    env = dict(os.environ)
    env.update(HOME=home, XDG_CONFIG_HOME=home + "/.config", XDG_DATA_HOME=home + "/.local/share",
               XDG_RUNTIME_DIR=home + "/run", TMPDIR=home + "/tmp")
    os.makedirs(home + "/run", mode=0o700)
    os.makedirs(home + "/tmp")
    source = os.path.dirname(os.path.abspath(__file__)) + "/../.."
    installed = subprocess.run([source + "/installer/install.sh", build], env=env, check=True,
                               capture_output=True, text=True, timeout=60).stdout
    app_dir = installed.strip().splitlines()[-1]

    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    read_end, write_end = os.pipe()
    start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
          pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = ":" + pipe.readline().strip()
    env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               SDL_AUDIODRIVER="dummy")
    os.environ["DISPLAY"] = display
    game = start([app_dir + "/cvob"], env=env)

    app = wait_for(find_app, 20, "the game on the accessibility bus")
    if app is None:
        return
    frame = wait_for(lambda: next((c for c in app if c is not None and
                                   c.getRole() == pyatspi.ROLE_FRAME), None), 10, "the frame")
    if frame is None or frame.name != "Corvane Orbello":
        fail("the main window is no frame named Corvane Orbello")
        return

    # The tree: commands, displays, the board.
    found = []
    walk(frame, found)
    buttons = {a.name: a for a in found if a.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    for name in COMMANDS:
        if name not in buttons:
            fail("no command named %r" % name)
    if "Save game" in buttons and buttons["Save game"].getState().contains(pyatspi.STATE_ENABLED):
        fail("Save is enabled before any game")
    labels = [a.name for a in found if a.getRole() == pyatspi.ROLE_LABEL]
    for pattern in (r"^Score \d+$", r"^Champion \d+$", r"^Time \d\d:\d\d:\d\d$",
                    r"^Game type (Lines|Squares|Blocks)$", r"^Next: "):
        if not any(re.match(pattern, label) for label in labels):
            fail("no display matching %r in %r" % (pattern, labels))
    status = next((a for a in found if a.getRole() == pyatspi.ROLE_STATUS_BAR), None)
    table = next((a for a in found if a.getRole() == pyatspi.ROLE_TABLE), None)
    if status is None or table is None:
        fail("no status element or no board table")
        return
    if table.childCount != 81:
        fail("the board has %d cells" % table.childCount)
    roles = {table.getChildAtIndex(i).getRole() for i in range(table.childCount)}
    if roles != {pyatspi.ROLE_TABLE_CELL}:
        fail("the board's cells have the roles %r" % roles)
    cells = board_of(table)
    for (column, row), name in cells.items():
        match = CELL_NAME.match(name)
        if not match or (ord(match.group(1)) - ord("A"), int(match.group(2)) - 1) != (column, row):
            fail("cell %s is named %r" % ((column, row), name))
    print("Board before the game:", cells[(0, 0)], "...", cells[(8, 8)], flush=True)

    # What a reader hears from now on.
    heard = []

    def listen(event):
        # A cell told anew replaces its object: an event of the old one may find it gone.
        try:
            role = event.source.getRoleName() if event.source else ""
            name = event.source.name if event.source else ""
        except GLib.GError:
            role = name = ""
        heard.append((event.type, role, name, str(event.any_data)))

    for kind in ("object:property-change:accessible-name", "object:text-changed:insert",
                 "object:state-changed:selected", "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(listen, kind)
    pump(0.2)

    # The window takes the keyboard; no window manager gives it.
    subprocess.run(["xdotool", "search", "--sync", "--limit", "1", "--name", "^Corvane Orbello$",
                    "windowfocus", "--sync"], env=env, check=True, timeout=10,
                   capture_output=True)
    key(display, "ctrl+n")
    if not wait_for(lambda: sum(" ball" in n for n in board_of(table).values()) >= 5, 10,
                    "the new game's balls"):
        return
    cell_events = [h for h in heard if h[0].endswith("accessible-name") and h[1] == "table cell"]
    if not cell_events:
        fail("no cell told its new name after Ctrl+N")

    for _ in range(20):
        if focused_cell(table) is not None:
            break
        key(display, "Tab")
        pump(0.05)
    if focused_cell(table) is None:
        fail("Tab never reached the board")
        return

    cells = board_of(table)
    balls = [c for c, n in cells.items() if re.search(r": \S.* ball(, selected)?$", n)]
    move = next(((b, t) for b in balls for t in sorted(reachable(cells, b))), None)
    if move is None:
        fail("no ball can move")
        return
    ball, target = move
    position = lambda c: "%s%d" % (chr(ord("A") + c[0]), c[1] + 1)
    print("Moving %s to %s" % (cells[ball], position(target)), flush=True)

    del heard[:]
    if not walk_cursor(display, table, ball):
        return
    key(display, "space")
    selected = wait_for(lambda: status.name.endswith(position(ball) + " selected.") and
                        status.name, 5, "the selection's summary")
    if selected:
        print("Status:", selected, flush=True)
    wait_for(lambda: any(h[0] in ("object:state-changed:selected",
                                  "object:state-changed:focused") and
                         h[2] == cells[ball] + ", selected" for h in heard), 5,
             "the selected cell's state or focus event")

    del heard[:]
    if not walk_cursor(display, table, target):
        return
    key(display, "space")
    summary = "%s to %s." % (position(ball), position(target))
    said = wait_for(lambda: next((h[2] for h in heard if h[1] == "status bar" and
                                  h[0].endswith("accessible-name") and summary in h[2]), None),
                    10, "the move's summary on the status element")
    if said:
        print("Status:", said, flush=True)
    after = board_of(table)
    if ": empty" not in after[ball] or " ball" not in after[target]:
        fail("the cells did not follow the move: %r, %r" % (after[ball], after[target]))
    # The cursor cell is told focused anew, the others by name events.
    wait_for(lambda: any((h[0].endswith("accessible-name") or h[0].endswith("focused")) and
                         h[2] == after[target] for h in heard), 5,
             "an event of the ball's new cell")
    if game.poll() is not None:
        fail("the game ended with %d" % game.returncode)


if __name__ == "__main__":
    signal.signal(signal.SIGALRM, lambda *_: (fail("watchdog"), stop_children(), os._exit(3)))
    signal.alarm(WATCHDOG_S)
    if len(sys.argv) != 2:
        print("usage: screen_reader_test.py BUILD_DIR", file=sys.stderr)
        sys.exit(2)
    main(os.path.abspath(sys.argv[1]))
    if failures:
        sys.exit(1)
    print("screen reader test passed", flush=True)
