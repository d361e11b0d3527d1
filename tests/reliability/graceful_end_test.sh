#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP, while counting and while stopped: the program ends with status
# 0, timerpos.txt is written and conteggo.txt holds the count to the second it had when the
# signal came (the autosave is 30 s away, so only the closing save can have written it); the
# next start shows that count, and its first tick that count plus one.
# Usage: graceful_end_test.sh PATH_TO_CONTEGGO [ROUNDS]   (1 in CI)
set -u
usage="PATH_TO_CONTEGGO [ROUNDS]"
# shellcheck source=SCRIPTDIR/reliability_lib.sh
source "$(dirname "$0")/reliability_lib.sh"

rounds=${2:-1}
# Counts around the places where the text or the number's kind changes.
readonly BASES=(59 3599 3725 32767 86399 359999)
cases=0 pinned=0 exits=()

# One signal in one state; the checks are tallied under "SIGNAL STATE".
one_case() {
    local signal=$1 state=$2 base=$3 key="SIG$1 while $2" work runtime pid lo hi
    local killed_at died_at
    cases=$((cases + 1))
    work=$(new_dir work)
    runtime=$(new_dir runtime)
    printf '%s\r\n' "$base" >"$work/conteggo.txt"
    start_app "$work" XDG_RUNTIME_DIR="$runtime"
    pid=$started
    if ! main_window "$pid"; then
        note_failure "$key: ends" "$key: no main window within 30 s"
        kill_now "$pid"
        return
    fi
    lo=$base hi=$base
    if [[ $state == counting ]]; then
        if ! press_enter "$w" || ! watch_ticks "$w" $((now + FIRST_TICK_WAIT)) first; then
            note_failure "$key: ends" "$key: the count did not start within 10 s"
            kill_now "$pid"
            return
        fi
        # Somewhere in the next 1.5 s, at any point of a second.
        watch_ticks "$w" $((now + RANDOM % 150))
    fi
    read_clock
    killed_at=$now
    kill "-$signal" "$pid"
    # The time to exit is reported below; the deadline only tells a lost signal from a slow exit.
    if ! wait_exit "$pid" "$EXIT_WAIT"; then
        note_failure "$key: ends" "$key: still running $EXIT_WAIT s after the signal"
        kill_now "$pid"
        return
    fi
    read_clock
    died_at=$now
    exits+=($(((died_at - killed_at) * 10)))
    ((status == 0)) || note_failure "$key: ends" "$key: exit status $status"
    if [[ -s $app_log ]]; then
        note_failure "$key: ends" "$key: standard error: $(head -c 300 "$app_log")"
    fi

    if [[ $state == counting ]]; then
        # The count started in the second of the press, unless the press was handled late;
        # the first tick's second bounds that.
        lo=$((base + killed_at / 100 - (tick_seen / 100 - 1)))
        ((tick_seen / 100 - 1 == start_s)) && pinned=$((pinned + 1))
        hi=$((base + died_at / 100 - start_s))
        ((${last_tick:-0} > lo)) && lo=$last_tick
    fi
    # The whole closing ran: the place file was written before the count.
    [[ $(tail -n 1 "$work/timerpos.txt" 2>/dev/null) == "#FALSE#"$'\r' ]] ||
        note_failure "$key: saves" "$key: timerpos.txt not written"
    if ! read_count "$work/conteggo.txt"; then
        note_failure "$key: saves" "$key: conteggo.txt is not one CR LF line: $(shown)"
        return
    elif ((count < lo || count > hi)); then
        note_failure "$key: saves" \
            "$key: saved $count, the count was $lo$( ((hi > lo)) && echo " to $hi")"
    fi

    start_app "$work" XDG_RUNTIME_DIR="$runtime"
    pid=$started
    if ! main_window "$pid"; then
        note_failure "$key: next start" "$key: the next start shows no main window"
        kill_now "$pid"
        return
    fi
    read_title "$w"
    [[ $title == "$TITLE" ]] ||
        note_failure "$key: next start" "$key: the next start's title is '$title'"
    if ! press_enter "$w" || ! watch_ticks "$w" $((now + FIRST_TICK_WAIT)) first; then
        note_failure "$key: next start" "$key: the next start's count did not start within 10 s"
    elif ! first_tick_fits "$count"; then
        note_failure "$key: next start" \
            "$key: the next start's first tick showed $(hms "$first_tick") after saving $count"
    fi
    kill_now "$pid"
}

start_desktop
for ((round = 0; round < rounds; round++)); do
    i=0
    for signal in TERM INT HUP; do
        for state in counting stopped; do
            one_case "$signal" "$state" "${BASES[(round * 6 + i) % ${#BASES[@]}]}"
            i=$((i + 1))
        done
    done
done

for signal in TERM INT HUP; do
    for state in counting stopped; do
        key="SIG$signal while $state"
        check "$key: ends" "$key: the program ends with status 0, silently"
        check "$key: saves" "$key: conteggo.txt holds the count to the second, timerpos.txt written"
        check "$key: next start" "$key: the next start shows it, its first tick one more"
    done
done
sorted=$(printf '%s\n' "${exits[@]}" | sort -n)
median=$(sed -n "$(((${#exits[@]} + 1) / 2))p" <<<"$sorted")
echo "# cases: $cases; failures: $(failure_count)"
echo "# start second known exactly: $pinned of $((cases / 2)) counting cases"
echo "# signal to exit, ms (in 10 ms steps): median $median, max $(tail -n 1 <<<"$sorted")"
report_end
