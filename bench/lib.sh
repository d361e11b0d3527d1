# shellcheck shell=bash disable=SC2034,SC2154 # variables shared with run.sh
# Helpers of the benchmark beyond the test harness (tests/support/harness.sh, which gives the
# private desktop, a session bus for each program run and the waits): the process tree, and
# what /proc and perf tell of it. Sourced by run.sh.

# Every process the bench started, so that the exit trap ends exactly those.
started_pids=()

# PID and all its descendants, one a line.
tree_pids() {
    ps -e -o pid=,ppid= | awk -v root="$1" '
        { parent[$1] = $2; pids[NR] = $1 }
        END {
            keep[root] = 1; found = 1
            while (found) {
                found = 0
                for (i in pids) {
                    p = pids[i]
                    if (!(p in keep) && (parent[p] in keep)) { keep[p] = 1; found = 1 }
                }
            }
            for (p in keep) print p
        }'
}

# Ends PID's whole tree: TERM, then KILL for whatever is left after 3 s.
end_tree() {
    local pids
    mapfile -t pids < <(tree_pids "$1")
    kill -TERM "${pids[@]}" 2>/dev/null
    poll 3 gone "$1" || true
    kill -KILL "${pids[@]}" 2>/dev/null
    wait "$1" 2>/dev/null
    forget "$1"
    return 0
}

# "PSS RSS ANONYMOUS" in KiB, summed over the given processes. PSS splits each shared page
# among the processes that map it, other users of the same libraries included; RSS and the
# anonymous part do not depend on what else runs.
memory_of() {
    local pid
    for pid in "$@"; do
        cat "/proc/$pid/smaps_rollup" 2>/dev/null
    done | awk '/^Pss:/ { p += $2 } /^Rss:/ { r += $2 } /^Anonymous:/ { a += $2 }
        END { printf "%d %d %d\n", p, r, a }'
}

# "CPU_TICKS SWITCHES" summed over the given processes: utime + stime of each process, and
# voluntary + involuntary context switches of each of its threads.
usage_of() {
    local pid ticks=0 switches=0 stat fields t
    for pid in "$@"; do
        stat=$(cat "/proc/$pid/stat" 2>/dev/null) || continue
        # The name in parentheses may hold spaces: the fields start after its closing one.
        read -ra fields <<<"${stat##*) }"
        ticks=$((ticks + fields[11] + fields[12]))
        for t in /proc/"$pid"/task/*/status; do
            switches=$((switches + $(awk '/ctxt_switches/ { s += $2 } END { print s + 0 }' "$t" 2>/dev/null || echo 0)))
        done
    done
    echo "$ticks $switches"
}

# The services the bus started for a program (its helpers): the bus starts them detached, so
# they are found by the bus address in their environment. Arguments: the program's tree.
bus_helpers() {
    local file pid
    for file in /proc/[0-9]*/environ; do
        pid=${file#/proc/}
        pid=${pid%/environ}
        [[ " $* $bus_pid " == *" $pid "* ]] && continue
        { tr '\0' '\n' <"$file"; } 2>/dev/null |
            grep -qxF "DBUS_SESSION_BUS_ADDRESS=$bus_address" && echo "$pid"
    done
}

# Number of distinct wake-ups of the given threads' process over SECONDS, by perf's record of
# their context switches: switches less than 5 ms apart belong to one wake-up. Prints "-"
# without perf.
count_bursts() {
    local seconds=$1 data pids
    shift
    pids=$(
        IFS=,
        echo "$*"
    )
    if ! ((use_perf)); then
        sleep "$seconds"
        echo "-"
        return
    fi
    data=$(mktemp "$scratch/perf.XXXXXX")
    perf record -q -o "$data" -e sched:sched_switch -p "$pids" -- sleep "$seconds" >/dev/null 2>&1
    if [[ ! -s $data ]]; then
        echo "-"
        return
    fi
    perf script -i "$data" -F time 2>/dev/null | tr -d ':' | sort -n |
        awk -v s="$seconds" 'NR == 1 || $1 - last > 0.005 { n++ } { last = $1 }
            END { printf "%.2f\n", n / s }'
    rm -f "$data"
}

# A checksum of window W's picture: equal twice in a row while the window shows nothing new.
picture_of() { xwd -silent -id "$1" 2>/dev/null | md5sum | cut -c1-32; }

changes() {
    local a
    a=$(picture_of "$1")
    sleep 1.1
    [[ $(picture_of "$1") != "$a" ]]
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)]; else print "-" }'; }
