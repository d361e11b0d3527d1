#!/usr/bin/env bash
# Drives the real program on a private X server with a real window manager: first start,
# Enter, closing, position, a second copy, the termination signals, the alarm dialog and
# the information window.
# Usage: desktop_test.sh PATH_TO_CONTEGGO
set -u

if [[ $# -ne 1 ]]; then
    echo "usage: $0 PATH_TO_CONTEGGO" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
app=$(readlink -f -- "$1")
if [[ ! -x $app ]]; then
    echo "not an executable: $1" >&2
    exit 1
fi

missing=()
for tool in Xvfb openbox xprop xwininfo xdotool md5sum timeout; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if ((${#missing[@]})); then
    echo "missing tools: ${missing[*]} (Debian packages: xvfb openbox x11-utils xdotool)" >&2
    exit 1
fi

readonly TITLE="Conteggo (ver. 10)"
readonly CRLF=$'\r\n'

top=$(mktemp -d "${TMPDIR:-/tmp}/conteggo-desktop.XXXXXX")
xvfb_pid=""
wm_pid=""
app_pids=()
declare -A logs=()

cleanup() {
    local pid
    for pid in "${app_pids[@]}"; do
        kill -KILL "$pid" 2>/dev/null
    done
    [[ -n $wm_pid ]] && kill -TERM "$wm_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill -TERM "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf -- "$top"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# shellcheck source=../support/report.sh
source "$(dirname "$0")/../support/report.sh"
# shellcheck source=../support/poll.sh
source "$(dirname "$0")/../support/poll.sh"
# shellcheck source=../support/xserver.sh
source "$(dirname "$0")/../support/xserver.sh"
# shellcheck source=../support/files.sh
source "$(dirname "$0")/../support/files.sh"

alive() { kill -0 "$1" 2>/dev/null; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# --- the X server and the window manager ---------------------------------------------------

# Keeps a user's own settings (openbox's rc.xml, Qt's) out of the runs.
export XDG_CONFIG_HOME="$top/config"
mkdir -p "$XDG_CONFIG_HOME"
unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb
# A sanitized build reports libdbus's own leak at exit; the caller's options still apply.
export LSAN_OPTIONS="suppressions=$here/../lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

need_xvfb
need_openbox

# --- helpers for one scenario ---------------------------------------------------------------

work=""
runtime=""

# A fresh working directory, and a lock folder of its own so no copy elsewhere interferes.
new_scenario() {
    work=$(mktemp -d "$top/work.XXXXXX")
    runtime=$(mktemp -d "$top/runtime.XXXXXX")
    chmod 700 "$runtime"
}

# Starts the program in the scenario's directory; its pid is left in $started.
start_app() {
    local log=$1
    (cd "$work" && XDG_RUNTIME_DIR="$runtime" exec "$app" >"$top/$log" 2>&1) &
    started=$!
    app_pids+=("$started")
    logs[$started]="$top/$log"
}

# Starts the program and leaves its main window in $w; reports the caller's $name as failed
# when none shows.
shown_app() {
    start_app "$1"
    w=$(main_window "$started")
    [[ -n $w ]] || { not_ok "$name" "no window"; return 1; }
}

# Drops an ended, reaped copy so its pid, free for reuse, is never signalled again.
forget() {
    local pid kept=()
    for pid in "${app_pids[@]}"; do
        [[ $pid == "$1" ]] || kept+=("$pid")
    done
    app_pids=("${kept[@]}")
}

# Ends whatever this scenario left running.
stop_apps() {
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

# Prints the visible window of process PID whose title matches REGEX.
find_window() {
    timeout 5 xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n 1
}

found=""
window_shows() {
    found=$(find_window "$1" "$2")
    [[ -n $found ]]
}

title_of() { timeout 5 xdotool getwindowname "$1" 2>/dev/null; }

title=""
title_matches() {
    title=$(title_of "$1")
    [[ $title =~ $2 ]]
}

on_top() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }

not_on_top() { ! on_top "$1"; }

activate() { timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1; }

# Real key presses through XTEST; events sent to a window directly are ignored by Qt.
press() { timeout 5 xdotool key --clearmodifiers "$@" >/dev/null 2>&1; }

type_text() { timeout 5 xdotool type --clearmodifiers -- "$1" >/dev/null 2>&1; }

# A real click at X, Y of window W's client area.
click_at() { timeout 5 xdotool mousemove --window "$1" "$2" "$3" click 1 >/dev/null 2>&1; }

no_window() { ! window_shows "$1" "$2"; }

height=""
height_is() {
    height=$(xwininfo -id "$1" 2>/dev/null | sed -n 's/^ *Height: *\([0-9]*\).*/\1/p')
    [[ $height == "$2" ]]
}

# The frame of window W (the client plus the window manager's edges): corner fx, fy and size
# fw, fh. The client's absolute corner less the frame's left and top edges is the frame's corner.
fx="" fy="" fw="" fh="" frame_error=""
frame_of() {
    local geometry extents ax ay cw ch fl fr ft fb
    frame_error=""
    geometry=$(xwininfo -id "$1" 2>/dev/null)
    ax=$(sed -n 's/.*Absolute upper-left X: *\(-\?[0-9]*\).*/\1/p' <<<"$geometry")
    ay=$(sed -n 's/.*Absolute upper-left Y: *\(-\?[0-9]*\).*/\1/p' <<<"$geometry")
    cw=$(sed -n 's/^ *Width: *\([0-9]*\).*/\1/p' <<<"$geometry")
    ch=$(sed -n 's/^ *Height: *\([0-9]*\).*/\1/p' <<<"$geometry")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p')
    IFS=', ' read -r fl fr ft fb <<<"$extents"
    if [[ -z $ax || -z $ay || -z $cw || -z $ch || -z $fl || -z $fr || -z $ft || -z $fb ]]; then
        frame_error="could not read the geometry ('$ax' '$ay' '$cw' '$ch' '$extents')"
        return 1
    fi
    fx=$((ax - fl))
    fy=$((ay - ft))
    fw=$((cw + fl + fr))
    fh=$((ch + ft + fb))
}

# Seconds from an h:mm:ss text.
seconds_of() {
    local h m s
    IFS=: read -r h m s <<<"$1"
    echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}

# Checks timerpos.txt has five CR LF ended lines, the last one the given switch.
position_file_problem() {
    local lf crlf
    load "$work/timerpos.txt" || { echo "timerpos.txt missing"; return; }
    lf=${contents//[!$'\n']/}
    crlf=${contents//$'\r\n'/}
    if [[ ${#lf} -ne 5 || ${#crlf} -ne $((${#contents} - 10)) || $contents != *"$CRLF" ]]; then
        echo "not five CR LF lines: $(shown)"
    elif [[ $contents != *"$CRLF$1$CRLF" ]]; then
        echo "last line is not $1: $(shown)"
    fi
}

# The lines of timerpos.txt without their CR into $lines, the third one in ${lines[2]}.
lines=()
read_position_lines() {
    lines=()
    load "$work/timerpos.txt" || return 1
    mapfile -t lines <<<"${contents//$'\r'/}"
}

# Seeds a file an hour in the past, so that any later write shows in its time.
seed() {
    printf '%s' "$2" >"$work/$1"
    touch -d '1 hour ago' "$work/$1"
}

stamp() { stat -c %.9Y "$work/$1" 2>/dev/null; }

# Contents and times of both files, to tell whether anything wrote them.
fingerprint() {
    (cd "$work" && md5sum conteggo.txt timerpos.txt && stat -c '%n %.9Y' conteggo.txt timerpos.txt) 2>&1 |
        tr -s ' \n' ' '
}

# Waits for PID to end and leaves its exit status in $status; false on timeout.
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

# The main window of a just started copy, or nothing if none shows within 30 s (a cold
# machine builds its font caches at the first start).
main_window() {
    if poll 30 window_shows "$1" '^Conteggo'; then
        echo "$found"
    else
        describe_windows "$1" >&2
    fi
}

# What is on the screen, for a failure's explanation.
describe_windows() {
    local id
    echo "# process $1 $(alive "$1" && echo runs || echo "is gone"); its windows:"
    for id in $(timeout 5 xdotool search --pid "$1" 2>/dev/null); do
        echo "#   $id '$(title_of "$id")' $(xwininfo -id "$id" 2>/dev/null | grep -o 'Map State: .*')"
    done
    if [[ -s ${logs[$1]:-} ]]; then
        echo "# its output:"
        tail -n 5 "${logs[$1]}" | sed 's/^/#   /'
    fi
}

# Closes the window the way a person would: through the window manager.
close_window() {
    activate "$1" && press alt+F4
}

# Waits up to SECONDS for the copy asked to end by HOW to do so, and reports it as the check
# "NAME: program ends"; false if it is still running.
program_ends() {
    local name=$1 seconds=$2 how=$3
    if ! wait_exit "$started" "$seconds"; then
        not_ok "$name: program ends" "still running $seconds s after $how"
        return 1
    fi
    if [[ $status -eq 0 ]]; then
        ok "$name: program ends"
    else
        not_ok "$name: program ends" "exit status $status"
    fi
}

# Closes main window W and waits for the program to end; false, reported, if it does not.
quit_app() {
    close_window "$1"
    program_ends "$2" 5 Alt+F4
}

# Where to click in the main window's client area.
readonly SOUND_X=76 SOUND_Y=52 INFO_X=18 INFO_Y=18

# Clicks the sound button of main window W; the alarm dialog's id is left in $dialog.
dialog=""
open_alarm_dialog() {
    click_at "$1" "$SOUND_X" "$SOUND_Y" || return 1
    poll 5 window_shows "$started" '^Imposta allarme$' || return 1
    dialog=$found
}

# Starts the count with Enter and waits for the title to reach REGEX.
start_count() {
    activate "$1" || return 1
    press Return || return 1
    poll "$3" title_matches "$1" "$2"
}

# --- scenarios ------------------------------------------------------------------------------

first_start() {
    local name="first start" w state
    new_scenario
    start_app first.log
    w=$(main_window "$started")
    if [[ -z $w ]]; then
        not_ok "$name: window appears" "no visible window titled Conteggo within 30 s"
        return
    fi
    ok "$name: window appears"
    title=$(title_of "$w")
    if [[ $title == "$TITLE" ]]; then
        ok "$name: title"
    else
        not_ok "$name: title" "got '$title'"
    fi
    if poll 3 on_top "$w"; then
        ok "$name: stays on top"
    else
        state=$(xprop -id "$w" _NET_WM_STATE 2>&1)
        not_ok "$name: stays on top" "no _NET_WM_STATE_ABOVE ($state)"
    fi
}

enter_starts() {
    local name="Enter starts the count" w
    new_scenario
    shown_app enter.log || return
    if start_count "$w" '^0:00:0[1-9]$' 3; then
        ok "$name"
    else
        not_ok "$name" "title still '$title' 3 s after Return"
    fi
}

closing_writes_files() {
    local name="closing the window" w seen problem
    new_scenario
    shown_app close.log || return
    if ! start_count "$w" '^0:00:0[1-9]$' 3; then
        not_ok "$name" "the count did not start (title '$title')"
        return
    fi
    seen=$(seconds_of "$title")
    quit_app "$w" "$name" || return
    problem=$(position_file_problem '#FALSE#')
    if [[ -z $problem ]]; then
        ok "$name: timerpos.txt written"
    else
        not_ok "$name: timerpos.txt written" "$problem"
    fi
    if ! read_count "$work/conteggo.txt"; then
        not_ok "$name: running count saved" "conteggo.txt is not one CR LF line: $(shown)"
    elif ((count_text < 1 || count_text < seen || count_text > seen + 3)); then
        not_ok "$name: running count saved" "saved $count_text, the title had shown $seen"
    else
        ok "$name: running count saved"
    fi
}

position_restored() {
    local name="position restored" w place_at count_at
    local position="3000${CRLF}4500${CRLF}60${CRLF}0${CRLF}#FALSE#${CRLF}"
    new_scenario
    seed timerpos.txt "$position"
    seed conteggo.txt "3725$CRLF"
    place_at=$(stamp timerpos.txt)
    count_at=$(stamp conteggo.txt)
    shown_app position.log || return

    if ! frame_of "$w"; then
        not_ok "$name: window placed" "$frame_error"
    elif ((fx >= 298 && fx <= 302 && fy >= 198 && fy <= 202)); then
        ok "$name: window placed"
    else
        not_ok "$name: window placed" "frame at x=$fx y=$fy, expected x=300 y=200"
    fi
    title=$(title_of "$w")
    if [[ $title == "$TITLE" ]]; then
        ok "$name: title while stopped"
    else
        not_ok "$name: title while stopped" "got '$title'"
    fi

    close_window "$w"
    if ! wait_exit "$started" 5; then
        not_ok "$name: saved again" "still running 5 s after Alt+F4"
        return
    fi
    if ! load "$work/timerpos.txt" || [[ $contents != "$position" ]]; then
        not_ok "$name: saved again" "timerpos.txt is $(shown)"
    elif [[ $(stamp timerpos.txt) == "$place_at" ]]; then
        not_ok "$name: saved again" "timerpos.txt was not written on closing"
    else
        ok "$name: saved again"
    fi
    if ! read_count "$work/conteggo.txt" || [[ $count_text != 3725 ]]; then
        not_ok "$name: count kept" "conteggo.txt is $(shown)"
    elif [[ $(stamp conteggo.txt) == "$count_at" ]]; then
        not_ok "$name: count kept" "conteggo.txt was not written on closing"
    else
        ok "$name: count kept"
    fi
}

second_copy() {
    local name="second copy" w first second box before after
    new_scenario
    seed timerpos.txt "1500${CRLF}1500${CRLF}60${CRLF}0${CRLF}#FALSE#${CRLF}"
    seed conteggo.txt "42$CRLF"
    start_app first-copy.log
    first=$started
    w=$(main_window "$first")
    [[ -n $w ]] || { not_ok "$name" "the first copy shows no window"; return; }
    before=$(fingerprint)

    start_app second-copy.log
    second=$started
    if ! poll 30 window_shows "$second" '^info$'; then
        not_ok "$name: message shown" "no window titled info within 30 s"
        return
    fi
    box=$found
    ok "$name: message shown"
    if find_window "$second" '^Conteggo' | grep -q .; then
        not_ok "$name: no second main window" "the second copy shows a main window too"
    else
        ok "$name: no second main window"
    fi

    activate "$box" && press Return
    if ! wait_exit "$second" 5; then
        not_ok "$name: ends after OK" "still running 5 s after Return on the message"
    elif [[ $status -ne 0 ]]; then
        not_ok "$name: ends after OK" "exit status $status"
    else
        ok "$name: ends after OK"
    fi
    after=$(fingerprint)
    if [[ $after == "$before" ]]; then
        ok "$name: files untouched"
    else
        not_ok "$name: files untouched" "before: $before; after: $after"
    fi
    if alive "$first" && [[ -n $(find_window "$first" '^Conteggo') ]]; then
        ok "$name: first copy still runs"
    else
        not_ok "$name: first copy still runs" "the first copy or its window is gone"
    fi
}

term_while_running() {
    local name="SIGTERM while running" w seen problem
    new_scenario
    shown_app term.log || return
    if ! start_count "$w" '^0:00:0[2-9]$' 5; then
        not_ok "$name" "the count did not reach 0:00:02 (title '$title')"
        return
    fi
    seen=$(seconds_of "$title")
    kill -TERM "$started"
    program_ends "$name" 3 SIGTERM || return
    if ! read_count "$work/conteggo.txt"; then
        not_ok "$name: running count saved" "conteggo.txt is not one CR LF line: $(shown)"
    elif ((count_text < 2 || count_text < seen || count_text > seen + 3)); then
        not_ok "$name: running count saved" "saved $count_text, the title had shown $seen"
    else
        ok "$name: running count saved"
    fi
    problem=$(position_file_problem '#FALSE#')
    if [[ -z $problem ]]; then
        ok "$name: timerpos.txt written"
    else
        not_ok "$name: timerpos.txt written" "$problem"
    fi
}

# SIGNAL while stopped, with conteggo.txt holding PREVIOUS (empty: no file at all).
signal_while_stopped() {
    local signal=$1 previous=$2 name="SIG$1 while stopped" w problem expected count_at=""
    new_scenario
    if [[ -n $previous ]]; then
        seed conteggo.txt "$previous$CRLF"
        count_at=$(stamp conteggo.txt)
    fi
    expected=${previous:-0}
    shown_app "$signal.log" || return
    kill "-$signal" "$started"
    program_ends "$name" 3 "SIG$signal" || return
    problem=$(position_file_problem '#FALSE#')
    if [[ -z $problem ]]; then
        ok "$name: timerpos.txt written"
    else
        not_ok "$name: timerpos.txt written" "$problem"
    fi
    if ! read_count "$work/conteggo.txt" || [[ $count_text != "$expected" ]]; then
        not_ok "$name: count written" "expected $expected, conteggo.txt is $(shown)"
    elif [[ $(stamp conteggo.txt) == "$count_at" ]]; then
        not_ok "$name: count written" "conteggo.txt was not written"
    else
        ok "$name: count written"
    fi
}

alarm_set() {
    local name="alarm set" w problem
    new_scenario
    shown_app alarm-set.log || return
    if ! height_is "$w" 76; then
        not_ok "$name" "client height $height with the alarm off, expected 76"
        return
    fi
    if ! open_alarm_dialog "$w"; then
        not_ok "$name: dialog opens" "no window titled Imposta allarme within 5 s of the click"
        describe_windows "$started" >&2
        return
    fi
    ok "$name: dialog opens"
    if poll 3 not_on_top "$w"; then
        ok "$name: main window leaves the top"
    else
        not_ok "$name: main window leaves the top" "still _NET_WM_STATE_ABOVE with the dialog open"
    fi

    # Commas are decimal points: 1.5 and 0.5 minutes.
    activate "$dialog" && press ctrl+a && type_text "1,5" && press Tab ctrl+a &&
        type_text "0,5" && press Tab space Return
    if ! poll 3 no_window "$started" '^Imposta allarme$'; then
        not_ok "$name: OK closes the dialog" "still open 3 s after Return$(
            window_shows "$started" '^ERRORE$' && echo ", with an ERRORE message")"
        return
    fi
    ok "$name: OK closes the dialog"
    if poll 3 height_is "$w" 88; then
        ok "$name: progress bar shown"
    else
        not_ok "$name: progress bar shown" "client height $height, expected 88"
    fi
    if poll 3 on_top "$w"; then
        ok "$name: main window back on top"
    else
        not_ok "$name: main window back on top" "no _NET_WM_STATE_ABOVE after the dialog closed"
    fi

    quit_app "$w" "$name" || return
    problem=$(position_file_problem '#TRUE#')
    if [[ -n $problem ]]; then
        not_ok "$name: alarm saved" "$problem"
    elif ! read_position_lines || [[ ${lines[2]} != 90 || ${lines[3]} != 30 ]]; then
        not_ok "$name: alarm saved" "expected 90 and 30 on lines 3 and 4: $(shown)"
    else
        ok "$name: alarm saved"
    fi
}

alarm_refused() {
    local name="alarm refused" w box problem
    new_scenario
    shown_app alarm-refused.log || return
    if ! open_alarm_dialog "$w"; then
        not_ok "$name" "no window titled Imposta allarme within 5 s of the click"
        return
    fi
    # The interval's text starts selected, so typing replaces it.
    activate "$dialog" && type_text 0 && press Return
    if ! poll 5 window_shows "$started" '^ERRORE$'; then
        not_ok "$name: error shown" "no window titled ERRORE within 5 s of Return on interval 0"
        describe_windows "$started" >&2
        return
    fi
    ok "$name: error shown"
    box=$found
    activate "$box" && press Return
    if ! poll 3 no_window "$started" '^ERRORE$'; then
        not_ok "$name: dialog stays open" "the ERRORE message is still shown 3 s after Return"
        return
    fi
    if window_shows "$started" '^Imposta allarme$' && not_on_top "$w"; then
        ok "$name: dialog stays open"
    else
        not_ok "$name: dialog stays open" "the dialog closed with the message"
        return
    fi

    # If Escape closed the dialog, Return would go to the main window instead of failing again.
    activate "$dialog" && press Escape Return
    if poll 5 window_shows "$started" '^ERRORE$'; then
        ok "$name: Escape leaves the dialog open"
        activate "$found" && press Return
        poll 3 no_window "$started" '^ERRORE$'
    else
        not_ok "$name: Escape leaves the dialog open" "no ERRORE for Return after Escape"
        return
    fi

    close_window "$dialog"
    if poll 3 no_window "$started" '^Imposta allarme$'; then
        ok "$name: close box closes the dialog"
    else
        not_ok "$name: close box closes the dialog" "still open 3 s after Alt+F4"
        return
    fi
    if poll 3 on_top "$w"; then
        ok "$name: main window back on top"
    else
        not_ok "$name: main window back on top" "no _NET_WM_STATE_ABOVE after the dialog closed"
    fi
    if height_is "$w" 76; then
        ok "$name: alarm still off"
    else
        not_ok "$name: alarm still off" "client height $height, expected 76"
    fi

    quit_app "$w" "$name" || return
    problem=$(position_file_problem '#FALSE#')
    if [[ -n $problem ]]; then
        not_ok "$name: nothing saved" "$problem"
    elif ! read_position_lines || [[ ${lines[2]} != 60 ]]; then
        not_ok "$name: nothing saved" "expected the interval 60 on line 3: $(shown)"
    else
        ok "$name: nothing saved"
    fi
}

# The frame's centre is within 20 px of the 1024x768 screen's.
centred() {
    frame_of "$1" || return 1
    local dx=$((fx + fw / 2 - 512)) dy=$((fy + fh / 2 - 384))
    ((dx >= -20 && dx <= 20 && dy >= -20 && dy <= 20))
}

information_window() {
    local name="information window" w info
    new_scenario
    shown_app info.log || return
    click_at "$w" "$INFO_X" "$INFO_Y"
    if ! poll 5 window_shows "$started" '^INFO$'; then
        not_ok "$name: opens" "no window titled INFO within 5 s of clicking the picture"
        describe_windows "$started" >&2
        return
    fi
    ok "$name: opens"
    info=$found
    if poll 3 not_on_top "$w"; then
        ok "$name: main window leaves the top"
    else
        not_ok "$name: main window leaves the top" "still _NET_WM_STATE_ABOVE with INFO open"
    fi
    if poll 3 centred "$info"; then
        ok "$name: centred"
    elif [[ -n $frame_error ]]; then
        not_ok "$name: centred" "$frame_error"
    else
        not_ok "$name: centred" "frame ${fw}x$fh at x=$fx y=$fy on a 1024x768 screen"
    fi
    close_window "$info"
    if poll 3 no_window "$started" '^INFO$'; then
        ok "$name: close box closes it"
    else
        not_ok "$name: close box closes it" "still open 3 s after Alt+F4"
        return
    fi
    if poll 3 on_top "$w"; then
        ok "$name: main window back on top"
    else
        not_ok "$name: main window back on top" "no _NET_WM_STATE_ABOVE after INFO closed"
    fi
}

# Each scenario, then whatever it left running is ended.
run() {
    "$@"
    stop_apps
}

run first_start
run enter_starts
run closing_writes_files
run position_restored
run second_copy
run term_while_running
run signal_while_stopped INT ""
run signal_while_stopped HUP 125
run alarm_set
run alarm_refused
run information_window

report_end
