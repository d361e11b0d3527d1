# The system test scripts' harness: the program's path and a scratch folder, a private desktop
# (Xvfb, openbox, a session bus), starting copies of the program and finding their windows,
# waiting for events, ending exactly the processes a script started, and the report.
#
#   source "$(dirname "$0")/../support/harness.sh"
#   harness_setup conteggo-my-test "$@"
#   need_tools "xvfb openbox x11-utils xdotool" Xvfb openbox xprop xdotool
#   start_desktop
#   start_app "$(new_dir work)"
#   main_window "$started" || ...
#   expect "the title" -- title_is "$w" "$TITLE"
#   report_end
#
# Nothing here waits for a fixed time: each wait is for an event, with a generous deadline.
# shellcheck shell=bash
# The variables set here are read by the scripts that source this file.
# shellcheck disable=SC2034

harness_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The version as CTest passes it, else as the project's CMakeLists.txt writes it.
conteggo_version=${CONTEGGO_VERSION:-$(sed -n 's/^project(Conteggo VERSION \([0-9.]*\).*/\1/p' \
    "$harness_dir/../../CMakeLists.txt")}
TITLE="Conteggo (ver. $conteggo_version)"
CRLF=$'\r\n'

# --- the script's arguments and scratch folder ------------------------------------------------

top=""
app=${app:-}
app_pids=()    # copies of the program: SIGKILL at cleanup
helper_pids=() # servers and tools: their own signal at cleanup, newest first
declare -A helper_signal=()

# Hooks a script may redefine: the first runs before any process is ended (a process tree of
# its own to end, say), the second after they all are, before the scratch folder goes (a mount
# to undo, say).
at_cleanup_start() { :; }
before_cleanup() { :; }

