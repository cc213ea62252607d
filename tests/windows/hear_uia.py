"""What a Windows screen reader is told: plays deals by keys in the game under Wine while a UI
Automation client (uia_probe.exe) listens, and checks in Wine's trace of the game that every
key that changed the board was followed by a UI Automation notification naming the card that
went onto the waste, for every kind of change; that the window, the board and the buttons show
their names and roles to the client; and that a blocked deal's box is a window the client reads.
Usage: hear_uia.py GAME PROBE TRACE
  GAME and PROBE are Windows programs run through wine; the game's trace of Wine's
  uiautomation channel is written to TRACE."""

import os
import re
import subprocess
import sys
import time

TITLE = "Zorvane 1.2"
RANKS = ["Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten",
         "Jack", "Queen", "King"]
CARD = r"(?:%s) of (?:clubs|diamonds|hearts|spades)" % "|".join(RANKS)
UNKNOWN_DESIGN = "God's design is unknown !"
MOST_DEALS = 40
NOT_CHECKED = 77
# UI Automation's control types.
WINDOW, BUTTON = 50032, 50000

# Every kind of change a player makes, with what the notification after it says.
KINDS = {
    "stock card": rf"^{CARD} from the stock; \d+ cards? left\.$",
    "last stock card": rf"^{CARD} from the stock; the stock is empty\.$",
    "column card, a card turned up": rf"^{CARD} from column [1-5]; {CARD} turned up\.",
    "column emptied": rf"^{CARD} from column [1-5]; the column is empty\.",
    "last column card": r" All columns are empty; the cards are being read\.$",
    "reading": r"^The reading: ",
    # Only "New deal." where the board has the focus again: its description, the new position,
    # is read as the focus comes back.
    "blocked deal, then a new deal": r"^New deal\.",
    "new deal on Prediction": r"^New deal\. Waste: ",
}


class Failure(Exception):
    pass


def wait_for(what, probe, seconds=20):
    deadline = time.monotonic() + seconds
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.1)


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=False, timeout=30, capture_output=True)


def unescape(text):
    """A string as Wine's trace writes it (debugstr_w), back to its characters."""
    text = re.sub(r"\\x\{?([0-9a-fA-F]{2,4})\}?", lambda m: chr(int(m.group(1), 16)), text)
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "r": "\r", "t": "\t"}.get(m.group(1),
                                                                          m.group(1)), text)


class Notifications:
    """Wine's trace of the game, read as it grows: the text of every UiaRaiseNotificationEvent
    call, in order."""

    PATTERN = re.compile(r'UiaRaiseNotificationEvent[^\n]*?L"((?:[^"\\\n]|\\.)*)"')

    def __init__(self, path):
        self.trace = open(path, encoding="utf-8", errors="replace")
        self.unread = ""
        self.heard = []

    def _read(self):
        self.unread += self.trace.read()
        lines = self.unread.split("\n")
        self.unread = lines.pop()
        for line in lines:
            match = self.PATTERN.search(line)
            if match:
                self.heard.append(unescape(match.group(1)))

    def find(self, pattern):
        """The match of the first notification not yet taken that matches pattern, taking it."""
        self._read()
        for i, sentence in enumerate(self.heard):
            match = re.search(pattern, sentence)
            if match:
                del self.heard[i]
                return match
        return None

    def wait(self, what, pattern, seconds=20):
        """The match of the first notification not yet waited for that matches pattern."""
        try:
            return wait_for(what, lambda: self.find(pattern), seconds)
        except Failure:
            raise Failure(f"no notification {what}; the game raised {self.heard!r}") from None


class Probe:
    """The UI Automation client, one command and its answer at a time."""

    def __init__(self, program):
        self.process = subprocess.Popen(["wine", program], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True, encoding="utf-8")

    def line(self):
        answer = self.process.stdout.readline()
        if not answer:
            raise Failure("the UI Automation client ended")
        return answer.rstrip("\r\n").split("\t")

    def ask(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()

    def tree(self):
        self.ask("tree")
        elements = []
        while (answer := self.line())[0] == "element":
            elements.append(answer[1:])
        if answer[0] != "end":
            raise Failure(f"the client could not read the window's elements: {answer}")
        return elements

    def box(self):
        self.ask("box")
        return self.line()[1].split("|")

    def description(self, name):
        self.ask(f"describe {name}")
        answer = self.line()
        if answer[0] != "description":
            raise Failure(f"the client could not read the {name}'s description: {answer}")
        return answer[1].replace("\\n", "\n")

    def close(self):
        try:
            self.ask("quit")
            self.process.wait(timeout=30)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()


def position(probe):
    """The waste top, the columns' top cards (None for empty) and the stock count."""
    words = probe.description("Board")
    match = re.match(r"Waste: (.*?)\. Columns: (.*?)\. Stock: (?:(\d+) cards?|empty)\.", words)
    if not match:
        raise Failure(f"the board's description cannot be read: {words!r}")
    columns = [None if top == "empty" else top for top in match.group(2).split(", ")]
    return match.group(1), columns, int(match.group(3) or 0)


def neighbours(card, other):
    def rank(c):
        return RANKS.index(c.split(" of ")[0])
    return (rank(card) - rank(other)) % 13 in (1, 12)


def top_windows():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(TITLE)}$"],
                           capture_output=True, text=True, timeout=30).stdout.split()
    return found


