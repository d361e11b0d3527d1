#!/usr/bin/env bash
# Drives the real program on a private X server with a real window manager: first start,
# Enter, closing, position, a second copy, the alarm dialog and the information window.
# Usage: desktop_test.sh PATH_TO_CONTEGGO
set -u
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
harness_setup conteggo-desktop "$@"
need_tools "xvfb openbox x11-utils xdotool dbus" Xvfb openbox xprop xwininfo xdotool md5sum \
    timeout dbus-daemon
start_desktop

# --- helpers for one scenario ---------------------------------------------------------------

work=""
runtime=""

# A fresh working directory, and a lock folder of its own so no copy elsewhere interferes.
new_scenario() {
    work=$(new_dir work)
    runtime=$(new_dir runtime)
}

# Starts the program in the scenario's folders; its pid is left in $started.
start_here() { start_app "$work" XDG_RUNTIME_DIR="$runtime"; }

# Starts the program and leaves its main window in $w; reports the caller's $name as failed
# when none shows.
shown_app() {
    start_here
    main_window "$started" || { not_ok "$name" "no window"; return 1; }
}

on_top() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
not_on_top() { ! on_top "$1"; }

# on_top_soon W WHEN: window W is on top within 3 s; otherwise $why says it is not, WHEN.
on_top_soon() {
    poll 3 on_top "$1" && return 0
    why="no _NET_WM_STATE_ABOVE $2"
    return 1
}

# leaves_top W WHEN: window W is no longer on top within 3 s.
leaves_top() {
    poll 3 not_on_top "$1" && return 0
    why="still _NET_WM_STATE_ABOVE $2"
    return 1
}

# window_goes PID REGEX HOW: the window of PID titled REGEX is gone within 3 s of HOW.
window_goes() {
    poll 3 no_window "$1" "$2" && return 0
    why="still open 3 s after $3"
    return 1
}

height=""
height_is() {
    window_geometry "$1"
    height=$win_h
    [[ $height == "$2" ]] && return 0
    why="client height $height, expected $2"
    return 1
}

