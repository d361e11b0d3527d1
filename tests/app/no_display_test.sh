#!/usr/bin/env bash
# Starts the program with no screen to show on: it must say so in one line and end with
# status 1, without crashing and without writing anything.
# Usage: no_display_test.sh PATH_TO_CONTEGGO
set -u

if [[ $# -ne 1 ]]; then
    echo "usage: $0 PATH_TO_CONTEGGO" >&2
    exit 2
fi
app=$(readlink -f -- "$1")
if [[ ! -x $app ]]; then
    echo "not an executable: $1" >&2
    exit 1
fi

top=$(mktemp -d "${TMPDIR:-/tmp}/conteggo-no-display.XXXXXX")
trap 'rm -rf -- "$top"' EXIT

# shellcheck source=../support/report.sh
source "$(dirname "$0")/../support/report.sh"

# Runs the program under `env ARGS...` in a fresh directory and checks the outcome.
no_display() {
    local name=$1 work runtime status created lines
    shift
    work=$(mktemp -d "$top/work.XXXXXX")
    # A lock folder of its own, so a copy running elsewhere cannot interfere.
    runtime=$(mktemp -d "$top/runtime.XXXXXX")
    chmod 700 "$runtime"
    (cd "$work" && XDG_RUNTIME_DIR="$runtime" exec timeout -k 2 10 env "$@" "$app" \
        >"$top/stdout" 2>"$top/stderr")
    status=$?
    if ((status == 124 || status == 137)); then
        not_ok "$name: exit status 1" "still running after 10 s"
    elif ((status >= 128)); then
        not_ok "$name: exit status 1" "ended by signal $((status - 128))"
    elif ((status != 1)); then
        not_ok "$name: exit status 1" "exit status $status"
    else
        ok "$name: exit status 1"
    fi
    lines=$(grep -c "" "$top/stderr")
    if [[ $lines -eq 1 && $(head -c 9 "$top/stderr") == "Conteggo:" ]]; then
        ok "$name: one message"
    else
        not_ok "$name: one message" "stderr was: $(head -c 400 "$top/stderr" | sed -n l | tr '\n' ' ')"
    fi
    created=$(ls -A "$work")
    if [[ -z $created ]]; then
        ok "$name: nothing written"
    else
        not_ok "$name: nothing written" "the directory holds: $(tr '\n' ' ' <<<"$created")"
    fi
}

no_display "no DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
# No server answers on :9999.
no_display "DISPLAY without a server" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9999

report_end
