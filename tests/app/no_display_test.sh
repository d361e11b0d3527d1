#!/usr/bin/env bash
# Starts the program with no screen to show on: it must say so in one line and end with
# status 1, without crashing and without writing anything.
# Usage: no_display_test.sh PATH_TO_CONTEGGO
set -u
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
harness_setup conteggo-no-display "$@"
need_tools coreutils timeout

# The run's exit status: 1, not a hang, a signal or another status.
exit_status_1() {
    if ((status == 124 || status == 137)); then
        echo "still running after 10 s"
    elif ((status >= 128)); then
        echo "ended by signal $((status - 128))"
    elif ((status != 1)); then
        echo "exit status $status"
    else
        return 0
    fi
    return 1
}

one_message() {
    [[ $(grep -c "" "$top/stderr") -eq 1 && $(head -c 9 "$top/stderr") == "Conteggo:" ]] &&
        return 0
    echo "stderr was: $(head -c 400 "$top/stderr" | sed -n l | tr '\n' ' ')"
    return 1
}

nothing_written() {
    local created
    created=$(ls -A "$1")
    [[ -z $created ]] && return 0
    echo "the directory holds: $(tr '\n' ' ' <<<"$created")"
    return 1
}

# Runs the program under `env ARGS...` in a fresh directory and checks the outcome.
no_display() {
    local name=$1 work runtime
    shift
    work=$(new_dir work)
    # A lock folder of its own, so a copy running elsewhere cannot interfere.
    runtime=$(new_dir runtime)
    (cd "$work" && XDG_RUNTIME_DIR="$runtime" exec timeout -k 2 10 env "$@" "$app" \
        >"$top/stdout" 2>"$top/stderr")
    status=$?
    expect "$name: exit status 1" -- exit_status_1
    expect "$name: one message" -- one_message
    expect "$name: nothing written" -- nothing_written "$work"
}

no_display "no DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
# No server answers on :9999.
no_display "DISPLAY without a server" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9999

report_end
