# Waiting for something to happen, for the scripts that poll at a steady 0.1 s.
# shellcheck shell=bash

# Runs the command every 0.1 s until it succeeds or SECONDS (whole) pass.
poll() {
    local tries=$(($1 * 10 + 1))
    shift
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
