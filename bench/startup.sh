#!/usr/bin/env bash
# Prints how long Conteggo takes from launch to its window being viewable, and its resident
# memory 3 s after start: the median of RUNS runs under Xvfb with openbox.
# Usage: bench/startup.sh [PROGRAM] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="$(readlink -f "${1:-$root/build/app/conteggo}")"
runs="${2:-5}"

scratch="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY SESSION_MANAGER

exec 3<> "$scratch/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
until [ -s "$scratch/display" ]; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$scratch/display")"
openbox --sm-disable >/dev/null 2>&1 &
sleep 1

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

times=()
memory=()
for ((run = 1; run <= runs; run++)); do
    work="$scratch/work$run"
    mkdir "$work"
    start=$(date +%s%N)
    (cd "$work" && exec "$program") &
    pid=$!
    until window=$(xdotool search --onlyvisible --pid "$pid" --name '^Conteggo' 2>/dev/null) &&
        xwininfo -id "$window" | grep -q IsViewable; do
        sleep 0.005
    done
    times+=($((($(date +%s%N) - start) / 1000000)))
    sleep 3
    memory+=($(awk '/VmRSS/ { print $2 }' "/proc/$pid/status"))
    kill -TERM "$pid"
    wait "$pid" || true
done

printf 'runs: %d\n' "$runs"
printf 'launch to window viewable (ms): %s  median %s\n' "${times[*]}" \
    "$(printf '%s\n' "${times[@]}" | median)"
printf 'resident memory after 3 s (KiB): %s  median %s\n' "${memory[*]}" \
    "$(printf '%s\n' "${memory[@]}" | median)"
