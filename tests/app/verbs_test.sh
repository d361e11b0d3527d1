#!/usr/bin/env bash
# The command-line verbs with the real program on a private desktop, as commands: their exit
# statuses and lines with no copy running, with the count stopped, running and with the alarm
# dialog or the information window open; a frozen copy; --toggle five times; 50 commands at
# once; another user at the socket; a killed copy's socket.
# Usage: verbs_test.sh PATH_TO_CONTEGGO
set -u
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
harness_setup conteggo-verbs "$@"
need_tools "xvfb openbox x11-utils xdotool python3" Xvfb openbox xprop xwininfo xdotool python3
start_desktop

readonly COUNT_RE='^[0-9]+:[0-9]{2}:[0-9]{2}$'
# Where to click in the main window's client area: the sound button and the picture.
readonly SOUND_X=76 SOUND_Y=52 INFO_X=18 INFO_Y=18
socket="$XDG_RUNTIME_DIR/conteggo.socket"

# --- helpers ----------------------------------------------------------------------------------

work=""
# A fresh working folder holding the count 5.
new_work() {
    work=$(new_dir work)
    printf '5\r\n' >"$work/conteggo.txt"
}

# run_verb WORD [STEM]: `conteggo --WORD` as a command in the working folder; its exit status
# into $vstatus (and its own), its output into $top/STEM.out and .err (STEM: verb).
vstatus="" verr="" vstem=verb
run_verb() {
    vstem=${2:-verb}
    (cd "$work" && exec timeout -k 2 20 "$app" "--$1" >"$top/$vstem.out" 2>"$top/$vstem.err")
    vstatus=$?
    verr=$(<"$top/$vstem.err")
    return "$vstatus"
}

# verb_waited PID STEM: what `run_verb WORD STEM &`, started as PID, ended with.
verb_waited() {
    wait "$1"
    vstatus=$? vstem=$2
    verr=$(<"$top/$vstem.err")
}

# verb_gives WORD STATUS [TEXT]: the command ends with STATUS: 0 silently, 1 with one line
# holding TEXT.
verb_gives() {
    run_verb "$1"
    verb_ended "$2" "${3:-}"
}

# verb_ended STATUS [TEXT]: the last command judged as verb_gives says.
verb_ended() {
    if [[ $vstatus != "$1" ]]; then
        why="exit status $vstatus, not $1 (${verr//$'\n'/ })"
        return 1
    fi
    if (($1 == 0)); then
        [[ -z $verr && ! -s $top/$vstem.out ]] && return 0
        why="it printed: $verr$(<"$top/$vstem.out")"
        return 1
    fi
    [[ $(grep -c '' "$top/$vstem.err") == 1 && $verr == *"$2"* ]] && return 0
    why="standard error: ${verr//$'\n'/ | }"
    return 1
}

# count_is N: conteggo.txt holds exactly the count N.
count_is() {
    read_count "$work/conteggo.txt" && ((count == $1)) && return 0
    why="conteggo.txt holds $(shown), not $1"
    return 1
}

# count_at_least N: conteggo.txt holds a count of N or more.
count_at_least() { read_count "$work/conteggo.txt" && ((count >= $1)); }

# unchanged TEXT: conteggo.txt holds exactly TEXT.
unchanged() {
    load "$work/conteggo.txt"
    [[ $contents == "$1" ]] && return 0
    why="conteggo.txt holds $(shown), not $(printf '%q' "$1")"
    return 1
}

# map_state_is W STATE: xwininfo's map state of window W (IsViewable, IsUnMapped).
map_state_is() {
    local state
    state=$(xwininfo -id "$1" 2>/dev/null | sed -n 's/.*Map State: *//p')
    [[ $state == "$2" ]] && return 0
    why="map state $state"
    return 1
}

counting() { poll 5 title_matches "$w" "$COUNT_RE"; }
stopped() { poll 5 title_is "$w" "$TITLE"; }

