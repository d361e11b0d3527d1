# What the reliability scripts share beyond the harness: pressing Enter at a known point of a
# second, following the count's ticks, and tallying the failures of checks run many times.
# Sourced after harness.sh; the caller's arguments are in "$@", checked against $usage.
# shellcheck shell=bash
# The variables set here are read by the scripts that source this file.
# shellcheck disable=SC2034,SC2154

# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/harness.sh"
harness_setup conteggo-reliability "$@"
need_tools "xvfb openbox x11-utils xdotool dbus" Xvfb openbox xprop xdotool dbus-daemon timeout

# Waits until the clock is 0.1 to 0.5 s into a second, so that a key pressed now is handled
# within the same whole second: the count's start second is then known exactly.
early_in_second() {
    read_clock
    local into=$((now % 100))
    if ((into < 10 || into > 50)); then
        sleep_cs $(((112 - into) % 100))
    fi
    read_clock
}

# How long to wait for the first tick after press_enter, in centiseconds. It comes a second
# after the press; a busy machine delays the press, the tick and the reading of the title by
# seconds, and when the tick came is measured, not assumed (see first_tick_fits).
readonly FIRST_TICK_WAIT=1000

# Presses Enter on main window W early in a second. Leaves the clock before the press in
# $pressed and the second it was made in, where the count starts, in $start_s.
start_s="" pressed=""
press_enter() {
    activate "$1" || return 1
    early_in_second
    pressed=$now
    start_s=$((now / 100))
    first_tick="" last_tick=""
    tick_after=$now
    press Return
}

# Reads window W's title until the clock reaches DEADLINE (centiseconds), or with "first"
# until the first tick after press_enter; true if it stopped at that tick. The first tick's
# count goes to $first_tick, with the clock before the last reading without it in
# $tick_after and after the first reading with it in $tick_seen; the last count read goes
# to $last_tick.
first_tick="" tick_after="" tick_seen="" last_tick=""
watch_ticks() {
    local before
    while :; do
        read_clock
        if ((now >= $2)); then
            return 1
        elif (($2 - now < 8)); then
            sleep_cs $(($2 - now))
            read_clock
            return 1
        fi
        before=$now
        read_title "$1"
        read_clock
        last_tick=$(seconds_of "$title")
        if [[ -z $first_tick ]]; then
            if first_tick=$(seconds_of "$title"); then
                tick_seen=$now
                [[ ${3:-} == first ]] && return 0
            else
                tick_after=$before
            fi
        fi
        sleep 0.02
    done
}

# The count at the first tick is the base plus the whole seconds from the start second to
# the tick's; true if it fits BASE (the count the program should have read at start-up).
first_tick_fits() {
    local lo=$((tick_after / 100 - start_s)) hi=$((tick_seen / 100 - start_s))
    ((lo < 1)) && lo=1
    ((first_tick - $1 >= lo && first_tick - $1 <= hi))
}

# Failures of checks that run many times are tallied by KEY and reported once by `check`.
declare -A failures=() first_failure=()
note_failure() {
    failures[$1]=$((${failures[$1]:-0} + 1))
    [[ -n ${first_failure[$1]:-} ]] || first_failure[$1]=$2
    echo "# $2"
}

# One report line for check KEY, named NAME.
check() {
    if ((${failures[$1]:-0} == 0)); then
        ok "$2"
    else
        not_ok "$2" "${failures[$1]} times, first: ${first_failure[$1]}"
    fi
}

failure_count() {
    local key total=0
    for key in "${!failures[@]}"; do
        total=$((total + ${failures[$key]}))
    done
    echo "$total"
}
