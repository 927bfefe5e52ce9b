#!/usr/bin/python3
# Plays the installed game with the keyboard alone beside a real screen reader (Orca, no speech
# server) and checks what Orca said after each key: a new game, cursor keys that change row, the
# reading keys, a selection, moves (one removing a line), "No path.", a game to its end with the
# best results, and a new game. Run inside its own D-Bus session:
#   dbus-run-session -- /usr/bin/python3 orca_test.py BUILD_DIR [--transcript FILE]
# Exits 77 (skipped) when Orca or the desktop pieces cannot start here.
import os
import re
import signal
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import Session, Unavailable, words, write_saved_game  # noqa: E402

WATCHDOG_S = 280
SKIP = 77

failures = []
transcript = []
current = None


def watchdog(*_):
    print("FAIL: watchdog", flush=True)
    if current is not None:
        current.close()
    os._exit(3)


def fail(message):
    failures.append(message)
    print("FAIL:", message, flush=True)


class Player:
    def __init__(self, session):
        self.s = session

    def press(self, key, expect=None, forbid=(), note="", refocus=False):
        """Presses `key`; what Orca said must hold each pattern of `expect` (in order, each
        once) and none of `forbid`."""
        patterns = [expect] if isinstance(expect, str) else list(expect or [])

        def heard_all(said):
            heard = words(said)
            return all(any(re.search(p, h) for h in heard) for p in patterns)

        said = self.s.key(key, until=heard_all if patterns else None, refocus=refocus)
        heard = words(said)
        transcript.append((key, said, note))
        print("%-12s -> %r" % (key, said), flush=True)
        position = 0
        for pattern in patterns:
            found = next((i for i in range(position, len(heard))
                          if re.search(pattern, heard[i])), None)
            if found is None:
                fail("after %s Orca did not say %r (in order), it said %r" % (key, pattern, said))
                break
            position = found + 1
        # Spoken once, not twice.
        for pattern in patterns:
            count = sum(1 for h in heard if re.search(pattern, h))
            if count > 1:
                fail("after %s Orca said %r %d times: %r" % (key, pattern, count, said))
        for pattern in forbid:
            if any(re.search(pattern, h) for h in heard):
                fail("after %s Orca said %r: %r" % (key, pattern, said))
        return heard

    def type(self, text, note=""):
        said = self.s.type(text)
        transcript.append(("type " + text, said, note))
        print("%-12s -> %r" % ("type " + text, said), flush=True)
        return said


def cursor_to(player, here, there):
    """Moves the cursor with the cursor keys (Home, End, Page Up and Page Down where they reach
    the target's column or row at once), checking that each key names the one cell reached."""
    x, y = ord(here[0]) - ord("A"), int(here[1]) - 1
    tx, ty = ord(there[0]) - ord("A"), int(there[1]) - 1
    while (x, y) != (tx, ty):
        if x != tx and min(tx, 8 - tx) + 1 < abs(tx - x):
            key, x = ("Home", 0) if tx < 4 else ("End", 8)
        elif x != tx:
            key = "Right" if tx > x else "Left"
            x += 1 if tx > x else -1
        elif min(ty, 8 - ty) + 1 < abs(ty - y):
            key, y = ("Prior", 0) if ty < 4 else ("Next", 8)
        else:
            key = "Down" if ty > y else "Up"
            y += 1 if ty > y else -1
        name = "%s%d" % (chr(ord("A") + x), y + 1)
        heard = player.press(key, expect=r"^%s: " % name)
        # One cell per key, never the whole row.
        if len([h for h in heard if re.match(r"^[A-I][1-9]: ", h)]) != 1:
            fail("after %s Orca read more than the cursor cell: %r" % (key, heard))
    return there


def load(player, path, ask):
    player.press("ctrl+o", expect=r"Load game", note="the load chooser")
    player.type(path)
    if ask:
        player.press("Return", expect=r"load another game")
        player.press("y", expect=r"^Game loaded: Lines, score \d+\.")
    else:
        player.press("Return", expect=r"^Game loaded: Lines, score \d+\.")


