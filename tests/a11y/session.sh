#!/usr/bin/env bash
# Inside a private session bus: the accessibility bus, the window manager, the screen reader
# when asked for, and the game, then the client. Every process started here is ended here.
# Usage: session.sh GAME PYTHON CLIENT [SPEECH_LOG]
#   With SPEECH_LOG, Orca runs before the game starts, as a blind player's desktop has it,
#   and logs what it speaks there; the client is given the log.
set -uo pipefail
game=$1 python=$2 client=$3 speech_log=${4-}

started=()
orca=
# Whether the process runs: an ended child not yet waited for still has its process id.
running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $state != Z* ]]
}
# Orca runs in its own terminal's session, out of this one's reach: it is ended by its process
# id and waited for, since a user's next Orca refuses to start while one still runs.
end_orca() {
    [[ -n $orca ]] || return 0
    kill "$orca" 2>/dev/null
    for _ in $(seq 100); do
        running "$orca" || return 0
        sleep 0.1
    done
    kill -KILL "$orca" 2>/dev/null
}
cleanup() {
    end_orca
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
client_seconds=40
if [[ -n $speech_log ]]; then
    # Orca speaks into its debug log alone. Debian's speech server is kept out of its reach:
    # without a sound device it would stall Orca after the first sentence. Orca writes the
    # log line by line only to a terminal, so it is given one, which script copies to the log.
    orca_command=(env SPEECHD_ADDRESS="unix_socket:$HOME/no-speech-server"
        SPEECHD_CMD="$HOME/no-speech-server" orca --user-prefs "$HOME/orca" --debug-file /dev/tty)
    script --quiet --flush --command "${orca_command[*]@Q}" "$speech_log" \
        </dev/null >/dev/null 2>&1 &
    terminal=$!
    started+=("$terminal")
    # Its first words ("Screen reader on.") say it is listening.
    orca_listening() { grep -q "SPEECH OUTPUT" "$speech_log" 2>/dev/null; }
    for _ in $(seq 200); do
        orca_listening || ! running "$terminal" && break
        sleep 0.1
    done
    orca=$(pgrep -P "$terminal" -x orca)
    orca_listening || {
        echo "FAIL: Orca did not start; it said:" >&2
        tail -n 20 "$speech_log" >&2
        exit 1
    }
    # Qt turns its bridge on by itself for a running screen reader.
    QT_QPA_PLATFORM=xcb "$game" &
    client_seconds=420 # deals are played to a reading, which takes half a minute or more
else
    # Qt turns its bridge on when a screen reader is running; here the client is one.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$game" &
fi
game_pid=$!
started+=("$game_pid")

# Every wait of the client is bounded; this bounds the client as a whole.
timeout "$client_seconds" "$python" "$client" "$speech_log"
status=$?
# With Orca, Qt hands every key to it first; keys still waiting for its answer when the game
# ends are never freed (Qt's own leak), so Orca ends before the window is closed.
if ((status == 0)) && [[ -n $speech_log ]]; then
    end_orca
    sleep 1 # Qt hears that no one listens to keys any more
    xdotool key alt+F4
fi
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
