"""A screen-reader client for the running game: finds it on the accessibility bus, checks
what a screen reader is told, and plays with real key presses and pointer clicks (xdotool,
through the X server), reading the board's description as a screen reader would."""

import re
import subprocess
import sys
import time

import pyatspi

TITLE = "Zorvane 1.2"
BUTTONS = ["Prediction", "New Back", "Help", "About"]


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, seconds=10):
    """The first true answer of probe, asked until the time is up."""
    deadline = time.monotonic() + seconds
    while True:
        answer = probe()
        if answer:
            return answer
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.05)


def fresh(accessible):
    """Reads past the client's cache, so that every answer is the game's own."""
    accessible.clear_cache()
    return accessible


def walk(accessible):
    yield accessible
    for child in fresh(accessible):
        if child is not None:
            yield from walk(child)


def find(root, role, name=None):
    for accessible in walk(root):
        if accessible.getRole() == role and (name is None or accessible.name == name):
            return accessible
    return None


def game():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "zorvane":
            return application
    return None


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def has_state(accessible, state):
    return fresh(accessible).getState().contains(state)


def stock_count(board):
    words = fresh(board).description
    match = re.search(r"Stock: (\d+) cards?\.", words)
    check(match, f"the board's description gives no stock count: {words!r}")
    return int(match.group(1))


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def press(button):
    """The button's own Press action, as a screen reader offers it."""
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, f"{button.name} has no Press action, only {names}")
    action.doAction(names.index("Press"))


def check_window(application):
    frame = wait_for("the main window", lambda: find(application, pyatspi.ROLE_FRAME, TITLE))
    board = wait_for("the board", lambda: find(frame, pyatspi.ROLE_CANVAS, "Board"))
    check(fresh(board).description.startswith("Waste: "),
          f"the board's description does not start with the waste: {board.description!r}")
    check(find(application, pyatspi.ROLE_FILLER, "Board") is None, "a board is still a filler")
    left, top, width, height = extents(frame)
    for accessible in walk(frame):
        check(not accessible.name.endswith(("\n", "\r")),
              f"the name of a {accessible.getRoleName()} ends in a line break: {accessible.name!r}")
        if has_state(accessible, pyatspi.STATE_SHOWING):
            x, y, w, h = extents(accessible)
            check(left <= x and top <= y and x + w <= left + width and y + h <= top + height,
                  f"{accessible.getRoleName()} {accessible.name!r} at {(x, y, w, h)} lies "
                  f"outside its window at {(left, top, width, height)}")
    return frame, board


def check_keys_play_after_a_click(frame, board):
    # The window manager may have been too busy to activate the new window: ask it to, as a
    # player would by picking the window. Within the window the game alone decides the focus.
    xdotool("search", "--sync", "--name", f"^{re.escape(TITLE)}$", "windowactivate", "--sync")
    wait_for("the board to have the focus", lambda: has_state(board, pyatspi.STATE_FOCUSED))
    before = stock_count(board)
    xdotool("key", "space")
    wait_for("Space to turn a stock card", lambda: stock_count(board) == before - 1)

    prediction = find(frame, pyatspi.ROLE_PUSH_BUTTON, "Prediction")
    x, y, w, h = extents(prediction)
    xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", "1")
    wait_for("Prediction to deal anew", lambda: stock_count(board) == 26)
    check(has_state(board, pyatspi.STATE_FOCUSED), "a click on Prediction took the board's focus")
    xdotool("key", "space")
    wait_for("Space after the click to turn a stock card", lambda: stock_count(board) == 25)
    check(not has_state(prediction, pyatspi.STATE_FOCUSED), "Prediction has the focus")


def shown_dialog(application, title):
    dialog = find(application, pyatspi.ROLE_DIALOG, title)
    return dialog if dialog is not None and has_state(dialog, pyatspi.STATE_SHOWING) else None


def check_dialog(application, board, title, close):
    dialog = wait_for(f"the window {title!r}", lambda: shown_dialog(application, title))
    for accessible in walk(dialog):
        check(not accessible.name.endswith(("\n", "\r")),
              f"the name of a {accessible.getRoleName()} in {title!r} ends in a line break: "
              f"{accessible.name!r}")
    close(dialog)
    wait_for(f"the window {title!r} to close", lambda: shown_dialog(application, title) is None)
    wait_for(f"the board to have the focus after {title!r}",
             lambda: has_state(board, pyatspi.STATE_FOCUSED))


def close_about(dialog):
    emblem = find(dialog, pyatspi.ROLE_IMAGE)
    check(emblem is not None and emblem.name, "the About emblem has no name")
    press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))


def close_help(dialog):
    wait_for("the Help window to be active", lambda: has_state(dialog, pyatspi.STATE_ACTIVE))
    xdotool("key", "Escape")


def check_press_actions(application, frame, board):
    """Each button's Press action acts, and the keys still play on the board afterwards."""
    buttons = {name: find(frame, pyatspi.ROLE_PUSH_BUTTON, name) for name in BUTTONS}
    for name, button in buttons.items():
        check(button is not None, f"no button {name!r}")
    press(buttons["Prediction"])
    wait_for("Press on Prediction to deal anew", lambda: stock_count(board) == 26)
    xdotool("key", "space")
    wait_for("Space to turn a stock card", lambda: stock_count(board) == 25)
    press(buttons["New Back"])
    wait_for("Press on New Back to deal anew", lambda: stock_count(board) == 26)
    press(buttons["Help"])
    check_dialog(application, board, "Zorvane Online Help", close_help)
    press(buttons["About"])
    check_dialog(application, board, "About " + TITLE, close_about)
    xdotool("key", "space")
    wait_for("Space after the windows to turn a stock card", lambda: stock_count(board) == 25)


def main():
    application = wait_for("the game on the accessibility bus", game)
    frame, board = check_window(application)
    check_keys_play_after_a_click(frame, board)
    check_press_actions(application, frame, board)
    xdotool("key", "alt+F4")  # the window manager closes the window, which ends the game
    print("the screen-reader client saw everything it should")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