def play(session, saves):
    p = Player(session)
    # A new game: its type and balls, the board has the focus with the cursor on E5.
    p.press("ctrl+n", expect=[r"^E5: ", r"^New game: Lines\. .*: [A-I][1-9]"])
    here = cursor_to(p, "E5", "E7")  # cursor keys that change row
    p.press("Up", expect=r"^E6: ", forbid=[r"^A6: "])
    here = "E6"
    p.press("r", expect=r"^Row 6: ")
    p.press("v", expect=r"^Column E: ")
    p.press("s", expect=r"^Score 0, champion \d+, time \d\d:\d\d:\d\d\.$")
    p.press("n", expect=r"^Next: ")
    p.press("b", expect=r"^(\w[\w ]*: [A-I][1-9](, [A-I][1-9])*)(; \w[\w ]*: [A-I][1-9]"
                        r"(, [A-I][1-9])*)*\.$")
    p.press("c", expect=r"^E6: ")

    # A laid-out game over the running one (the question is answered Yes).
    load(p, saves["moves"], ask=True)
    here = "E5"
    here = cursor_to(p, here, "G7")
    p.press("space", expect=r"^G7: yellow ball, selected\.?$")
    here = cursor_to(p, here, "G8")
    p.press("space", expect=[r"^G8: yellow ball",
                             r"^Yellow ball G7 to G8\. Three new balls: green A9, blue B9, "
                             r"yellow C9\. Next: "])
    here = cursor_to(p, here, "E3")
    p.press("space", expect=r"^E3: red ball, selected")
    here = cursor_to(p, here, "E1")
    p.press("space", expect=[r"^E1: empty",
                             r"^Red ball E3 to E1\. 5 balls removed, \d+ points\. Score \d+\.$"])
    p.press("s", expect=r"^Score [1-9]\d*, ")
    here = cursor_to(p, here, "G8")
    p.press("space", expect=r"^G8: yellow ball, selected")
    here = cursor_to(p, here, "I8")
    here = cursor_to(p, here, "I1")
    p.press("space", expect=[r"^I1: empty", r"^No path\.$"])
    here = cursor_to(p, here, "I9")
    here = cursor_to(p, here, "G9")
    p.press("space", expect=[r"^G9: yellow ball", r"^Yellow ball G8 to G9\. "
                             r"(One|Two|Three) new balls?: "])

    # A game one move from its end, with a score for the best results.
    load(p, saves["end"], ask=True)
    here = cursor_to(p, "E5", "I8")
    p.press("space", expect=r"^I8: \w[\w ]* ball, selected")
    here = cursor_to(p, here, "I9")
    p.press("space", expect=r"Congratulation!", note="the last move fills the board")
    p.press("Return", expect=r"best results", note="OK")
    for _ in range(len("Pretender")):
        p.press("BackSpace", note="the name offered goes")
    p.type("Tester", note="the name in the best results")
    p.press("Tab", expect=r"^Ok push button")
    p.press("space", expect=r"Begin new game\?", note="the best results close")
    p.press("Return", expect=[r"^E5: ", r"Game over\. New game: Lines\. "], refocus=True,
            note="Yes; the window takes the keyboard again")
    p.press("ctrl+n", expect=[r"^E5: ", r"^New game: Lines\. "])


def write_transcript(path):
    with open(path, "w") as f:
        f.write("# A keyboard-only game heard by Orca 43\n\n")
        f.write("Each row: the key pressed, then everything Orca said after it (key echoes "
                "included), until it was quiet. Orca 43 under its default settings, speech "
                "logged instead of synthesised; the private X server runs no window manager, so "
                "where a question box closes the test gives the game's window the keyboard back "
                "as a window manager would.\n\n")
        f.write("| key | Orca said | note |\n|---|---|---|\n")
        for key, said, note in transcript:
            text = " / ".join("“%s”" % s.strip() for s in said if s.strip())
            f.write("| %s | %s | %s |\n" % (key, text.replace("|", "\\|"), note))


def main(build, transcript_path):
    global current
    session = current = Session(build)
    try:
        try:
            session.install()
            session.start_desktop()
            session.start_orca()
            saves = lay_out(session)
            said = session.start_game()
        except Unavailable as reason:
            print("SKIPPED: %s" % reason, flush=True)
            return SKIP
        if said is None:
            fail("Orca never heard of the game's window: %r" % session.unclaimed)
            return 1
        transcript.append(("(start)", said, "the game's window takes the focus"))
        play(session, saves)
        if session.game.poll() is not None:
            fail("the game ended with %d" % session.game.returncode)
    finally:
        session.close()
        if transcript_path:
            write_transcript(transcript_path)
    return 1 if failures else 0


def lay_out(session):
    # In the folder the chooser opens in: the names alone are typed.
    folder = session.app_dir + "/save"
    os.makedirs(folder, exist_ok=True)
    red, green, blue, yellow, purple = 0, 1, 2, 3, 4
    moves = folder + "/moves.osf"
    # Four reds on row 1 and one to complete it; I1 walled in by H1 and I2.
    write_saved_game(moves, 1, 0, {"A1": red, "B1": red, "C1": red, "D1": red, "E3": red,
                                   "H1": green, "I2": blue, "G7": yellow, "C6": purple},
                     [("A9", green), ("B9", blue), ("C9", yellow)])
    # A full board but for G9, H9 and I9, with no two neighbours of one colour in any direction;
    # one move and three new balls fill it.
    end = folder + "/end.osf"
    balls = {}
    for x in range(9):
        for y in range(9):
            name = "%s%d" % (chr(ord("A") + x), y + 1)
            if name not in ("G9", "H9", "I9"):
                balls[name] = (x + 2 * y) % 7
    write_saved_game(end, 1, 500, balls, [("G9", red), ("H9", green), ("I9", blue)])
    return {"moves": "moves.osf", "end": "end.osf"}


if __name__ == "__main__":
    signal.signal(signal.SIGALRM, watchdog)
    signal.alarm(WATCHDOG_S)
    args = sys.argv[1:]
    path = None
    if "--transcript" in args:
        i = args.index("--transcript")
        path = args[i + 1]
        del args[i:i + 2]
    if len(args) != 1:
        print("usage: orca_test.py BUILD_DIR [--transcript FILE]", file=sys.stderr)
        sys.exit(2)
    code = main(os.path.abspath(args[0]), path)
    if code == 0:
        print("orca test passed", flush=True)
    sys.exit(code)
