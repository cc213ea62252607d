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
openbox --sm-disable >/dev/null 2>&1 &
started+=($!)
# The window manager gives a new window the focus only once it runs: it sets the desktop then.
for _ in $(seq 100); do
    xdotool get_desktop >/dev/null 2>&1 && break
    sleep 0.05
done
# Qt turns its bridge on when a screen reader is running; here the client is one.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$game" &
game_pid=$!
started+=("$game_pid")

# Every wait of the client is bounded; this bounds the client as a whole.
timeout 40 "$python" "$client"
status=$?
# The client closes the game's window; the game must end by itself, and cleanly.
if ((status == 0)); then
    for _ in $(seq 50); do
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