# A plain copy in the working folder, its main window in $w.
running_copy() {
    start_app "$work"
    main_window "$started"
}

# No process holds the instance lock: no copy runs.
lock_free() { flock -n "$XDG_RUNTIME_DIR/conteggo.lock" true 2>/dev/null; }

# The copy of this scenario ends, so that the next one starts alone.
end_copy() {
    end_apps
    poll 5 lock_free || :
}

# The lines the running copy wrote on standard error so far.
app_lines() {
    local n
    n=$(grep -c '' "$app_log" 2>/dev/null)
    echo "${n:-0}"
}

# Each verb's effect in each state is test_session's to judge, and the socket's own behaviour
# test_verb_server's. This script owns the command's side: its exit status and its one line,
# and what only processes show.

# --- with no copy running ---------------------------------------------------------------------

no_copy() {
    local name="no copy running" verb
    for verb in stop reset; do
        new_work
        expect "$name: --$verb says so, status 1" -- \
            verb_gives "$verb" 1 "Conteggo non è in esecuzione"
        expect "$name: --$verb leaves the count" -- unchanged "5$CRLF"
        expect "$name: --$verb leaves no copy behind" -- saying "the lock is held" lock_free
    done
    for verb in start toggle; do
        new_work
        start_app "$work" -- "--$verb"
        expect "$name: --$verb starts the program" -- main_window "$started" || continue
        expect "$name: --$verb starts the count" -- counting
        expect "$name: --$verb copy takes verbs" -- verb_gives stop 0
        expect "$name: --$verb copy saved the count at the stop" -- \
            saying "conteggo.txt: $(shown)" read_count "$work/conteggo.txt"
        end_copy
    done
    new_work
    start_app "$work" -- --show
    expect "$name: --show starts the program" -- main_window "$started" &&
        expect "$name: --show leaves it stopped" -- title_is "$w" "$TITLE"
    end_copy
    # As a session manager restores it: with Qt's own options.
    new_work
    start_app "$work" -- -session 1a2b_3c4d -reverse
    expect "$name: a copy restored by the session shows its window" -- main_window "$started"
    end_copy
}

# --- each verb in each state -----------------------------------------------------------------

stopped_and_running() {
    local name="copy running" before
    new_work
    expect "$name: window" -- running_copy || return
    expect "stopped: --stop refused" -- verb_gives stop 1 "già fermo"
    timeout 5 xdotool windowminimize "$w" >/dev/null 2>&1
    if poll 5 map_state_is "$w" IsUnMapped; then
        expect "minimised: --show" -- verb_gives show 0
        expect "minimised: --show brings the window back" -- poll 5 map_state_is "$w" IsViewable
    fi
    expect "stopped: --start" -- verb_gives start 0
    expect "stopped: --start starts the count" -- counting
    expect "running: --start refused" -- verb_gives start 1 "già in corso"
    expect "running: --reset refused" -- verb_gives reset 1 "fermalo prima"
    poll 5 title_matches "$w" '^0:00:0[6-9]$' || :
    expect "running: --stop" -- verb_gives stop 0
    load "$work/conteggo.txt"
    before=$contents
    expect "stopped: --stop refused again" -- verb_gives stop 1 "già fermo"
    expect "stopped: --reset" -- verb_gives reset 0
    expect "stopped: --toggle starts" -- verb_gives toggle 0
    expect "stopped: --toggle starts the count" -- counting
    expect "running: --toggle stops" -- verb_gives toggle 0

    end_copy
}

