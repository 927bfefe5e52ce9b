# A real screen reader beside the installed game: Orca on a private X server, D-Bus session and
# accessibility bus, with no speech server, so that every utterance lands in Orca's debug file as
# "SPEECH OUTPUT: '...'". Used by orca_test.py; run inside `dbus-run-session`.
import importlib.util
import os
import re
import shutil
import subprocess
import tempfile
import time

# Orca's own entry point without the /usr/bin/orca wrapper, which stops every other Orca of the
# user (other sessions on the machine may run one). The debug file is line-buffered, or speech
# shows up keys late.
ORCA_MAIN = r"""
import sys
prefs, log = sys.argv[1], sys.argv[2]
from orca import debug
debug.debugLevel = debug.LEVEL_INFO
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(log, "w", buffering=1)
from orca import orca
manager = orca.getSettingsManager()
manager.activate(prefs, {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
"""

CUSTOMIZATIONS = """import orca.settings
orca.settings.speechServerFactory = None
orca.settings.speechFactoryModules = []
orca.settings.enableSound = False
"""

# The utterance, then an optional voice and the voice's settings.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)?\s*\{.*$")


class Unavailable(Exception):
    """Orca or the game could not be started here."""


class Session:
    def __init__(self, build):
        self.build = build
        self.children = []
        self.home = tempfile.mkdtemp(prefix="orbello-orca-")
        self.offset = 0
        self.pending = ""
        self.env = dict(os.environ)
        self.game = None

    # ---- processes
    def start(self, args, **kwargs):
        process = subprocess.Popen(args, **kwargs)
        self.children.append(process)
        return process

    def close(self):
        for process in reversed(self.children):
            if process.poll() is None:
                process.terminate()
        for process in reversed(self.children):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if not os.environ.get("ORBELLO_KEEP_ORCA_HOME"):
            shutil.rmtree(self.home, ignore_errors=True)

    def install(self):
        home = self.home
        self.env.update(HOME=home, XDG_CONFIG_HOME=home + "/.config",
                        XDG_DATA_HOME=home + "/.local/share", XDG_RUNTIME_DIR=home + "/run",
                        TMPDIR=home + "/tmp", LANG="C.UTF-8", LC_ALL="C.UTF-8")
        os.makedirs(home + "/run", mode=0o700)
        os.makedirs(home + "/tmp")
        source = os.path.dirname(os.path.abspath(__file__)) + "/../.."
        done = subprocess.run([source + "/installer/install.sh", self.build], env=self.env,
                              capture_output=True, text=True, timeout=60)
        if done.returncode != 0:
            raise RuntimeError("install.sh failed: " + done.stderr[-2000:])
        self.app_dir = done.stdout.strip().splitlines()[-1]

    def start_desktop(self):
        if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
            raise Unavailable("no AT-SPI bus launcher")
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=self.env)
        read_end, write_end = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                    "-nolisten", "tcp"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            self.display = ":" + pipe.readline().strip()
        self.env.update(DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SDL_AUDIODRIVER="dummy")

    def start_orca(self):
        if importlib.util.find_spec("orca") is None:
            raise Unavailable("Orca is not installed (Debian package orca)")
        prefs = self.home + "/orca"
        os.makedirs(prefs)
        with open(prefs + "/orca-customizations.py", "w") as f:
            f.write(CUSTOMIZATIONS)
        self.log = self.home + "/orca.log"
        self.orca = self.start(["/usr/bin/python3", "-c", ORCA_MAIN, prefs, self.log],
                               env=self.env, stdout=subprocess.DEVNULL,
                               stderr=open(self.home + "/orca.err", "w"))
        # Orca greets when it listens.
        if not self.wait_said(lambda said: any("Screen reader on" in s for s in said), 30):
            raise Unavailable("Orca did not start: " + self.tail(self.home + "/orca.err"))

    def start_game(self, *args):
        """Starts the game and gives its window the keyboard; what Orca said then, or None when
        Orca never heard of the window."""
        self.game = self.start([self.app_dir + "/cvob", *args], env=self.env,
                               stderr=open(self.home + "/game.err", "w"))
        end = time.monotonic() + 20
        while time.monotonic() < end:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                    "^Corvane Orbello$"], env=self.env, capture_output=True,
                                   text=True, timeout=10).stdout.split()
            if found:
                self.window = found[0]
                break
            time.sleep(0.1)
        else:
            raise Unavailable("the game's window never showed")
        # The window is given the keyboard once the game is on the accessibility bus, or Orca
        # may never hear of the focus.
        import pyatspi
        end = time.monotonic() + 20
        while time.monotonic() < end:
            if any(app is not None and app.name == "Corvane Orbello"
                   for app in pyatspi.Registry.getDesktop(0)):
                break
            time.sleep(0.1)
        # Keys go to the window once Orca has heard that it has the focus.
        said = []
        for attempt in range(3):
            # The first focus may come before Orca or the game's bridge listens.
            self.focus_window(again=attempt > 0)
            heard = self.wait_said(lambda s: any("Corvane Orbello frame" in x for x in s), 5)
            said += heard if heard is not None else self.unclaimed
            if heard is not None:
                return said + self.settle(0.5, 2)
        return None

    @staticmethod
    def tail(path):
        try:
            with open(path) as f:
                return f.read()[-2000:]
        except OSError:
            return ""

    # ---- speech
    def read_said(self):
        """Utterances logged since the last read."""
        try:
            with open(self.log, errors="replace") as f:
                f.seek(self.offset)
                text = f.read()
                self.offset = f.tell()
        except OSError:
            return []
        text = self.pending + text
        lines = text.split("\n")
        self.pending = lines.pop()
        said = []
        for line in lines:
            match = SPEECH.search(line)
            if match:
                said.append(match.group(1))
        return said

    def wait_said(self, done, seconds):
        said = []
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            said += self.read_said()
            if done(said):
                return said
            time.sleep(0.05)
        # What was said is kept for the caller's message.
        self.unclaimed = said
        return None

    def settle(self, quiet=1.5, limit=8):
        """What Orca says until it has been quiet for `quiet` seconds (at most `limit`)."""
        said = []
        last = time.monotonic()
        end = last + limit
        while time.monotonic() < end:
            new = self.read_said()
            now = time.monotonic()
            if new:
                said += new
                last = now
            elif now - last >= quiet:
                break
            time.sleep(0.05)
        return said

    def focus_window(self, again=False):
        """Gives the game's window the keyboard, as a window manager does when a dialog closes
        (the private X server runs none); `again` takes it away first, so that the window is
        told anew."""
        if again:
            root = re.search(r"Window id: (0x[0-9a-f]+)",
                             subprocess.run(["xwininfo", "-root"], env=self.env,
                                            capture_output=True, text=True, timeout=10).stdout)
            if root:
                subprocess.run(["xdotool", "windowfocus", root.group(1)], env=self.env,
                               capture_output=True, timeout=10)
                time.sleep(0.3)
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window], env=self.env,
                       capture_output=True, timeout=10)

    def key(self, name, until=None, limit=8, refocus=False):
        """Presses one key and returns what Orca said after it: until `until` holds for what
        was said and Orca then was quiet for a moment, or without `until` until it was quiet
        for a longer one (at most `limit` seconds either way)."""
        self.read_said()
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], env=self.env, check=True,
                       timeout=10)
        if refocus:
            time.sleep(0.5)
            self.focus_window()
        if until is None:
            return self.settle(1.5, limit)
        said = self.wait_said(until, limit)
        if said is None:
            return self.unclaimed
        return said + self.settle(0.4, 2)

    def type(self, text):
        self.read_said()
        subprocess.run(["xdotool", "type", "--delay", "60", text], env=self.env, check=True,
                       timeout=20)
        return self.settle()


# Orca echoes a key as its name and a locking state, empty here: a trailing space.
KEY_ECHO = re.compile(r" $")


def words(said):
    """What Orca said, without the echoes of the keys themselves."""
    return [s for s in said if not KEY_ECHO.search(s)]


def write_saved_game(path, game_type, score, balls, next_balls):
    """A saved game: `balls` maps "A1".. to colour numbers 0..6, `next_balls` lists
    (cell, colour) for the announced balls."""
    import struct

    def cell(name):
        return ord(name[0]) - ord("A"), int(name[1]) - 1

    board = [-1] * 81
    for name, color in balls.items():
        x, y = cell(name)
        board[9 * x + y] = color
    data = struct.pack("<ii", game_type, score)
    for n, color in enumerate(board):
        data += struct.pack("<iiii", color, n, 0, 0)
    slots = list(next_balls) + [None] * (3 - len(next_balls))
    for slot in slots:
        if slot is None:
            data += struct.pack("<iii", -2, 0, 0)
        else:
            x, y = cell(slot[0])
            data += struct.pack("<iii", x, y, slot[1])
    data += struct.pack("<ii", -2, -2)
    assert len(data) == 1348
    with open(path, "wb") as f:
        f.write(data)
