#!/usr/bin/env bash
# Many copies started at the same instant, for one user, in one folder, half of them with
# another runtime folder: exactly one shows its main window; every other one shows the refusal
# ("info") and ends with status 0 once it is dismissed, leaving the files alone. After a SIGKILL of the running copy the next start runs, and the
# next round's copies start on that dead copy's lock.
# Usage: instances_test.sh PATH_TO_CONTEGGO [ROUNDS] [COPIES]   (2 rounds of 20 in CI)
set -u
usage="PATH_TO_CONTEGGO [ROUNDS] [COPIES]"
# shellcheck source=SCRIPTDIR/reliability_lib.sh
source "$(dirname "$0")/reliability_lib.sh"

rounds=${2:-2}
copies=${3:-20}

work=$(new_dir work)
runtime=$(new_dir runtime)
# As a copy started from a shell with another XDG_RUNTIME_DIR, or before /run/user/UID was there.
other_runtime=$(new_dir other-runtime)
printf '42\r\n' >"$work/conteggo.txt"
printf '1500\r\n1500\r\n60\r\n0\r\n#FALSE#\r\n' >"$work/timerpos.txt"
fingerprint() { (cd "$work" && md5sum conteggo.txt timerpos.txt && stat -c '%n %.9Y' ./*) 2>&1; }
before=$(fingerprint)

# Starts the copies together: each waits for one line from a pipe, and all lines go at once.
burst_pids=()
burst() {
    local i
    rm -f -- "$top/go"
    mkfifo "$top/go"
    exec 9<>"$top/go"
    burst_pids=()
    local runtimes=("$runtime" "$other_runtime")
    for ((i = 0; i < copies; i++)); do
        (
            exec 9>&-
            read -r _ <"$top/go"
            cd "$work" && XDG_RUNTIME_DIR="${runtimes[i % 2]}" exec "$app" >/dev/null \
                2>"$top/copy$i.err"
        ) &
        burst_pids+=($!)
        track_app $!
    done
    printf '%*s' "$copies" '' | tr ' ' '\n' >&9
    # Open until every copy has passed: a late reader would wait for a writer for ever.
    poll 30 all_passed
    exec 9>&-
}

all_passed() {
    local pid
    for pid in "${burst_pids[@]}"; do
        [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == "$app" ]] || gone "$pid" || return 1
    done
}

# The pids of the copies showing a visible window whose title matches REGEX, between spaces.
showing() {
    echo " $(timeout 5 xdotool search --onlyvisible --name "$1" getwindowpid %@ 2>/dev/null |
        tr '\n' ' ') "
}

# Sorts the copies into those with a main window, those with the refusal and those gone;
# true once every copy is in one of them.
mains=() boxes=() ended=()
sorted_out() {
    local pid with_main with_box
    mains=() boxes=() ended=()
    with_main=$(showing '^Conteggo')
    with_box=$(showing '^info$')
    for pid in "${burst_pids[@]}"; do
        if [[ $with_main == *" $pid "* ]]; then
            mains+=("$pid")
        elif [[ $with_box == *" $pid "* ]]; then
            boxes+=("$pid")
        elif gone "$pid"; then
            ended+=("$pid")
        fi
    done
    ((${#mains[@]} + ${#boxes[@]} + ${#ended[@]} == copies))
}

settle_ms=() takeover_ms=()
round() {
    local name=$1 box pid statuses=0 late=0 begun after
    read_clock
    begun=$now
    burst
    if ! poll 60 sorted_out; then
        not_ok "$name: every copy shows a window" \
            "after 60 s: ${#mains[@]} main windows, ${#boxes[@]} refusals, ${#ended[@]} ended"
        for pid in "${burst_pids[@]}"; do
            [[ " ${mains[*]} ${boxes[*]} ${ended[*]} " == *" $pid "* ]] && continue
            echo "# copy $pid: $(alive "$pid" && echo runs || echo gone), windows:" \
                "$(timeout 5 xdotool search --pid "$pid" 2>/dev/null | while read -r id; do
                    printf "'%s' " "$(timeout 5 xdotool getwindowname "$id" 2>/dev/null)"
                done)"
        done
        cat "$top"/copy*.err | head -c 600 | sed 's/^/# /'
        return 1
    fi
    read_clock
    settle_ms+=($(((now - begun) * 10)))
    expect "$name: exactly one copy shows its main window" -- \
        saying "${#mains[@]} do" test "${#mains[@]}" -eq 1
    expect "$name: every other copy shows the refusal and waits" -- \
        saying "${#boxes[@]} refusals, ${#ended[@]} ended without one" \
        test "${#boxes[@]}" -eq $((copies - ${#mains[@]})) -a "${#ended[@]}" -eq 0
    # SIGTERM ends a refusal as its OK does. That copy is gone before the other boxes are
    # looked for: a window that vanishes while xdotool searches stops the search.
    if ((${#boxes[@]})); then
        kill -TERM "${boxes[0]}"
        poll "$EXIT_WAIT" gone "${boxes[0]}"
    fi
    for box in $(timeout 5 xdotool search --onlyvisible --name '^info$' 2>/dev/null); do
        activate "$box" && press Return
    done
    for pid in "${boxes[@]}" "${ended[@]}"; do
        if ! wait_exit "$pid" "$EXIT_WAIT"; then
            late=$((late + 1))
            kill_now "$pid"
        elif ((status != 0)); then
            statuses=$((statuses + 1))
        fi
    done
    expect "$name: each refused copy ends with status 0 once dismissed or sent SIGTERM" -- \
        saying "$late still running 5 s after Return, $statuses with another status" \
        test "$late" -eq 0 -a "$statuses" -eq 0
    cat "$top"/copy*.err >"$top/errors"
    if [[ -s $top/errors ]]; then
        not_ok "$name: nothing on standard error" "$(head -c 300 "$top/errors" | tr '\n' '|')"
    fi
    after=$(fingerprint)
    expect "$name: the files are untouched" -- \
        saying "before: $before; after: $after" test "$after" == "$before"

    ((${#mains[@]} >= 1)) || return 1
    for pid in "${mains[@]}"; do
        kill_now "$pid"
    done
    read_clock
    begun=$now
    start_app "$work" XDG_RUNTIME_DIR="$runtime"
    if main_window "$started"; then
        read_clock
        takeover_ms+=($(((now - begun) * 10)))
        ok "$name: after a SIGKILL of the running copy the next start runs"
    else
        not_ok "$name: after a SIGKILL of the running copy the next start runs" \
            "no main window within 30 s$(window_shows "$started" '^info$' &&
                echo ", a refusal instead")"
    fi
    # The next round starts on the lock of a killed copy.
    kill_now "$started"
    before=$(fingerprint)
}

start_desktop
for ((r = 1; r <= rounds; r++)); do
    if ((r == 1)); then
        round "$copies copies on a free lock" || break
    else
        round "$copies copies on a killed copy's lock (round $r)" || break
    fi
done
echo "# rounds: $rounds of $copies copies"
echo "# start to every copy's window shown, ms: ${settle_ms[*]}"
echo "# SIGKILL to the next copy's window, ms: ${takeover_ms[*]}"
report_end
