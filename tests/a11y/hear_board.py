"""What a blind player hears: plays deals by keys while Orca runs, and checks in Orca's log of
what it spoke that every key that changed the board was followed by a sentence naming the card
that went onto the waste, that a blocked deal's message is spoken and the board has the focus
again after it, its new position heard once, and that a reading's omens are spoken.
Usage: hear_board.py SPEECH_LOG"""

import re
import sys
import time

import pyatspi

from check_board import (TITLE, Failure, find, fresh, game, has_state, wait_for, xdotool)

RANKS = ["Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten",
         "Jack", "Queen", "King"]
CARD = r"(?:%s) of (?:clubs|diamonds|hearts|spades)" % "|".join(RANKS)
UNKNOWN_DESIGN = "God's design is unknown !"
MOST_DEALS = 40


class Speech:
    """Orca's debug log, read as it grows: each utterance once, in the order spoken."""

    def __init__(self, path):
        self.log = open(path, encoding="utf-8", errors="replace", newline="")
        self.unread = ""
        self.heard = []

    def _read(self):
        self.unread += self.log.read()
        # The text, which may run over several lines, then the voice Orca spoke it in.
        end = 0
        for match in re.finditer(r"SPEECH OUTPUT: '(.*?)'(?: ?[\[{][^\n]*)?\r?\n", self.unread,
                                 re.S):
            self.heard.append(match.group(1).replace("\r\n", "\n"))
            end = match.end()
        self.unread = self.unread[end:]

    def skip(self):
        """Forgets everything spoken so far."""
        self._read()
        self.heard.clear()

    def wait(self, what, pattern, seconds=10):
        """The match of the first utterance not yet waited for that matches pattern. Orca may
        speak out of order: a window that opens goes before a sentence about the board."""
        def probe():
            self._read()
            for i, utterance in enumerate(self.heard):
                match = re.search(pattern, utterance)
                if match:
                    del self.heard[i]
                    return match
            return None
        try:
            return wait_for(what, probe, seconds)
        except Failure:
            raise Failure(f"Orca did not say {what}; it said {self.heard!r}") from None

    def never(self, what, pattern, seconds):
        """Fails if an utterance not yet waited for matches pattern within the seconds."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            self._read()
            if any(re.search(pattern, utterance) for utterance in self.heard):
                raise Failure(f"Orca said {what}; it said {self.heard!r}")
            time.sleep(0.1)


def words(text):
    """The words as spoken: a log may indent the lines of a long utterance, and Orca ends it
    with a full stop for a pause."""
    return " ".join(text.split()).rstrip(".")


def position(board):
    """The waste top, the columns' top cards (None for empty) and the stock count."""
    words = fresh(board).description
    match = re.match(r"Waste: (.*?)\. Columns: (.*?)\. Stock: (?:(\d+) cards?|empty)\.", words)
    if not match:
        raise Failure(f"the board's description cannot be read: {words!r}")
    columns = [None if top == "empty" else top for top in match.group(2).split(", ")]
    return match.group(1), columns, int(match.group(3) or 0)


def rank(card):
    return RANKS.index(card.split(" of ")[0])


def neighbours(card, other):
    return (rank(card) - rank(other)) % 13 in (1, 12)


def play_key(board, speech):
    """Plays a column card onto the waste when one fits, else turns a stock card, and checks
    the sentence Orca speaks. Returns what the sentence said came next, if anything."""
    waste, columns, stock = position(board)
    fitting = [c for c, top in enumerate(columns) if top and neighbours(top, waste)]
    if fitting:
        column = fitting[0]
        xdotool("key", str(column + 1))
        said = speech.wait(f"where {columns[column]} came from",
                           rf"^{re.escape(columns[column])} from column {column + 1}; "
                           rf"(?:(?:{CARD}) turned up|the column is empty)\.(.*)$")
        return said.group(1)
    if stock == 0:
        raise Failure(f"nothing to play and the game did not say the deal was blocked: {columns}")
    xdotool("key", "space")
    left = f"{stock - 1} card{'s' if stock != 2 else ''} left" if stock > 1 else \
        "the stock is empty"
    speech.wait("the turned stock card", rf"^{CARD} from the stock; {left}\.$")
    return ""


