# What the reliability scripts share: the program's path, a scratch folder, a private X server
# with a window manager, starting copies, reading windows, the count file and the clock.
# Sourced after setting `usage`; the caller's arguments are in "$@".
# shellcheck shell=bash
# The variables set here are read by the scripts that source this file.
# shellcheck disable=SC2034,SC2154

if [[ $# -lt 1 ]]; then
    echo "usage: $0 $usage" >&2
    exit 2
fi
app=$(readlink -f -- "$1")
if [[ ! -x $app ]]; then
    echo "not an executable: $1" >&2
    exit 1
fi

missing=()
for tool in Xvfb openbox xprop xdotool timeout; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if ((${#missing[@]})); then
    echo "missing tools: ${missing[*]} (Debian packages: xvfb openbox x11-utils xdotool)" >&2
    exit 1
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../support/report.sh
source "$here/../support/report.sh"
# shellcheck source=../support/xserver.sh
source "$here/../support/xserver.sh"
# shellcheck source=../support/files.sh
source "$here/../support/files.sh"

readonly TITLE="Conteggo (ver. 10)"
readonly CRLF=$'\r\n'

top=$(mktemp -d "${TMPDIR:-/tmp}/conteggo-reliability.XXXXXX")
xvfb_pid=""
wm_pid=""
app_pids=()

# Scripts that mount something put its undoing here; it runs before the scratch folder goes.
before_cleanup() { :; }

cleanup() {
    local pid
    for pid in "${app_pids[@]}"; do
        kill -KILL "$pid" 2>/dev/null
    done
    [[ -n $wm_pid ]] && kill -TERM "$wm_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill -TERM "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    before_cleanup
    rm -rf -- "$top"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# Runs the command every 0.05 s until it succeeds or SECONDS (whole) pass.
poll() {
    local until
    read_clock
    until=$((now + $1 * 100))
    shift
    while :; do
        "$@" && return 0
        read_clock
        ((now < until)) || return 1
        sleep 0.05
    done
}

alive() { kill -0 "$1" 2>/dev/null; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# The program's clock (CLOCK_BOOTTIME, which /proc/uptime shows) in centiseconds, into $now;
# no process is started, so readings are cheap and close to what they time.
now=0
read_clock() {
    local up _
    read -r up _ </proc/uptime
    up=${up/./}
    now=$((10#$up))
}

sleep_cs() { sleep "$(($1 / 100)).$(printf '%02d' $(($1 % 100)))"; }

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

# h:mm:ss, as the window's title shows a count.
hms() { printf '%d:%02d:%02d' $(($1 / 3600)) $(($1 / 60 % 60)) $(($1 % 60)); }

# Seconds from an h:mm:ss title, or nothing for any other title.
seconds_of() {
    local h m s
    [[ $1 =~ ^[0-9]+:[0-9]{2}:[0-9]{2}$ ]] || return 1
    IFS=: read -r h m s <<<"$1"
    echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}

# One try at the X server and the window manager; false, with what they said, if either
# did not come up.
x_attempt() {
    if ! start_xvfb; then
        echo "# Xvfb did not start: $(tail -n 5 "$top/xvfb.log" | tr '\n' ' ')" >&2
        return 1
    fi
    if ! start_openbox; then
        echo "# openbox did not start on $DISPLAY (Xvfb $(alive "$xvfb_pid" && echo runs ||
            echo "is gone")): $(tail -n 5 "$top/openbox.log" | tr '\n' ' ')" >&2
        return 1
    fi
}

# The private X server with openbox, at the third try at most: on a busy machine an X server
# now and then goes before its first client comes.
start_x() {
    local tries
    # Keeps a user's own settings (openbox's rc.xml, Qt's) out of the runs.
    export XDG_CONFIG_HOME="$top/config"
    mkdir -p "$XDG_CONFIG_HOME"
    unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
    export QT_QPA_PLATFORM=xcb
    # A sanitized build reports libdbus's own leak at exit; the caller's options still apply.
    LSAN_OPTIONS="suppressions=$here/../lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    export LSAN_OPTIONS
    for ((tries = 1; tries <= 3; tries++)); do
        x_attempt && return 0
        [[ -n $wm_pid ]] && kill -TERM "$wm_pid" 2>/dev/null
        kill -TERM "$xvfb_pid" 2>/dev/null
        wait 2>/dev/null
        wm_pid="" xvfb_pid=""
    done
    echo "no X server with a window manager after three tries" >&2
    exit 1
}

# A fresh folder under the scratch folder, 0700 (a runtime folder must be).
new_dir() { mktemp -d "$top/$1.XXXXXX"; }

# Starts the program in folder WORK with lock folder RUNTIME, standard error to LOG, and any
# VAR=VALUE after that in its environment; its pid is left in $started.
started=""
start_app() {
    local work=$1 runtime=$2 log=$3
    shift 3
    (cd "$work" && XDG_RUNTIME_DIR="$runtime" exec env "$@" "$app" >/dev/null 2>"$log") &
    started=$!
    app_pids+=("$started")
}

# Drops an ended, reaped copy so its pid, free for reuse, is never signalled again.
forget() {
    local pid kept=()
    for pid in "${app_pids[@]}"; do
        [[ $pid == "$1" ]] || kept+=("$pid")
    done
    app_pids=("${kept[@]}")
}

# Waits up to SECONDS for PID to end; its exit status is left in $status. False on timeout.
status=""
wait_exit() {
    if poll "$2" gone "$1"; then
        wait "$1"
        status=$?
        forget "$1"
        return 0
    fi
    return 1
}

# Ends PID at once and reaps it.
kill_now() {
    kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    forget "$1"
}

# The visible window of process PID whose title matches REGEX, into $found.
found=""
window_shows() {
    found=$(timeout 5 xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null |
        head -n 1)
    [[ -n $found ]]
}

title=""
read_title() { title=$(timeout 5 xdotool getwindowname "$1" 2>/dev/null); }

activate() { timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1; }

# Real key presses through XTEST; events sent to a window directly are ignored by Qt.
press() { timeout 5 xdotool key --clearmodifiers "$@" >/dev/null 2>&1; }

# The main window of copy PID into $w, within 30 s (a cold machine builds its font caches at
# the first start).
w=""
main_window() {
    poll 30 window_shows "$1" '^Conteggo' || return 1
    w=$found
}

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
