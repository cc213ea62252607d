#!/usr/bin/env bash
# Inside a private session bus: the accessibility bus, the window manager and the game, then
# the client. Every process started here is ended here.
# Usage: session.sh GAME PYTHON CLIENT
set -uo pipefail
game=$1 python=$2 client=$3

started=()
cleanup() {
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait
}
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately &
started+=($!)
# The window manager gives a new window the focus only once it runs: it sets the desktop then.
# On a loaded machine it now and then fails to connect to the new X server; it is started again.
wm_ready() { xdotool get_desktop >/dev/null 2>&1; }
for _ in 1 2 3; do
    openbox --sm-disable &
    wm=$!
    started+=("$wm")
    for _ in $(seq 200); do
        wm_ready || ! kill -0 "$wm" 2>/dev/null && break
        sleep 0.1
    done
    wm_ready && break
done
wm_ready || { echo "FAIL: the window manager did not start" >&2; exit 1; }
# Qt turns its bridge on when a screen reader is running; here the client is one.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$game" &
game_pid=$!
started+=("$game_pid")

# Every wait of the client is bounded; this bounds the client as a whole.
timeout 40 "$python" "$client"
status=$?
# The client closes the game's window; the game must end by itself, and cleanly.
if ((status == 0)); then
    for _ in $(seq 150); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$game_pid" 2>/dev/null; then
        echo "FAIL: the game did not end when its window closed" >&2
        status=1
    else
        wait "$game_pid"
        game_status=$?
        ((game_status == 0)) || { echo "FAIL: the game ended with $game_status" >&2; status=1; }
    fi
fi
exit "$status"