# Checks timerpos.txt has five CR LF ended lines, the last one the given switch; says why not.
position_file_ok() {
    local lf crlf
    load "$work/timerpos.txt" || { echo "timerpos.txt missing"; return 1; }
    lf=${contents//[!$'\n']/}
    crlf=${contents//$'\r\n'/}
    if [[ ${#lf} -ne 5 || ${#crlf} -ne $((${#contents} - 10)) || $contents != *"$CRLF" ]]; then
        echo "not five CR LF lines: $(shown)"
        return 1
    elif [[ $contents != *"$CRLF$1$CRLF" ]]; then
        echo "last line is not $1: $(shown)"
        return 1
    fi
}

# position_lines SWITCH INTERVAL [ADVANCE]: timerpos.txt is well formed with that switch, and
# its third and fourth lines are INTERVAL and ADVANCE.
position_lines() {
    local lines=()
    position_file_ok "$1" || return 1
    mapfile -t lines <<<"${contents//$'\r'/}"
    if [[ ${lines[2]} != "$2" || (-n ${3:-} && ${lines[3]} != "$3") ]]; then
        echo "expected $2${3:+ and $3} on line 3${3:+ and 4}: $(shown)"
        return 1
    fi
}

# running_count_saved LEAST SEEN: conteggo.txt holds a count of at least LEAST, no less than
# SEEN (what the title showed) and at most 3 s more.
running_count_saved() {
    if ! read_count "$work/conteggo.txt"; then
        echo "conteggo.txt is not one CR LF line: $(shown)"
        return 1
    elif ((count_text < $1 || count_text < $2 || count_text > $2 + 3)); then
        echo "saved $count_text, the title had shown $2"
        return 1
    fi
}

# rewritten FILE CONTENTS STAMP: FILE holds exactly CONTENTS and was written after STAMP.
rewritten() {
    if ! load "$work/$1" || [[ $contents != "$2" ]]; then
        echo "expected $(printf '%q' "$2"), $1 is $(shown)"
        return 1
    elif [[ $(stamp "$1") == "$3" ]]; then
        echo "$1 was not written"
        return 1
    fi
}

# Seeds a file an hour in the past, so that any later write shows in its time.
seed() {
    printf '%s' "$2" >"$work/$1"
    touch -d '1 hour ago' "$work/$1"
}

stamp() { stat -c %.9Y "$work/$1" 2>/dev/null; }

unchanged() {
    [[ $1 == "$2" ]] && return 0
    echo "before: $1; after: $2"
    return 1
}

# Contents and times of both files, to tell whether anything wrote them.
fingerprint() {
    (cd "$work" && md5sum conteggo.txt timerpos.txt && stat -c '%n %.9Y' conteggo.txt timerpos.txt) 2>&1 |
        tr -s ' \n' ' '
}

# ends_within SECONDS HOW: the copy in $started, asked to end by HOW, does so within SECONDS
# with status 0.
ends_within() {
    if ! wait_exit "$started" "$1"; then
        echo "still running $1 s after $2"
        return 1
    elif ((status != 0)); then
        echo "exit status $status"
        return 1
    fi
}

# Waits up to SECONDS for the copy asked to end by HOW to do so, and reports it as the check
# "NAME: program ends"; false if it did not.
program_ends() { expect "$1: program ends" -- ends_within "$2" "$3"; }

# Closes main window W and waits for the program to end; false, reported, if it does not.
quit_app() {
    close_window "$1"
    program_ends "$2" "$EXIT_WAIT" Alt+F4
}

# Where to click in the main window's client area.
readonly SOUND_X=76 SOUND_Y=52 INFO_X=18 INFO_Y=18

# Clicks the sound button of main window W; the alarm dialog's id is left in $dialog.
dialog=""
open_alarm_dialog() {
    click_at "$1" "$SOUND_X" "$SOUND_Y" || return 1
    if ! poll 5 window_shows "$started" '^Imposta allarme$'; then
        why="no window titled Imposta allarme within 5 s of the click"
        describe_windows "$started"
        return 1
    fi
    dialog=$found
}

# Starts the count with Enter and waits up to SECONDS for the title to reach REGEX.
start_count() {
    activate "$1" || return 1
    press Return || return 1
    poll "$3" title_matches "$1" "$2"
}

# --- scenarios ------------------------------------------------------------------------------

first_start() {
    local name="first start"
    new_scenario
    start_here
    expect "$name: window appears" -- main_window "$started" || return
    expect "$name: title" -- title_is "$w" "$TITLE"
    expect "$name: stays on top" -- on_top_soon "$w" "($(xprop -id "$w" _NET_WM_STATE 2>&1))"
}

enter_starts() {
    local name="Enter starts the count"
    new_scenario
    shown_app || return
    # 10 s: a busy machine delays the key, the tick and the reading of the title.
    expect "$name" -- start_count "$w" '^0:00:0[1-9]$' 10
}

# A fresh copy whose count has reached LEAST s or more (one digit); the count the title showed
# in $seen. Reports the caller's $name as failed otherwise.
seen=""
counting_app() {
    new_scenario
    shown_app || return 1
    if ! start_count "$w" "^0:00:0[$1-9]$" 10; then
        not_ok "$name" "the count did not reach 0:00:0$1 within 10 s (title '$title')"
        return 1
    fi
    seen=$(seconds_of "$title")
}

closing_writes_files() {
    local name="closing the window"
    counting_app 1 || return
    quit_app "$w" "$name" || return
    expect "$name: timerpos.txt written" -- position_file_ok '#FALSE#'
    expect "$name: running count saved" -- running_count_saved 1 "$seen"
}

# The frame's corner is within 2 px of X, Y.
placed_at() {
    window_frame "$1" || { echo "$frame_error"; return 1; }
    ((fx >= $2 - 2 && fx <= $2 + 2 && fy >= $3 - 2 && fy <= $3 + 2)) && return 0
    echo "frame at x=$fx y=$fy, expected x=$2 y=$3"
    return 1
}

position_restored() {
    local name="position restored" place_at count_at
    local position="3000${CRLF}4500${CRLF}60${CRLF}0${CRLF}#FALSE#${CRLF}"
    new_scenario
    seed timerpos.txt "$position"
    seed conteggo.txt "3725$CRLF"
    place_at=$(stamp timerpos.txt)
    count_at=$(stamp conteggo.txt)
    shown_app || return

    expect "$name: window placed" -- placed_at "$w" 300 200
    expect "$name: title while stopped" -- title_is "$w" "$TITLE"

    close_window "$w"
    if ! wait_exit "$started" "$EXIT_WAIT"; then
        not_ok "$name: saved again" "still running $EXIT_WAIT s after Alt+F4"
        return
    fi
    expect "$name: saved again" -- rewritten timerpos.txt "$position" "$place_at"
    expect "$name: count kept" -- rewritten conteggo.txt "3725$CRLF" "$count_at"
}

second_copy() {
    local name="second copy" first second box before after
    new_scenario
    seed timerpos.txt "1500${CRLF}1500${CRLF}60${CRLF}0${CRLF}#FALSE#${CRLF}"
    seed conteggo.txt "42$CRLF"
    start_here
    first=$started
    main_window "$first" || { not_ok "$name" "the first copy shows no window"; return; }
    before=$(fingerprint)

    start_here
    second=$started
    if ! poll 30 window_shows "$second" '^info$'; then
        not_ok "$name: message shown" "no window titled info within 30 s"
        return
    fi
    box=$found
    ok "$name: message shown"
    expect "$name: no second main window" -- no_window "$second" '^Conteggo'

    activate "$box" && press Return
    expect "$name: ends after OK" -- ends_within 5 "Return on the message"
    after=$(fingerprint)
    expect "$name: files untouched" -- unchanged "$before" "$after"
    expect "$name: first copy still runs" -- window_shows "$first" '^Conteggo'
}

# The dialog closes within 3 s; if an ERRORE message came instead, says so.
dialog_closes() {
    poll 3 no_window "$started" '^Imposta allarme$' && return 0
    why="still open 3 s after Return$(window_shows "$started" '^ERRORE$' &&
        echo ", with an ERRORE message")"
    return 1
}

alarm_set() {
    local name="alarm set"
    new_scenario
    shown_app || return
    if ! height_is "$w" 76; then
        not_ok "$name" "client height $height with the alarm off, expected 76"
        return
    fi
    expect "$name: dialog opens" -- open_alarm_dialog "$w" || return
    expect "$name: main window leaves the top" -- leaves_top "$w" "with the dialog open"

    # Commas are decimal points: 1.5 and 0.5 minutes.
    activate "$dialog" && press ctrl+a && type_text "1,5" && press Tab ctrl+a &&
        type_text "0,5" && press Tab space Return
    expect "$name: OK closes the dialog" -- dialog_closes || return
    expect "$name: progress bar shown" -- poll 3 height_is "$w" 88
    expect "$name: main window back on top" -- on_top_soon "$w" "after the dialog closed"

    quit_app "$w" "$name" || return
    expect "$name: alarm saved" -- position_lines '#TRUE#' 90 30
}

# The dialog is still open, with the main window off the top.
dialog_open() {
    window_shows "$started" '^Imposta allarme$' && not_on_top "$1" && return 0
    echo "the dialog closed with the message"
    return 1
}

alarm_refused() {
    local name="alarm refused" box
    new_scenario
    shown_app || return
    if ! open_alarm_dialog "$w"; then
        not_ok "$name" "$why"
        return
    fi
    # The interval's text starts selected, so typing replaces it.
    activate "$dialog" && type_text 0 && press Return
    if ! poll 5 window_shows "$started" '^ERRORE$'; then
        not_ok "$name: error shown" "no window titled ERRORE within 5 s of Return on interval 0"
        describe_windows "$started"
        return
    fi
    ok "$name: error shown"
    box=$found
    activate "$box" && press Return
    if ! poll 3 no_window "$started" '^ERRORE$'; then
        not_ok "$name: dialog stays open" "the ERRORE message is still shown 3 s after Return"
        return
    fi
    expect "$name: dialog stays open" -- dialog_open "$w" || return

    # If Escape closed the dialog, Return would go to the main window instead of failing again.
    activate "$dialog" && press Escape Return
    if ! poll 5 window_shows "$started" '^ERRORE$'; then
        not_ok "$name: Escape leaves the dialog open" "no ERRORE for Return after Escape"
        return
    fi
    ok "$name: Escape leaves the dialog open"
    activate "$found" && press Return
    poll 3 no_window "$started" '^ERRORE$'

    close_window "$dialog"
    expect "$name: close box closes the dialog" -- \
        window_goes "$started" '^Imposta allarme$' Alt+F4 || return
    expect "$name: main window back on top" -- on_top_soon "$w" "after the dialog closed"
    expect "$name: alarm still off" -- height_is "$w" 76

    quit_app "$w" "$name" || return
    expect "$name: nothing saved" -- position_lines '#FALSE#' 60
}

# The frame's centre is within 20 px of the 1024x768 screen's.
centred() {
    window_frame "$1" || return 1
    local dx=$((fx + fw / 2 - 512)) dy=$((fy + fh / 2 - 384))
    ((dx >= -20 && dx <= 20 && dy >= -20 && dy <= 20)) && return 0
    why="frame ${fw}x$fh at x=$fx y=$fy on a 1024x768 screen"
    return 1
}

centred_soon() {
    poll 3 centred "$1" && return 0
    [[ -n $frame_error ]] && why=$frame_error
    return 1
}

information_window() {
    local name="information window" info
    new_scenario
    shown_app || return
    click_at "$w" "$INFO_X" "$INFO_Y"
    if ! poll 5 window_shows "$started" '^INFO$'; then
        not_ok "$name: opens" "no window titled INFO within 5 s of clicking the picture"
        describe_windows "$started"
        return
    fi
    ok "$name: opens"
    info=$found
    expect "$name: main window leaves the top" -- leaves_top "$w" "with INFO open"
    expect "$name: centred" -- centred_soon "$info"
    close_window "$info"
    expect "$name: close box closes it" -- window_goes "$started" '^INFO$' Alt+F4 || return
    expect "$name: main window back on top" -- on_top_soon "$w" "after INFO closed"
}

# Each scenario, then whatever it left running is ended.
run() {
    "$@"
    end_apps
}

run first_start
run enter_starts
run closing_writes_files
run position_restored
run second_copy
run alarm_set
run alarm_refused
run information_window

report_end
