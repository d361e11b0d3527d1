#!/usr/bin/env bash
# Starts the real program on each damaged pair of files from bad_files_corpus.sh: it must show
# its window, end on SIGTERM and write both files back well formed, with the defaults for
# whatever it could not read. A file whose first value it cannot understand is kept aside byte
# for byte, with one line; a folder, device or pipe in the way is left alone and reported in
# one line, and the program then ends with status 1 (else 0).
# Usage: bad_files_test.sh PATH_TO_CONTEGGO
# BAD_FILES_RUNS=N runs each case N times, and BAD_FILES_TIMES=FILE adds a line "CASE MS" to
# FILE for each run that showed its window (launch to window shown): bench/bad_files.sh.
set -u
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
# shellcheck source=SCRIPTDIR/bad_files_corpus.sh
source "$(dirname "$0")/bad_files_corpus.sh"
harness_setup conteggo-bad-files "$@"
need_tools "xvfb xdotool dbus" Xvfb xdotool dbus-daemon truncate mkfifo

readonly RUNS=${BAD_FILES_RUNS:-1}

# A private X server and no window manager, so the window lands exactly where it is put.
start_xvfb_only

# --- checking what was written ---------------------------------------------------------------

# The lines of FILE, which must be COUNT lines each ended by CR LF and hold no NUL, into
# $lines; otherwise false with the reason in $problem.
lines=()
problem=""
read_lines() {
    local file=$1 count=$2 text
    lines=()
    if [[ -L $file || ! -f $file ]]; then
        problem="not a regular file"
        return 1
    fi
    if [[ $(wc -c <"$file") -gt 200 ]]; then
        problem="$(wc -c <"$file") bytes"
        return 1
    fi
    if [[ $(tr -d '\000' <"$file" | wc -c) -ne $(wc -c <"$file") ]]; then
        problem="NUL bytes"
        return 1
    fi
    text=$(cat -- "$file" && echo x)
    text=${text%x}
    problem="not $count CR LF lines: $(printf '%q' "$text")"
    [[ $text == *"$CRLF" ]] || return 1
    text=${text//$CRLF/$'\n'}
    [[ $text != *$'\r'* ]] || return 1
    mapfile -t lines <<<"${text%$'\n'}"
    ((${#lines[@]} == count))
}

readonly INT='^-?[0-9]+$'
readonly NUMBER_OR_EMPTY='^(-?[0-9]+(\.[0-9]+)?(E[+-][0-9]+)?)?$'
readonly BOOLEAN='^#(TRUE|FALSE)#$'

# Whether LINE has SHAPE and, unless EXPECTED is "*", is EXPECTED ("_" for empty).
line_fits() {
    local line=$1 shape=$2 expected=$3
    [[ $line =~ $shape ]] || return 1
    [[ $expected == "*" || $line == "${expected/#_/}" ]]
}

# Why the files in DIR do not match the case's expectations; nothing when they do.
count_problem() {
    read_lines "$1/conteggo.txt" 1 || { echo "$problem"; return; }
    line_fits "${lines[0]}" "$NUMBER_OR_EMPTY" "$expect_count" ||
        echo "holds '${lines[0]}', expected '$expect_count'"
}

positions_problem() {
    local shapes=("$INT" "$INT" "$NUMBER_OR_EMPTY" "$INT" "$BOOLEAN") expected k
    read_lines "$1/timerpos.txt" 5 || { echo "$problem"; return; }
    read -r -a expected <<<"$expect_positions"
    for k in 0 1 2 3 4; do
        if ! line_fits "${lines[k]}" "${shapes[k]}" "${expected[k]}"; then
            echo "holds $(printf "'%s' " "${lines[@]}")expected $expect_positions"
            return
        fi
    done
}

# What a name in the way is: its type, inode, link target and contents.
describe() {
    stat -c '%F %i' -- "$1" 2>&1
    readlink -- "$1"
    [[ -d $1 ]] && ls -A -- "$1"
}

# --- one run -----------------------------------------------------------------------------------

started_ms=""
failure=""
x_refused=""
err=""

# The main window shows, or the copy ended without one.
shown_or_gone() { window_shows "$1" '^Conteggo' || { gone "$1" && found=""; }; }

# Runs case NAME once in a fresh folder; leaves the start-up time in $started_ms, the first
# thing that went wrong, if anything, in $failure, and in $x_refused whether that was Qt
# failing to connect to the X server.
run_case() {
    local name=$1 work runtime start before="" pid errors reports step=$poll_step sums kept
    local untouched
    failure=""
    started_ms=""
    x_refused=""
    work=$(new_dir "$name")
    runtime=$(new_dir runtime)
    make_bad_files "$name" "$work" || { failure="the corpus could not be made"; return; }
    [[ -n $in_the_way ]] && before=$(describe "$work/$in_the_way")
    sums=$(kept_sums "$work" "$expect_kept")
    untouched=$(kept_sums "$work" "$expect_untouched")

    start=${EPOCHREALTIME/./}
    start_app "$work" XDG_RUNTIME_DIR="$runtime"
    pid=$started
    err=$app_log
    # 30 s: a cold machine builds its font caches at the first start. Looked for every 5 ms
    # when timed; else at the usual pace, which leaves the cores to the program.
    [[ -n ${BAD_FILES_TIMES:-} ]] && step=0.005
    if ! poll_step=$step poll 30 shown_or_gone "$pid"; then
        failure="no window within 30 s"
        kill_now "$pid"
        return
    elif [[ -z $found ]]; then
        failure="ended before showing its window: $(head -c 300 "$err" | tr '\n' ' ')"
        x_refused "$err" && x_refused=1
        kill_now "$pid"
        return
    fi
    started_ms=$(((${EPOCHREALTIME/./} - start) / 1000))

    kill -TERM "$pid"
    if ! wait_exit "$pid" "$EXIT_WAIT"; then
        failure="still running $EXIT_WAIT s after SIGTERM"
        kill_now "$pid"
        return
    fi
    # A closing that could not save says so in its status.
    if ((status != (${#in_the_way} ? 1 : 0))); then
        failure="exit status $status: $(head -c 300 "$err" | tr '\n' ' ')"
        return
    fi

    chmod -R u+r "$work" 2>/dev/null # an unreadable pair is written back unreadable
    errors=$(head -c 300 "$err" | tr '\n' ' ')
    reports=$(grep -c '^Conteggo:' "$err")
    # One line for each file kept aside, and one for a name in the way.
    kept=$(($(wc -w <<<"$expect_kept") + (${#in_the_way} ? 1 : 0)))
    if [[ $(kept_sums "$work" "$expect_kept" kept) != "$sums" ]]; then
        failure="not kept aside byte for byte: $expect_kept ($(cd "$work" && echo *))"
    elif [[ $(kept_sums "$work" "$expect_untouched") != "$untouched" ]]; then
        failure="$expect_untouched changed"
    elif ((reports != kept)); then
        failure="$reports lines on stderr, not $kept: $errors"
    elif [[ -n $in_the_way && $(describe "$work/$in_the_way") != "$before" ]]; then
        failure="$in_the_way was touched: $(describe "$work/$in_the_way" | tr '\n' ' ')"
    elif [[ -n $in_the_way ]] && ! grep -q "^Conteggo: .*$in_the_way" "$err"; then
        failure="no line naming $in_the_way on stderr: $errors"
    fi
    [[ -n $failure ]] && return
    if [[ $in_the_way != conteggo.txt ]]; then
        failure=$(count_problem "$work")
        [[ -n $failure ]] && failure="conteggo.txt $failure" && return
    fi
    if [[ $in_the_way != timerpos.txt ]]; then
        failure=$(positions_problem "$work")
        [[ -n $failure ]] && failure="timerpos.txt $failure"
    fi
}

# The checksums of FILES in DIR, or with "kept" of their kept-aside copies.
kept_sums() {
    local file
    for file in $2; do
        [[ ${3:-} == kept ]] && file=${file%.txt}.illeggibile.txt
        cksum <"$1/$file" 2>&1
    done
}


# --- the corpus ----------------------------------------------------------------------------------

for name in "${BAD_FILE_CASES[@]}"; do
    first_failure=""
    for ((run = 1; run <= RUNS; run++)); do
        # An X server shared with a busy machine may drop a connection now and then: that run
        # is made again, up to three times, and said.
        for again in 1 2 3 4; do
            run_case "$name"
            [[ -n $x_refused && $again -lt 4 ]] || break
            echo "# $name, run $run: the X server refused the program's connection; run again"
        done
        [[ -n $started_ms && -n ${BAD_FILES_TIMES:-} ]] &&
            echo "$name $started_ms" >>"$BAD_FILES_TIMES"
        [[ -z $first_failure && -n $failure ]] && first_failure="run $run: $failure"
    done
    if [[ -z $first_failure ]]; then
        ok "$name"
    else
        not_ok "$name" "$first_failure"
    fi
done

report_end