# Each verb while a modal window is open: refused with one line, nothing changes.
modal_open() {
    local name before
    new_work
    expect "modal: window" -- running_copy || return
    name="alarm dialog open"
    click_at "$w" "$SOUND_X" "$SOUND_Y"
    expect "$name: the dialog opens" -- poll 5 window_shows "$started" '^Imposta allarme$' ||
        return
    local dialog=$found
    expect "$name: --start refused" -- verb_gives start 1 "finestra"
    expect "$name: the dialog is still open" -- window_shows "$started" '^Imposta allarme$'
    close_window "$dialog"
    expect "$name: the dialog closes" -- poll 5 no_window "$started" '^Imposta allarme$'
    expect "$name closed: --start works again" -- verb_gives start 0
    expect "$name closed: counting" -- counting

    name="information window open while counting"
    click_at "$w" "$INFO_X" "$INFO_Y"
    expect "$name: it opens" -- poll 5 window_shows "$started" '^INFO$' || return
    local info=$found
    load "$work/conteggo.txt"
    before=$contents
    expect "$name: --stop refused" -- verb_gives stop 1 "finestra"
    close_window "$info"
    expect "$name: it closes" -- poll 5 no_window "$started" '^INFO$'
    expect "$name closed: --stop works" -- verb_gives stop 0
    expect "$name closed: stopped" -- stopped
    end_copy
}

# Process PID has connected to the socket (beside the two sockets it has from its start).
waits_on_socket() { (($(find "/proc/$1/fd" -lname 'socket:*' 2>/dev/null | wc -l) >= 3)); }

# A copy that cannot answer (stopped, as when swapped out or blocked in a save): commands say
# so and start nothing; a verb they gave up on never happens later; a command waiting for it
# ends on SIGTERM (143; ignoring it would end the wait with 1).
frozen_copy() {
    local name="frozen copy" toggling showing waiting ended
    new_work
    expect "$name: window" -- running_copy || return
    kill -STOP "$started"
    # The three commands wait for it side by side: one deadline for all.
    run_verb toggle toggle &
    toggling=$!
    run_verb show show &
    showing=$!
    (cd "$work" && exec "$app" --stop 2>/dev/null) &
    waiting=$!
    poll 10 waits_on_socket "$waiting"
    kill -TERM "$waiting"
    wait "$waiting"
    ended=$?
    expect "$name: a waiting command ends on SIGTERM" -- saying "status $ended" test $ended -eq 143
    verb_waited "$toggling" toggle
    expect "$name: --toggle is not answered" -- verb_ended 1 "non ha risposto"
    verb_waited "$showing" show
    expect "$name: --show starts no other copy" -- verb_ended 1 "non ha risposto"
    kill -CONT "$started"
    expect "$name: resumed, it answers" -- verb_gives show 0
    # Owned by test_verb_server (a sender that has gone, a verb past its deadline).
    end_copy
}

# A verb from a launcher's menu (which sets DESKTOP_STARTUP_ID) ends the launcher's start-up
# notice, though the command shows no window.
startup_notice() {
    local name="launcher's start-up notice" listener
    new_work
    expect "$name: window" -- running_copy || return
    /usr/bin/python3 "$(dirname "$0")/startup_listener.py" >"$top/startup.out" 2>&1 &
    listener=$!
    track "$listener"
    poll 10 grep -qx ready "$top/startup.out"
    DESKTOP_STARTUP_ID=conteggo-test_TIME0 run_verb toggle
    expect "$name: --toggle ends it" -- \
        poll 10 grep -qx 'remove: ID=conteggo-test_TIME0' "$top/startup.out"
    end_process "$listener"
    end_copy
}

# --- repeated and concurrent commands ----------------------------------------------------------

toggle_five_times() {
    local name="--toggle five times" n failures="" before
    new_work
    expect "$name: window" -- running_copy || return
    for n in 1 2 3 4 5; do
        run_verb toggle
        [[ $vstatus == 0 && -z $verr ]] || failures+=" #$n: status $vstatus $verr"
    done
    expect "$name: each ends with status 0" -- saying "$failures" test -z "$failures"
    expect "$name: the count runs" -- counting
    expect "$name: the file holds a count" -- saying "conteggo.txt: $(shown)" \
        read_count "$work/conteggo.txt"
    before=${count:-0}
    expect "$name: --stop" -- verb_gives stop 0
    expect "$name: the count stops" -- stopped
    expect "$name: a count no smaller after the stop" -- saying "conteggo.txt: $(shown)" \
        count_at_least "$before"
    end_copy
}