class Player:
    def __init__(self, probe, notifications):
        self.probe = probe
        self.notifications = notifications
        self.seen = {}

    def saw(self, kind, sentence):
        self.seen.setdefault(kind, sentence)

    def hear_move(self, what, pattern):
        sentence = self.notifications.wait(what, pattern).string
        print(f"heard: {sentence!r}")
        for kind, kind_pattern in list(KINDS.items())[:5]:
            if re.search(kind_pattern, sentence):
                self.saw(kind, sentence)
        return sentence

    def play_key(self):
        """Plays a column card onto the waste when one fits, else turns a stock card; checks the
        notification names the card now on the waste. Returns the sentence."""
        waste, columns, stock = position(self.probe)
        fitting = [c for c, top in enumerate(columns) if top and neighbours(top, waste)]
        if fitting:
            column = fitting[0]
            xdotool("key", str(column + 1))
            return self.hear_move(f"naming {columns[column]} from column {column + 1}",
                                  rf"^{re.escape(columns[column])} from column {column + 1}; ")
        if stock == 0:
            raise Failure(f"nothing to play and no blocked deal: {columns}")
        xdotool("key", "space")
        sentence = self.hear_move("naming the turned stock card", rf"^({CARD}) from the stock; ")
        turned = re.match(rf"^({CARD})", sentence).group(1)
        wait_for(f"the waste to show {turned}, as the notification said",
                 lambda: position(self.probe)[0] == turned)
        return sentence

    def blocked_box(self):
        """Whether the blocked deal's box shows, its message read through UI Automation as a
        screen reader reads it."""
        return UNKNOWN_DESIGN in self.probe.box()

    def reading_end(self):
        said = self.notifications.find(r"^The reading: ")
        if said:
            self.saw("reading", said.string)
            return "omens"
        return "no pair" if self.blocked_box() else None

    def check_blocked_deal(self):
        wait_for("the blocked deal's box with its message", self.blocked_box)
        xdotool("key", "Return")
        sentence = self.notifications.wait("of the new deal after the box",
                                           KINDS["blocked deal, then a new deal"]).string
        self.saw("blocked deal, then a new deal", sentence)

    def play_deal(self):
        """Plays one deal to its end: 'blocked', 'omens' or 'no pair'."""
        while True:
            before = position(self.probe)
            sentence = self.play_key()
            last_column_card = sum(top is not None for top in before[1]) == 1 and \
                "; the column is empty." in sentence
            if last_column_card:
                if not re.search(KINDS["last column card"], sentence):
                    raise Failure(f"the last column card's notification says {sentence!r}")
                # The omens are a notification; a reading without a pair shows the blocked box.
                ending = wait_for("the reading's omens or its box", lambda: self.reading_end(),
                                  seconds=150)
                if ending == "no pair":
                    self.check_blocked_deal()
                return ending
            wait_for("the board to change or a box to show",
                     lambda: self.blocked_box() or position(self.probe) != before)
            if self.blocked_box():
                self.check_blocked_deal()
                return "blocked"


def check_elements(probe):
    """The names and roles a screen reader finds below the window."""
    elements = probe.tree()
    named = {element[0]: element for element in elements}
    board = named.get("Board")
    if board is None:
        raise Failure(f"no element named Board: {elements}")
    if "1" not in board[2] or "Space" not in board[2]:
        raise Failure(f"the board's help text names no keys: {board}")
    buttons = sorted(name for name, control, _ in elements if control == str(BUTTON))
    if buttons != ["About", "Help", "New Back", "Prediction"]:
        raise Failure(f"the buttons seen are {buttons}: {elements}")
    for name, control, _ in elements:
        print(f"element: {name!r}, control type {control}")
    return elements


def main(game, probe_program, trace_path):
    environment = dict(os.environ, WINEDEBUG="-all,+uiautomation")
    with open(trace_path, "w", encoding="utf-8") as trace:
        game_process = subprocess.Popen(["wine", game], env=environment, stdout=subprocess.DEVNULL,
                                        stderr=trace)
    probe = None
    try:
        window = wait_for("the game's window", lambda: top_windows(), seconds=120)[0]
        xdotool("windowactivate", "--sync", window)
        probe = Probe(probe_program)
        raises = probe.line()
        answer = probe.line()
        print(f"window: {answer}")
        if answer[0] != "window" or answer[2] != TITLE or answer[3] != str(WINDOW):
            raise Failure(f"the client did not find the window as such: {answer}")
        print(f"listening: {probe.line()}")
        check_elements(probe)
        if raises != ["notifications", "yes"]:
            print("this Wine's UI Automation cannot raise notifications: not checked")
            return NOT_CHECKED
        notifications = Notifications(trace_path)
        player = Player(probe, notifications)
        for _ in range(MOST_DEALS):
            if player.play_deal() == "omens":
                # The keys rest while the reading lies on the board: Prediction deals anew.
                xdotool("key", "alt+p")
                player.saw("new deal on Prediction", notifications.wait(
                    "of the new deal on Prediction", KINDS["new deal on Prediction"]).string)
            if len(player.seen) == len(KINDS):
                break
        missing = [kind for kind in KINDS if kind not in player.seen]
        for kind in KINDS:
            print(f"{kind}: {player.seen.get(kind, '(not seen)')!r}")
        if missing:
            raise Failure(f"kinds of change not seen in {MOST_DEALS} deals: {missing}")
        print("UI Automation heard every kind of change")
        return 0
    finally:
        if probe:
            probe.close()
        game_process.kill()
        game_process.wait(timeout=30)


if __name__ == "__main__":
    try:
        sys.exit(main(*sys.argv[1:4]))
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