def blocked(application):
    box = find(application, pyatspi.ROLE_ALERT)
    return box if box is not None and has_state(box, pyatspi.STATE_SHOWING) else None


def check_blocked_deal(application, board, speech, message_heard=False):
    if not message_heard:
        speech.wait("the blocked deal's message", re.escape(UNKNOWN_DESIGN))
    wait_for("the message box on the accessibility bus", lambda: blocked(application))
    # Orca 48 also speaks each new description of the board that has the focus, the position
    # after every move: what it said before the box closes is done with.
    speech.skip()
    xdotool("key", "Return")
    wait_for("the board to have the focus after the message",
             lambda: has_state(board, pyatspi.STATE_FOCUSED))
    # The focus coming back reads the board's description, the new position; the sentence
    # after it only says why the position changed.
    said = speech.wait("the new position as the board takes the focus", r"^Waste: (?s:.*)")
    if words(said.group(0)) != words(fresh(board).description):
        raise Failure(f"Orca said {said.group(0)!r}, the board shows {fresh(board).description!r}")
    speech.wait("the new deal", r"^New deal\.$")
    speech.never("the new position twice", r"Waste: ", seconds=2)


def check_reading(application, board, speech):
    """Waits out the reading: its omens are spoken, or, with no pair, the blocked message."""
    said = speech.wait("the reading's end", rf"^The reading: (.*)$|{re.escape(UNKNOWN_DESIGN)}",
                       seconds=100)
    if said.group(1) is None:
        check_blocked_deal(application, board, speech, message_heard=True)
        return False
    omens = fresh(board).description.split("\nOmens:\n")[1].split("\n")
    expected = ". ".join(omens) + "."
    if said.group(1) != expected:
        raise Failure(f"Orca said the omens {said.group(1)!r}, the board shows {expected!r}")
    return True


def play_deal(application, board, speech):
    """Plays one deal to its end; says how it ended: 'blocked', 'omens' or 'no pair'."""
    while True:
        before = fresh(board).description
        after = play_key(board, speech)
        if after == " All columns are empty; the cards are being read.":
            return "omens" if check_reading(application, board, speech) else "no pair"
        if after:
            raise Failure(f"unexpected words after a move: {after!r}")
        # The description is brought up to date once the deal's end has been checked; a
        # blocked deal shows its message first.
        wait_for("the board to change or a message to show",
                 lambda: blocked(application) or fresh(board).description != before)
        if blocked(application):
            check_blocked_deal(application, board, speech)
            return "blocked"


def main(speech_log):
    speech = Speech(speech_log)
    application = wait_for("the game on the accessibility bus", game)
    frame = wait_for("the main window", lambda: find(application, pyatspi.ROLE_FRAME, TITLE))
    board = wait_for("the board", lambda: find(frame, pyatspi.ROLE_CANVAS, "Board"))
    xdotool("search", "--sync", "--name", f"^{re.escape(TITLE)}$", "windowactivate", "--sync")
    speech.wait("the board's name as it takes the focus", r"^Board canvas\.$")
    speech.wait("the position", r"^Waste: ")
    endings = set()
    for _ in range(MOST_DEALS):
        ending = play_deal(application, board, speech)
        endings.add(ending)
        if {"blocked", "omens"} <= endings:
            break
        if ending == "omens":
            # The keys rest while the reading lies on the board: Prediction deals anew.
            xdotool("key", "alt+p")
            speech.wait("the new deal after the reading", r"^New deal\. Waste: ")
    else:
        raise Failure(f"no blocked deal and reading in {MOST_DEALS} deals: {endings}")
    speech.skip()
    xdotool("key", "KP_Enter")  # Orca's "where am I"
    said = speech.wait("the whole position on 'where am I'", r"^Waste: (?s:.*)")
    if words(said.group(0)) != words(fresh(board).description):
        raise Failure(f"'where am I' said {said.group(0)!r}, the board shows "
                      f"{fresh(board).description!r}")
    print("Orca spoke every move, a blocked deal's message and a reading's omens")


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