# N commands at once: VERB... handed out in turn. Their statuses into $statuses (sorted,
# counted), their standard error into $top/many.*.err.
statuses=""
many_at_once() {
    local n=$1 i pids=() verbs
    shift
    verbs=("$@")
    rm -f "$top"/many.*
    for ((i = 0; i < n; i++)); do
        (
            cd "$work" || exit
            timeout -k 2 60 "$app" "--${verbs[i % ${#verbs[@]}]}" >/dev/null 2>"$top/many.$i.err"
            echo $? >"$top/many.$i.status"
        ) &
        pids+=($!)
    done
    wait "${pids[@]}"
    statuses=$(cat "$top"/many.*.status | sort | uniq -c | tr -s ' \n' ' ')
}

fifty_at_once() {
    local name="50 commands at once" lines
    new_work
    expect "$name: window" -- running_copy || return
    many_at_once 50 toggle
    expect "$name: 50 toggles all done" -- \
        saying "statuses:$statuses; $(cat "$top"/many.*.err | sort | uniq -c | head -n 3)" \
        test "$statuses" == " 50 0 "
    expect "$name: an even number of toggles leaves it stopped" -- stopped
    expect "$name: the file holds a count" -- saying "conteggo.txt: $(shown)" \
        read_count "$work/conteggo.txt"
    expect "$name: still answers at once" -- verb_gives show 0

    many_at_once 50 start stop
    lines=$(cat "$top"/many.*.err | grep -vc -e "già in corso" -e "già fermo")
    expect "$name: starts and stops: each done or refused" -- saying "statuses:$statuses" \
        test -z "$(grep -LxE '0|1' "$top"/many.*.status)"
    expect "$name: starts and stops: a refusal is one clear line" -- \
        saying "$lines other lines: $(cat "$top"/many.*.err | head -n 3)" test "$lines" -eq 0
    run_verb stop
    expect "$name: then it stops" -- stopped
    expect "$name: the program ran on" -- alive "$started"
    expect "$name: the file holds a count" -- saying "conteggo.txt: $(shown)" \
        read_count "$work/conteggo.txt"
    end_copy
}

# --- the socket itself ------------------------------------------------------------------------

# A process of the user "nobody" fails to connect.
stranger_refused() {
    ! setpriv --reuid=65534 --regid=65534 --clear-groups timeout 10 python3 -c \
        "import socket,sys; socket.socket(socket.AF_UNIX).connect(sys.argv[1])" \
        "$socket" 2>/dev/null
}

stranger_refused_socket() {
    local name="socket"
    new_work
    expect "$name: window" -- running_copy || return
    if ((EUID == 0)) && command -v setpriv >/dev/null; then
        # The runtime folder is 0700 and the socket 0600: nobody else gets in.
        expect "socket: another user cannot connect" -- saying "nobody connected" \
            stranger_refused
    fi
    end_copy
}

# A copy killed with SIGKILL leaves its socket: commands find no copy there, and the next
# copy takes the path over.
killed_copy() {
    local name="killed copy"
    new_work
    expect "$name: window" -- running_copy || return
    kill_now "$started"
    expect "$name: its socket is left" -- test -S "$socket"
    expect "$name: --stop finds no copy" -- verb_gives stop 1 "non è in esecuzione"
    expect "$name: a new copy starts" -- running_copy || return
    expect "$name: and takes verbs" -- verb_gives start 0
    expect "$name: counting" -- counting
    end_copy
}

no_copy
stopped_and_running
modal_open
frozen_copy
startup_notice
toggle_five_times
fifty_at_once
stranger_refused_socket
killed_copy
report_end
