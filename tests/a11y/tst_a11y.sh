#!/usr/bin/env bash
# Starts the real game as a desktop would, on a private X server with a window manager, a
# session bus and the accessibility bus, and lets a screen-reader client check what it is told
# and that the keys play on the board after a mouse click on a button. With --orca, Debian's
# screen reader runs too and the client checks what it speaks.
# Usage: tst_a11y.sh GAME PYTHON [--orca]
set -euo pipefail
game=$1 python=$2 with_orca=${3-}
here=$(dirname "$0")

fail() { echo "FAIL: $*" >&2; exit 1; }
tools=(Xvfb openbox dbus-run-session xdotool /usr/libexec/at-spi-bus-launcher)
client=$here/check_board.py
if [[ $with_orca == --orca ]]; then
    tools+=(orca)
    client=$here/hear_board.py
fi
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/test.sh installs it)"
done

work=$(mktemp -d)
xvfb=
cleanup() {
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number: parallel runs never meet.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 display <"$work/display" || fail "Xvfb did not start"

# Nothing of the player's own: a fresh runtime folder and settings. The session runs in a
# session of processes of its own, so that what the buses start for it can be waited for.
run_session() {
    local home=$work/session
    mkdir -p "$home" && mkdir -m 700 "$home/runtime" "$home/config"
    # The game and Orca speak English here: the client reads their words.
    local speech_log=
    [[ $with_orca == --orca ]] && speech_log=$home/speech.log
    env -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS -u LANGUAGE \
        DISPLAY=":$display" XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/config" \
        XDG_DATA_HOME="$home/data" HOME="$home" LC_ALL=C.UTF-8 \
        setsid dbus-run-session -- bash "$here/session.sh" "$game" "$python" "$client" $speech_log &
    local session=$!
    local status=0
    wait "$session" || status=$?
    # The accessibility registry, started by its bus, ends a moment after the bus.
    for _ in $(seq 50); do
        pgrep -s "$session" >/dev/null || break
        sleep 0.1
    done
    local left
    left=$(pgrep -s "$session" || true)
    [[ -z $left ]] || {
        echo "FAIL: still running after the session: $left" >&2
        kill $left
        return 1
    }
    return "$status"
}

status=0
run_session || status=$?
exit "$status"
