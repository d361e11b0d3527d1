#!/usr/bin/env bash
# No place to write: the working folder on a read-only mount, and on a full file system. The
# program must start, read its files, count, stop, close and end with status 1 (its saves
# failed), leave both files byte for byte and no temporary file behind, and say once per file on standard error
# that it could not save it and why. Mounting needs root; without it the test is skipped.
# Usage: no_space_test.sh PATH_TO_CONTEGGO
set -u
usage="PATH_TO_CONTEGGO"
# shellcheck source=SCRIPTDIR/reliability_lib.sh
source "$(dirname "$0")/reliability_lib.sh"

readonly SKIPPED=77
readonly BASE=3725
readonly POSITION="1500${CRLF}1500${CRLF}60${CRLF}0${CRLF}#FALSE#${CRLF}"

mounts=()
before_cleanup() {
    local dir
    for dir in "${mounts[@]}"; do
        umount "$dir" 2>/dev/null || umount -l "$dir" 2>/dev/null
    done
}

seed() {
    printf '%s\r\n' "$BASE" >"$1/conteggo.txt"
    printf '%s' "$POSITION" >"$1/timerpos.txt"
}

# Both files in folder DIR are as they were, byte for byte.
files_unchanged() {
    cmp -s "$top/conteggo.ref" "$1/conteggo.txt" && cmp -s "$top/timerpos.ref" "$1/timerpos.txt" &&
        return 0
    echo "conteggo.txt $(load "$1/conteggo.txt"; shown), timerpos.txt $(load "$1/timerpos.txt"; shown)"
    return 1
}

# Standard error (file ERR) holds one line for each file that could not be saved, and no more.
one_line_per_file() {
    local lines
    lines=$(grep -c '' "$1")
    ((lines == 2)) &&
        grep -Eq '^Conteggo: impossibile salvare (.*/)?conteggo\.txt: .+' "$1" &&
        grep -Eq '^Conteggo: impossibile salvare (.*/)?timerpos\.txt: .+' "$1" && return 0
    echo "$lines lines: $(head -c 600 "$1" | tr '\n' '|')"
    return 1
}

# The files in folder DIR, one line each.
listing() { (cd "$1" && find . -mindepth 1 | sort); }

# Drives the program in folder DIR, whose listing must not change; the checks are named
# after KIND.
scenario() {
    local kind=$1 dir=$2 runtime listed pid err
    runtime=$(new_dir runtime)
    cp -- "$dir/conteggo.txt" "$top/conteggo.ref"
    cp -- "$dir/timerpos.txt" "$top/timerpos.ref"
    listed=$(listing "$dir")
    start_app "$dir" XDG_RUNTIME_DIR="$runtime" CONTEGGO_TEST_AUTOSAVE_MS=100
    err=$app_log
    pid=$started
    if ! main_window "$pid"; then
        not_ok "$kind: runs" "no main window within 30 s"
        kill_now "$pid"
        return
    fi
    if ! press_enter "$w" || ! watch_ticks "$w" $((now + FIRST_TICK_WAIT)) first; then
        not_ok "$kind: runs" "the count did not start within 10 s"
    elif ! first_tick_fits "$BASE"; then
        not_ok "$kind: runs" "the first tick showed $(hms "$first_tick"), the file holds $BASE"
    else
        # A second more of failing autosaves, then Enter again on the stop button.
        watch_ticks "$w" $((now + 120))
        activate "$w" && press Return
        if ! poll 10 title_is "$w" "$TITLE"; then
            not_ok "$kind: runs" "Return did not stop the count (title '$title')"
        elif ! close_and_wait "$pid" "$w"; then
            not_ok "$kind: runs" "still running $EXIT_WAIT s after Alt+F4"
        elif ((status != 1)); then
            not_ok "$kind: runs" "exit status $status, not 1 for the failed saves"
        else
            ok "$kind: reads, counts, stops, closes and ends with status 1"
        fi
    fi
    kill_now "$pid"

    expect "$kind: both files unchanged" -- files_unchanged "$dir"
    expect "$kind: no temporary file left" -- saying \
        "the folder holds $(listing "$dir" | tr '\n' ' ')" test "$(listing "$dir")" == "$listed"
    expect "$kind: one line per file on standard error" -- one_line_per_file "$err"
    sed "s/^/# $kind: /" "$err"
}


# The folders first: without them there is nothing to start an X server for.
scenarios=()
files=$(new_dir files)
seed "$files"
readonly_dir=$(new_dir readonly)
if mount --bind "$files" "$readonly_dir" 2>/dev/null; then
    mounts+=("$readonly_dir")
    if mount -o remount,bind,ro "$readonly_dir" 2>/dev/null; then
        scenarios+=("read-only folder:$readonly_dir")
    else
        echo "# skipped: read-only folder (a bind mount cannot be made read-only here)"
    fi
else
    echo "# skipped: read-only folder (mount --bind is not permitted here)"
fi

full=$(new_dir full)
if mount -t tmpfs -o size=16k,mode=0700 tmpfs "$full" 2>/dev/null; then
    mounts+=("$full")
    seed "$full"
    dd if=/dev/zero of="$full/filler" bs=1k count=64 2>/dev/null
    if printf x >"$full/probe" 2>/dev/null && [[ -s $full/probe ]]; then
        echo "# skipped: full file system (it does not fill up)"
    else
        rm -f -- "$full/probe"
        scenarios+=("full file system:$full")
    fi
else
    echo "# skipped: full file system (mount -t tmpfs is not permitted here)"
fi

if ((${#scenarios[@]} == 0)); then
    echo "skipped: this test needs to mount file systems (run it as root)"
    exit "$SKIPPED"
fi
start_desktop
for one in "${scenarios[@]}"; do
    scenario "${one%%:*}" "${one#*:}"
done
report_end
