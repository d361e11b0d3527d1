#!/usr/bin/env bash
# Round-trip time of a command-line verb to the running copy under Xvfb with openbox: the
# whole command (`conteggo --show`, `conteggo --toggle`: process start, socket, answer, exit)
# and the socket exchange alone (a client kept in one process), RUNS of each; prints the
# median and the 90th percentile in milliseconds.
# Usage: bench/verbs.sh [PROGRAM] [RUNS]
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
usage="[PROGRAM] [RUNS]"
# shellcheck source=SCRIPTDIR/../tests/support/harness.sh
source "$root/tests/support/harness.sh"
harness_setup conteggo-bench-verbs "${1:-$root/build/app/conteggo}"
runs=${2:-100}
need_tools "xvfb openbox x11-utils xdotool python3" Xvfb openbox xprop xdotool python3
start_desktop

work=$(new_dir work)
start_app "$work"
main_window "$started" || { echo "no window: $why" >&2; exit 1; }
# Serving verbs begins just after the window shows.
poll 10 test -S "$XDG_RUNTIME_DIR/conteggo.socket" || { echo "no socket" >&2; exit 1; }

# Milliseconds with three decimals, one a line, sorted; prints "median p90".
summary() {
    sort -n | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "median %.1f ms, p90 %.1f ms (%d runs)\n", m, v[int(NR * 0.9 + 0.5)], NR }'
}

# COMMAND... RUNS times, each one's wall time in milliseconds.
times_of() {
    local i t0 t1
    for ((i = 0; i < runs; i++)); do
        t0=$(date +%s%N)
        "$@" >/dev/null 2>&1 || echo "# failed: $*" >&2
        t1=$(date +%s%N)
        echo $((t1 - t0))
    done | awk '{ printf "%.3f\n", $1 / 1e6 }'
}

# What starting any process costs on this machine now, for scale.
echo "/bin/true:         $(times_of /bin/true | summary)"
echo "conteggo --show:   $(times_of "$app" --show | summary)"
# An even number of toggles leaves the count as it was.
((runs % 2 == 0)) || runs=$((runs + 1))
echo "conteggo --toggle: $(times_of "$app" --toggle | summary)"
echo "socket alone:      $(python3 - "$XDG_RUNTIME_DIR/conteggo.socket" "$runs" <<'PY' | summary
import socket, sys, time
path, runs = sys.argv[1], int(sys.argv[2])
for _ in range(runs):
    t0 = time.perf_counter()
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.connect(path)
    s.sendall(b"show\n")
    reply = b""
    while not reply.endswith(b"\n"):
        part = s.recv(16)
        if not part:
            break
        reply += part
    s.close()
    assert reply == b"ok\n", reply
    print("%.3f" % ((time.perf_counter() - t0) * 1000))
PY
)"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
