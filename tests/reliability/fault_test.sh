#!/usr/bin/env bash
# A disk that fails for the count's file alone: each row makes one kind of call on conteggo.txt
# fail (fault_shim.cpp, preloaded), starts the real program on a count of 12345, ends it with
# SIGTERM and judges the files' bytes, the exit status and the lines on standard error.
# Usage: fault_test.sh PATH_TO_CONTEGGO PATH_TO_SHIM
set -u
usage="PATH_TO_CONTEGGO PATH_TO_SHIM"
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
harness_setup conteggo-faults "$@"
need_tools "xvfb xdotool dbus" Xvfb xdotool dbus-daemon
shim=$(readlink -f -- "$2")

start_xvfb_only

# The file as it was, read as 12345 and saved back as "new", so that a save shows.
readonly OLD=$'12345,99\r\n' NEW=$'12345\r\n' ZERO=$'0\r\n'

# CALL ERRNO: what conteggo.txt and its kept-aside copy then hold, the status and the number
# of lines on standard error.
rows=(
    "read 5       | zero | old | 0 | 1 | a read that fails: the file is kept aside, never read as empty"
    "write 28     | old  | -   | 1 | 1 | the disk full while writing"
    "shortwrite 0 | new  | -   | 0 | 0 | writes that take one byte at a time"
    "fdatasync 5  | old  | -   | 1 | 1 | the sync fails"
    "close 5      | old  | -   | 1 | 1 | the close fails, as NFS and quotas report"
    "rename 5     | old  | -   | 1 | 1 | the rename fails"
    "create 28    | old  | -   | 1 | 1 | no room for the new file"
    "syncdir 22   | new  | -   | 0 | 0 | a folder sync the file system does not support"
    "syncdir 5    | new  | -   | 1 | 2 | the folder sync fails after the rename, for both files"
)

# What FILE holds, byte for byte: old, new, zero, "-" for no file, or its bytes quoted.
holds() {
    load "$1" || { echo -; return; }
    case $contents in
    "$OLD") echo old ;;
    "$NEW") echo new ;;
    "$ZERO") echo zero ;;
    *) shown ;;
    esac
}

for row in "${rows[@]}"; do
    IFS='|' read -r fault count kept expected_status expected_lines name <<<"$row"
    read -r call errno <<<"$fault"
    read -r count <<<"$count"
    read -r kept <<<"$kept"
    name=${name# }
    work=$(new_dir work)
    printf '%s' "$OLD" >"$work/conteggo.txt"
    for _ in 1 2 3; do
        start_app "$work" LD_PRELOAD="$shim" FAULT_CALL="$call" FAULT_ERRNO="$errno" \
            FAULT_FILE=conteggo.txt FAULT_DIR="$work"
        pid=$started
        poll 30 window_shows "$pid" "$MAIN_TITLE" || gone "$pid"
        if ! gone "$pid" || ! x_refused "$app_log"; then
            break
        fi
        wait_exit "$pid" 1
        echo "# $name: the X server refused the program's connection; run again"
    done
    if ! main_window "$pid"; then
        not_ok "$name" "$why: $(head -c 300 "$app_log")"
        kill_now "$pid"
        continue
    fi
    kill -TERM "$pid"
    if ! wait_exit "$pid" "$EXIT_WAIT"; then
        not_ok "$name" "still running $EXIT_WAIT s after SIGTERM"
        kill_now "$pid"
        continue
    fi
    got="$(holds "$work/conteggo.txt") $(holds "$work/conteggo.illeggibile.txt") $status"
    got+=" $(grep -c '^Conteggo:' "$app_log")"
    wanted="$count $kept $((expected_status)) $((expected_lines))"
    expect "$name" -- saying "got $got, expected $wanted: $(head -c 300 "$app_log" | tr '\n' '|')" \
        test "$got" == "$wanted"
    # The new file made for the save is gone whatever happened.
    leftovers=$(cd "$work" && find . -name 'conteggo.txt.*')
    expect "$name: no new file left behind" -- saying "$leftovers" test -z "$leftovers"
done

report_end
