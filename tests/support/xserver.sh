# A private X server (Xvfb) and window manager (openbox) for a test run. Needs $top, the
# run's scratch folder, for their logs, and a `poll SECONDS COMMAND...` from the caller.
# The callers hold $xvfb_pid and $wm_pid, set here, to end the two at their cleanup.
# shellcheck shell=bash
# Xvfb's own further options are optional, and most callers give none.
# shellcheck disable=SC2034,SC2154,SC2119,SC2120

xvfb_display_written() {
    [[ $(cat "$top/display" 2>/dev/null) == *[0-9]* ]] && kill -0 "$xvfb_pid" 2>/dev/null
}

# Starts Xvfb on a free display, with any further Xvfb options given, logging to
# $top/xvfb.log; its pid goes to $xvfb_pid. Waits up to 10 s for it to name its display and
# exports that as DISPLAY; false if it did not.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "$@" 3>"$top/display" \
        >"$top/xvfb.log" 2>&1 &
    xvfb_pid=$!
    poll 10 xvfb_display_written || return 1
    DISPLAY=":$(tr -dc '0-9' <"$top/display")"
    export DISPLAY
}

wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Starts openbox on $DISPLAY, logging to $top/openbox.log; its pid goes to $wm_pid. Waits up
# to 10 s for it to take charge of the screen; false if it did not.
start_openbox() {
    openbox --sm-disable >"$top/openbox.log" 2>&1 &
    wm_pid=$!
    poll 10 wm_ready
}

# start_xvfb, or the end of the script with the last lines of Xvfb's log.
need_xvfb() {
    start_xvfb "$@" && return 0
    echo "Xvfb did not start:" >&2
    tail -n 20 "$top/xvfb.log" >&2
    exit 1
}

# start_openbox, or the end of the script with the last lines of openbox's log.
need_openbox() {
    start_openbox && return 0
    echo "openbox did not start:" >&2
    tail -n 20 "$top/openbox.log" >&2
    exit 1
}
