#!/usr/bin/env bash
# Start-up benchmark: builds the game and a minimal Qt window (Release), runs them alternately
# under a private Xvfb and prints, for each, exec -> window exposed, exec -> first paint of the
# board (the black image for the minimal window), peak memory (VmHWM), and CPU time and paints
# over 10 idle seconds. Usage: bench/startup.sh [counted runs, default 5]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
idle_seconds=${IDLE_SECONDS:-10}
build=build-bench

bash tools/setup-debian.sh xvfb xauth
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target zorvane minimal_window >/dev/null

work=$(mktemp -d)
# Xvfb picks a free display and writes its number once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
read -r -t 10 display <"$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display XDG_CONFIG_HOME=$work/config ZORVANE_PAINT_PROBE=1
export XDG_RUNTIME_DIR=$work/runtime && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
ticks=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# One run: prints "expose_ms paint_ms hwm_kb idle_cpu_ms idle_paints".
measure() {
    local program=$1 log=$work/probe.log
    : >"$log"
    local start
    start=$(date +%s%N)
    "$program" 2>"$log" &
    local pid=$!
    # A program that never paints is given 10 s, then the benchmark stops.
    local waited=0
    until grep -q '^paint ' "$log"; do
        ((waited++ < 5000)) || { kill $pid; echo "$program did not paint within 10 s" >&2; exit 1; }
        sleep 0.002
    done
    sleep 1 # let start-up settle before the idle window
    local paints_before cpu_before
    paints_before=$(grep -c '^paint ' "$log")
    cpu_before=$(cpu_ticks $pid)
    sleep "$idle_seconds"
    local cpu_after paints_after hwm
    cpu_after=$(cpu_ticks $pid)
    paints_after=$(grep -c '^paint ' "$log")
    hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill $pid && wait $pid 2>/dev/null || true
    awk -v start="$start" -v hwm="$hwm" -v cpu=$(((cpu_after - cpu_before) * 1000 / ticks)) \
        -v paints=$((paints_after - paints_before)) '
        $1 == "expose" && !e { e = ($2 - start) / 1e6 }
        $1 == "paint" && !p { p = ($2 - start) / 1e6 }
        END { printf "%.1f %.1f %d %d %d\n", e, p, hwm, cpu, paints }' "$log"
}

declare -A results
for ((run = 0; run <= runs; run++)); do
    for name in minimal zorvane; do
        program=$build/zorvane
        [[ $name == minimal ]] && program=$build/bench/minimal_window
        line=$(measure "$program")
        ((run == 0)) && continue # warm-up
        results[$name]+="$line"$'\n'
    done
done

stats() { # column -> "min median max"
    sort -n | awk '{v[NR] = $1} END {printf "%8.1f %8.1f %8.1f", v[1], v[int((NR + 1) / 2)], v[NR]}'
}
printf '%-28s %-28s %-28s\n' "" "minimal window (min med max)" "zorvane (min med max)"
columns=("exec -> exposed (ms)" "exec -> first paint (ms)" "peak memory VmHWM (KiB)" \
         "CPU over ${idle_seconds} s idle (ms)" "paints over ${idle_seconds} s idle")
declare -A median
for i in "${!columns[@]}"; do
    row=$(printf '%-28s' "${columns[$i]}")
    for name in minimal zorvane; do
        s=$(printf '%s' "${results[$name]}" | awk -v c=$((i + 1)) 'NF {print $c}' | stats)
        median[$name,$i]=$(awk '{print $2}' <<<"$s")
        row+=$(printf ' %-28s' "$s")
    done
    echo "$row"
done
awk -v g="${median[zorvane,1]}" -v m="${median[minimal,1]}" -v gh="${median[zorvane,2]}" \
    -v mh="${median[minimal,2]}" 'BEGIN {
    printf "\nfirst paint: zorvane / minimal = %.2f (target <= 1.20)\n", g / m
    printf "peak memory: zorvane - minimal = %.1f MiB (target <= 8)\n", (gh - mh) / 1024 }'