# Ends what the script started, newest helper last-started first, then removes the scratch
# folder. Every step may fail without stopping the rest.
cleanup() {
    local pid i
    at_cleanup_start || :
    for pid in "${app_pids[@]}"; do
        kill -KILL "$pid" 2>/dev/null || :
    done
    for ((i = ${#helper_pids[@]} - 1; i >= 0; i--)); do
        pid=${helper_pids[i]}
        kill "-${helper_signal[$pid]:-TERM}" "$pid" 2>/dev/null || continue
        poll 5 gone "$pid" || kill -KILL "$pid" 2>/dev/null || :
    done
    wait 2>/dev/null || :
    app_pids=() helper_pids=()
    before_cleanup || :
    if [[ -n $top ]]; then
        chmod -R u+rwX "$top" 2>/dev/null || :
        rm -rf -- "$top" || :
    fi
}

# A scratch folder $top named after NAME (removed at exit), a private 0700 XDG_RUNTIME_DIR in
# it, and the traps that end the script's processes however it ends.
harness_scratch() {
    top=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX") || exit 1
    export XDG_RUNTIME_DIR="$top/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    trap cleanup EXIT
    trap 'exit 130' INT TERM HUP
}

# harness_setup NAME APP [MORE...]: checks the arguments against $usage (words in brackets are
# optional; default "PATH_TO_CONTEGGO"): a wrong number is a usage line and exit 2. Sets $app,
# the program's absolute path (exit 1 if it is not an executable), then as harness_scratch.
usage=${usage:-PATH_TO_CONTEGGO}
harness_setup() {
    local name=$1 words word least=0 most=0
    shift
    read -r -a words <<<"$usage"
    for word in "${words[@]}"; do
        most=$((most + 1))
        [[ $word == \[* ]] || least=$((least + 1))
    done
    if (($# < least || $# > most)); then
        echo "usage: $0 $usage" >&2
        exit 2
    fi
    app=$(readlink -f -- "$1")
    if [[ ! -x $app || -d $app ]]; then
        echo "not an executable: $1" >&2
        exit 1
    fi
    harness_scratch "$name"
}

# harness_build_setup NAME FILE BUILD_DIR: for the scripts that take a build folder: a usage
# line and exit 2 unless BUILD_DIR alone is given and holds FILE. Sets $build, its absolute
# path, then as harness_scratch.
build=""
harness_build_setup() {
    local name=$1 file=$2
    shift 2
    if [[ $# -ne 1 || ! -f $1/$file ]]; then
        echo "usage: $0 BUILD_DIR" >&2
        exit 2
    fi
    build=$(cd "$1" && pwd)
    harness_scratch "$name"
}

# need_tools "PACKAGES" TOOL...: a missing tool ends the script as skipped (77), naming the
# Debian packages that hold the tools; in CI ($CI set), where all are installed, as failed.
need_tools() {
    local packages=$1 tool missing=()
    shift
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    ((${#missing[@]} == 0)) && return 0
    echo "missing tools: ${missing[*]} (Debian packages: $packages)" >&2
    if [[ -n ${CI:-} ]]; then
        exit 1
    fi
    echo "skipped"
    exit 77
}

# A fresh folder under the scratch folder, 0700 (as a runtime folder must be); its path.
new_dir() { mktemp -d "$top/$1.XXXXXX"; }

# --- waiting ----------------------------------------------------------------------------------

# The boot clock (CLOCK_BOOTTIME, the program's own, which /proc/uptime shows) in
# centiseconds, into $now; no process is started, so readings are cheap.
now=0
read_clock() {
    local up _
    read -r up _ </proc/uptime
    up=${up/./}
    now=$((10#$up))
}

# Sleeps CENTISECONDS.
sleep_cs() { sleep "$(($1 / 100)).$(printf '%02d' $(($1 % 100)))"; }

# poll SECONDS CMD...: runs CMD every 0.05 s ($poll_step) until it succeeds or SECONDS (whole,
# or with decimals) pass on the clock; a slow CMD does not stretch the deadline.
poll_step=0.05
poll() {
    local seconds=$1 until whole fraction
    shift
    whole=${seconds%%.*}
    fraction=00
    [[ $seconds == *.* ]] && fraction=${seconds#*.}00
    read_clock
    until=$((now + 10#${whole:-0} * 100 + 10#${fraction:0:2}))
    while :; do
        "$@" && return 0
        read_clock
        ((now < until)) || return 1
        sleep "$poll_step"
    done
}

alive() { kill -0 "$1" 2>/dev/null; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# Drops an ended, reaped process so its pid, free for reuse, is never signalled again.
forget() {
    local pid kept=()
    for pid in "${app_pids[@]}"; do
        [[ $pid == "$1" ]] || kept+=("$pid")
    done
    app_pids=("${kept[@]}")
    kept=()
    for pid in "${helper_pids[@]}"; do
        [[ $pid == "$1" ]] || kept+=("$pid")
    done
    helper_pids=("${kept[@]}")
}

# How long a copy asked to end (a close, a signal) may take before a test calls it stuck. Its
# time to exit is no promise to the user: a sanitized build scans its heap for leaks at exit,
# which beside other tests starting copies of their own was measured at 3.5 s.
readonly EXIT_WAIT=30

# wait_exit PID SECONDS: waits for PID to end and reaps it; its exit status in $status. False
# on timeout.
status=""
wait_exit() {
    poll "$2" gone "$1" || return 1
    wait "$1" 2>/dev/null
    status=$?
    forget "$1"
}

# Ends PID at once and reaps it.
kill_now() {
    kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    forget "$1"
}

# track PID [SIGNAL]: a process the script started (a server, a recorder) that cleanup ends
# with SIGNAL (default TERM), then SIGKILL after 5 s.
track() {
    helper_pids+=("$1")
    helper_signal[$1]=${2:-TERM}
}

# track_app PID: a copy of the program started by other means than start_app.
track_app() { app_pids+=("$1"); }

# end_process PID: ends a tracked helper now, as cleanup would, and reaps it.
end_process() {
    kill "-${helper_signal[$1]:-TERM}" "$1" 2>/dev/null
    poll 5 gone "$1" || kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    forget "$1"
}

# end_apps: ends every copy still running: SIGTERM, then SIGKILL after 3 s; reaps them.
end_apps() {
    local pid
    for pid in "${app_pids[@]}"; do
        kill -TERM "$pid" 2>/dev/null
    done
    for pid in "${app_pids[@]}"; do
        poll 3 gone "$pid" || kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    app_pids=()
}

# --- the private desktop ------------------------------------------------------------------------

xvfb_pid="" wm_pid="" bus_pid="" bus_address=""

xvfb_display_written() {
    [[ $(cat "$top/display" 2>/dev/null) == *[0-9]* ]] && alive "$xvfb_pid"
}

# Xvfb on a free display with OPTIONS (default: a 1024x768 screen), logging to $top/xvfb.log;
# exports DISPLAY. False if it did not name its display within 10 s.
start_xvfb() {
    (($#)) || set -- -screen 0 1024x768x24
    : >"$top/display"
    Xvfb -displayfd 3 -nolisten tcp "$@" 3>"$top/display" >"$top/xvfb.log" 2>&1 &
    xvfb_pid=$!
    track "$xvfb_pid"
    poll 10 xvfb_display_written || return 1
    DISPLAY=":$(tr -dc '0-9' <"$top/display")"
    export DISPLAY
}

wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# openbox on $DISPLAY, logging to $top/openbox.log. False if it did not take charge of the
# screen within 10 s.
start_openbox() {
    openbox --sm-disable >"$top/openbox.log" 2>&1 &
    wm_pid=$!
    track "$wm_pid"
    poll 10 wm_ready
}

# A private session bus: its pid in $bus_pid, its address in $bus_address. False if it did not
# give its address within 10 s.
start_bus() {
    local file
    file=$(mktemp "$top/bus.XXXXXX")
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$file" \
        >"$top/bus.log" 2>&1 &
    bus_pid=$!
    track "$bus_pid"
    poll 10 test -s "$file" || return 1
    bus_address=$(head -n 1 "$file")
}

# What every program on the private desktop is to see: no user settings, no other display.
desktop_environment() {
    export XDG_CONFIG_HOME="$top/config"
    mkdir -p "$XDG_CONFIG_HOME"
    unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
    # The program's own language (Italian) whatever the machine's, so its lines can be judged.
    export LANG=C.UTF-8
    unset LANGUAGE LC_ALL LC_MESSAGES
    export QT_QPA_PLATFORM=xcb
    # A sanitized build reports libdbus's own leak at exit; the caller's options still apply.
    if [[ ${LSAN_OPTIONS:-} != *"$harness_dir/../lsan.supp"* ]]; then
        LSAN_OPTIONS="suppressions=$harness_dir/../lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
        export LSAN_OPTIONS
    fi
}

# Ends the servers of a failed try.
desktop_down() {
    local pid
    for pid in "$wm_pid" "$bus_pid" "$xvfb_pid"; do
        [[ -n $pid ]] && end_process "$pid"
    done
    xvfb_pid="" wm_pid="" bus_pid="" bus_address=""
}

# One try at the servers: Xvfb with OPTIONS, a session bus, and openbox unless $1 is "bare".
desktop_attempt() {
    local with_wm=$1
    shift
    if ! start_xvfb "$@"; then
        echo "# Xvfb did not start: $(tail -n 5 "$top/xvfb.log" | tr '\n' ' ')" >&2
        return 1
    fi
    if ! start_bus; then
        echo "# dbus-daemon did not start: $(tail -n 5 "$top/bus.log" | tr '\n' ' ')" >&2
        return 1
    fi
    export DBUS_SESSION_BUS_ADDRESS=$bus_address
    [[ $with_wm == bare ]] && return 0
    if ! start_openbox; then
        echo "# openbox did not start on $DISPLAY (Xvfb $(alive "$xvfb_pid" && echo runs ||
            echo "is gone")): $(tail -n 5 "$top/openbox.log" | tr '\n' ' ')" >&2
        return 1
    fi
}

# Up to three tries: on a busy machine an X server now and then goes before its first client
# comes. Exit 1 with the servers' logs after the third.
desktop_up() {
    local tries
    desktop_environment
    for ((tries = 1; tries <= 3; tries++)); do
        desktop_attempt "$@" && return 0
        desktop_down
        unset DBUS_SESSION_BUS_ADDRESS
    done
    echo "no private desktop after three tries; the servers' logs:" >&2
    tail -n 20 "$top/xvfb.log" "$top/bus.log" "$top/openbox.log" 2>/dev/null >&2
    exit 1
}

# start_desktop [XVFB OPTIONS...]: Xvfb, a session bus and openbox, with the exports above.
start_desktop() { desktop_up wm "$@"; }

# start_xvfb_only [XVFB OPTIONS...]: the same without a window manager, so windows land
# exactly where they are put.
start_xvfb_only() { desktop_up bare "$@"; }

# --- the program -----------------------------------------------------------------------------

# start_app DIR [VAR=VALUE...] [-- ARGS...]: the program ($app) in folder DIR with those
# additions to its environment and those arguments; standard output to /dev/null, standard
# error to $top/stderr.PID, whose path is left in $app_log. Its pid is left in $started.
started="" app_log=""
start_app() {
    local dir=$1 vars=() args=()
    shift
    while (($#)) && [[ $1 != -- ]]; do
        vars+=("$1")
        shift
    done
    (($#)) && shift
    args=("$@")
    (cd "$dir" && exec env "${vars[@]}" "$app" "${args[@]}" >/dev/null \
        2>"$top/stderr.$BASHPID") &
    started=$!
    app_pids+=("$started")
    app_log="$top/stderr.$started"
}

# The visible window of process PID whose title matches REGEX (xdotool's: extended, any
# case), into $found.
found=""
window_shows() {
    found=$(timeout 5 xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null |
        head -n 1)
    [[ -n $found ]] && return 0
    why="process $1 shows no window titled $2"
    return 1
}

no_window() {
    window_shows "$1" "$2" || return 0
    why="process $1 shows a window titled $2"
    return 1
}

title=""
read_title() { title=$(timeout 5 xdotool getwindowname "$1" 2>/dev/null); }

# title_is W TEXT: true if window W's title is TEXT; otherwise $why says what it is.
title_is() {
    read_title "$1"
    [[ $title == "$2" ]] && return 0
    why="the title is '$title', not '$2'"
    return 1
}

# title_matches W REGEX: as title_is, for a bash regular expression.
title_matches() {
    read_title "$1"
    [[ $title =~ $2 ]] && return 0
    why="the title is '$title'"
    return 1
}

# What is on the screen for process PID, for a failure's explanation (on standard error).
describe_windows() {
    local id
    {
        echo "# process $1 $(alive "$1" && echo runs || echo "is gone"); its windows:"
        for id in $(timeout 5 xdotool search --pid "$1" 2>/dev/null); do
            read_title "$id"
            echo "#   $id '$title' $(xwininfo -id "$id" 2>/dev/null | grep -o 'Map State: .*')"
        done
        if [[ -s $top/stderr.$1 ]]; then
            echo "# its standard error:"
            tail -n 5 "$top/stderr.$1" | sed 's/^/#   /'
        fi
    } >&2
}

# The main window of copy PID (titled Conteggo, or a count) into $w, within 30 s: a cold
# machine builds its font caches at the first start. False, with what is on the screen on
# standard error and the reason in $why, if none shows.
readonly MAIN_TITLE='^(Conteggo|[0-9]+:[0-9]{2}(:[0-9]{2})?$)'
w=""
# Whether a copy that ended before showing its window did so because the X server refused its
# connection (Qt's words, or the program's own from its check before Qt starts): an X server
# shared with a busy machine drops one now and then, and such a run is worth making again.
x_refused() { grep -q -e 'could not connect to display' -e 'impossibile aprire lo schermo' "$1"; }

main_window() {
    if poll 30 window_shows "$1" "$MAIN_TITLE"; then
        w=$found
        return 0
    fi
    w=""
    describe_windows "$1"
    why="no main window within 30 s"
    return 1
}

activate() { timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1; }

# Real key presses through XTEST; events sent to a window directly are ignored by Qt.
press() { timeout 5 xdotool key --clearmodifiers "$@" >/dev/null 2>&1; }

# close_window W: Alt+F4 on window W, as a person closes it through the window manager. Tried
# three times: on a busy machine the activation can outlast one try (and a key that outlasted
# it may still have closed the window).
close_window() {
    for _ in 1 2 3; do
        activate "$1" && press alt+F4 && return 0
        xwininfo -id "$1" >/dev/null 2>&1 || return 0
    done
    return 1
}

# close_and_wait PID W: Alt+F4 on window W, then PID ends within $EXIT_WAIT, its status in
# $status. Under load, now and then (about one run in twenty, on a freshly started openbox),
# an Alt+F4 on the active window leaves it open where the program accepts every close: a
# person would press again, so after 10 s one more press is allowed, and said.
close_and_wait() {
    status=""
    close_window "$2" || return 1
    wait_exit "$1" 10 && return 0
    echo "# still running 10 s after Alt+F4: pressed again"
    close_window "$2" && wait_exit "$1" "$EXIT_WAIT"
}

type_text() { timeout 5 xdotool type --clearmodifiers -- "$1" >/dev/null 2>&1; }

# A real click at X, Y of window W's client area.
click_at() { timeout 5 xdotool mousemove --window "$1" "$2" "$3" click 1 >/dev/null 2>&1; }

# window_geometry W: the client's absolute upper-left corner and size into $win_x $win_y
# $win_w $win_h; false if xwininfo did not tell them.
win_x="" win_y="" win_w="" win_h=""
window_geometry() {
    local info
    info=$(xwininfo -id "$1" 2>/dev/null)
    win_x=$(sed -n 's/.*Absolute upper-left X: *\(-\?[0-9]*\).*/\1/p' <<<"$info")
    win_y=$(sed -n 's/.*Absolute upper-left Y: *\(-\?[0-9]*\).*/\1/p' <<<"$info")
    win_w=$(sed -n 's/^ *Width: *\([0-9]*\).*/\1/p' <<<"$info")
    win_h=$(sed -n 's/^ *Height: *\([0-9]*\).*/\1/p' <<<"$info")
    [[ -n $win_x && -n $win_y && -n $win_w && -n $win_h ]]
}

# window_frame W: the frame of window W (the client plus the window manager's edges): corner
# $fx $fy, size $fw $fh. False, with the reason in $frame_error, if it could not be read.
fx="" fy="" fw="" fh="" frame_error=""
window_frame() {
    local extents fl fr ft fb
    frame_error=""
    window_geometry "$1"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p')
    IFS=', ' read -r fl fr ft fb <<<"$extents"
    if [[ -z $win_x || -z $win_y || -z $win_w || -z $win_h || -z $fl || -z $fr || -z $ft ||
        -z $fb ]]; then
        frame_error="could not read the geometry ('$win_x' '$win_y' '$win_w' '$win_h' '$extents')"
        return 1
    fi
    fx=$((win_x - fl))
    fy=$((win_y - ft))
    fw=$((win_w + fl + fr))
    fh=$((win_h + ft + fb))
}

# --- counts ----------------------------------------------------------------------------------

# h:mm:ss, as the window's title shows a count.
hms() { printf '%d:%02d:%02d' $(($1 / 3600)) $(($1 / 60 % 60)) $(($1 % 60)); }

# Seconds from an h:mm:ss title; false, printing nothing, for any other title.
seconds_of() {
    local h m s
    [[ $1 =~ ^[0-9]+:[0-9]{2}:[0-9]{2}$ ]] || return 1
    IFS=: read -r h m s <<<"$1"
    echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}

# --- checks ----------------------------------------------------------------------------------

# expect NAME -- CMD...: runs CMD in this shell (what it sets stays set) and reports
# "ok - NAME", or "not ok - NAME: " and why: the last line CMD printed, else the $why a
# predicate left (they print nothing, so that they can be polled), else CMD and its status.
why=""
expect() {
    local name=$1 result said
    shift
    [[ ${1:-} == -- ]] && shift
    why=""
    "$@" >"$top/expect.out"
    result=$?
    if ((result == 0)); then
        ok "$name"
        return 0
    fi
    said=$(grep -v '^[[:space:]]*$' "$top/expect.out" | tail -n 1)
    not_ok "$name" "${said:-${why:-$* failed with status $result}}"
    return 1
}

# same_lines EXPECTED ACTUAL: the two texts hold the same lines; the differing ones otherwise.
same_lines() {
    [[ $1 == "$2" ]] && return 0
    diff <(echo "$1") <(echo "$2") | grep '^[<>]' | tr '\n' ' '
    echo
    return 1
}

# saying WHY CMD...: CMD succeeds; WHY is printed otherwise. For a plain condition:
#   expect "one window" -- saying "$n windows" test "$n" -eq 1
saying() {
    local text=$1
    shift
    "$@" && return 0
    echo "$text"
    return 1
}

# passes CMD...: CMD succeeds; its output, on one line, otherwise.
passes() {
    local out
    out=$("$@" 2>&1) && return 0
    tr '\n' ' ' <<<"$out"
    echo
    return 1
}

# --- the report: one "ok -" or "not ok -" line a check, then "N passed, M failed" ---------------
# `report_end` is the script's last command, so its status is the script's.
passed=0
failed=0

ok() {
    echo "ok - $1"
    passed=$((passed + 1))
}

not_ok() {
    echo "not ok - $1: $2"
    failed=$((failed + 1))
}

report_end() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
}

# --- the files the program writes, read byte for byte ----------------------------------------

# The file's whole contents, trailing line ends included, into $contents; "(no file)" and
# false if there is none.
contents=""
load() {
    local text
    if [[ ! -f $1 ]]; then
        contents="(no file)"
        return 1
    fi
    text=$(cat -- "$1" && echo x)
    contents=${text%x}
}

# $contents for a report line: quoted so line ends and control characters show.
shown() {
    if [[ $contents == "(no file)" ]]; then
        echo "$contents"
    else
        printf '%q' "$contents"
    fi
}

# If FILE is exactly one CR LF ended whole number: its digits as written into $count_text,
# their value into $count. False otherwise.
count="" count_text=""
read_count() {
    local re=$'^([0-9]+)\r\n$'
    load "$1" || return 1
    [[ $contents =~ $re ]] || return 1
    count_text=${BASH_REMATCH[1]}
    count=$((10#$count_text))
}
