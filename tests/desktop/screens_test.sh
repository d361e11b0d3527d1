#!/usr/bin/env bash
# Where the window comes back on wide desktops and several monitors (Xvfb and openbox): every
# corner of a 3840 and a 5760 px wide screen, and of the right-hand monitor of two, comes back
# to the pixel and is written back unchanged; a place stored on a monitor that is gone, or left
# on a monitor unplugged while the program runs, comes back fully into sight.
# Usage: screens_test.sh PATH_TO_CONTEGGO
set -u
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
harness_setup conteggo-screens "$@"
need_tools "xvfb openbox x11-utils x11-xserver-utils xdotool" Xvfb openbox xprop xwininfo \
    xrandr xdotool

# A place file for a frame at X, Y pixels, the alarm off.
place_file() {
    printf '%d\r\n%d\r\n60\r\n0\r\n#FALSE#\r\n' $(($3 * 15)) $(($2 * 15)) >"$1/timerpos.txt"
}

# Lines 1 and 2 of the place file in DIR, as "top left" in twips.
stored_place() { tr -d '\r' <"$1/timerpos.txt" | head -n 2 | tr '\n' ' ' | sed 's/ $//'; }

# frame_at X Y: the main window's frame has its corner at X, Y.
frame_at() {
    window_frame "$w" || { why=$frame_error; return 1; }
    [[ $fx == "$1" && $fy == "$2" ]] && return 0
    why="the frame is at $fx,$fy, not $1,$2"
    return 1
}

# frame_inside X Y W H: the whole frame lies inside that area.
frame_inside() {
    window_frame "$w" || { why=$frame_error; return 1; }
    ((fx >= $1 && fy >= $2 && fx + fw <= $1 + $3 && fy + fh <= $2 + $4)) && return 0
    why="the frame ${fw}x$fh+$fx+$fy is not inside ${3}x$4+$1+$2"
    return 1
}

# Starts the program in DIR and waits for its framed main window ($w).
open_in() {
    start_app "$1"
    main_window "$started" && poll 10 window_frame "$w"
}

# Closes the window as the user would and waits for the program to end. A copy that does not
# end is killed, so that the next start is not refused for it.
close_app() {
    local pid=$started
    close_and_wait "$pid" "$w" && ((status == 0)) && return 0
    why="the program did not end by a close (status ${status:-none})"
    gone "$pid" || { describe_windows "$pid"; kill_now "$pid"; }
    return 1
}

# round_trip NAME X Y: a frame stored at X, Y opens there, to the pixel, and the closing writes
# the same place back.
round_trip() {
    local name=$1 x=$2 y=$3 work
    work=$(new_dir work)
    place_file "$work" "$x" "$y"
    if ! open_in "$work"; then
        not_ok "$name: opens" "$why"
        return
    fi
    expect "$name: opens at $x,$y" -- poll 10 frame_at "$x" "$y"
    expect "$name: closes" -- close_app
    expect "$name: written back" -- saying "lines 1-2: $(stored_place "$work")" \
        test "$(stored_place "$work")" == "$((y * 15)) $((x * 15))"
}

# The frame's size, from a first start in the middle of the screen.
frame_size() {
    local work
    work=$(new_dir work)
    place_file "$work" 300 300
    open_in "$work" || { echo "no framed main window: $why" >&2; exit 1; }
    window_frame "$w" || { echo "$frame_error" >&2; exit 1; }
    close_app || { echo "$why" >&2; exit 1; }
    echo "# the frame is ${fw}x$fh"
}

# Every corner of a WIDTH x HEIGHT screen, and a place beyond 16 bits of twips.
corners() {
    local width=$1 height=$2 right bottom
    right=$((width - fw)) bottom=$((height - fh))
    round_trip "$width px, top-left" 0 0
    round_trip "$width px, top-right" "$right" 0
    round_trip "$width px, bottom-left" 0 "$bottom"
    round_trip "$width px, bottom-right" "$right" "$bottom"
    round_trip "$width px, at x = 3000" 3000 500
}

start_desktop -screen 0 3840x1080x24
frame_size
corners 3840 1080
# Partly off the left edge, but easily in reach: it stays where it was.
round_trip "frame 10 px off the left edge" -10 100
desktop_down

start_desktop -screen 0 5760x1080x24
corners 5760 1080
desktop_down

# Two monitors of 1920 x 1080 side by side on one 3840 px screen.
start_desktop -screen 0 3840x1080x24
two_monitors() {
    xrandr --setmonitor left 1920/508x1080/286+0+0 screen >/dev/null &&
        xrandr --setmonitor right 1920/508x1080/286+1920+0 none >/dev/null
}
expect "two monitors" -- two_monitors
round_trip "right-hand monitor, top-right" $((3840 - fw)) 0
round_trip "right-hand monitor, bottom-left" 1920 $((1080 - fh))

# Unplugged while the program runs: the window comes back onto the left-hand monitor.
work=$(new_dir work)
place_file "$work" 3000 500
if open_in "$work"; then
    expect "unplugged: first on the right-hand monitor" -- poll 10 frame_at 3000 500
    expect "unplugged: monitor removed" -- xrandr --delmonitor right
    expect "unplugged: comes back onto the left one" -- poll 10 frame_inside 0 0 1920 1080
    expect "unplugged: closes" -- close_app
    expect "unplugged: its new place is written" -- saying "lines 1-2: $(stored_place "$work")" \
        test "$(stored_place "$work")" == "$((fy * 15)) $((fx * 15))"
else
    not_ok "unplugged: opens" "$why"
fi

# Stored on the monitor that is gone, and far beyond any screen: both open fully in sight.
for at in "3000 500" "2000 2000" "-5000 40" "100000 100000"; do
    read -r x y <<<"$at"
    work=$(new_dir work)
    place_file "$work" "$x" "$y"
    if open_in "$work"; then
        expect "stored at $x,$y: opens in sight" -- poll 10 frame_inside 0 0 1920 1080
        close_app >/dev/null
    else
        not_ok "stored at $x,$y: opens" "$why"
    fi
done

desktop_down

# The place a second monitor left behind on a lone 1920 x 1200 screen: 30000 twips each way.
start_desktop -screen 0 1920x1200x24
work=$(new_dir work)
printf '30000\r\n30000\r\n60\r\n0\r\n#FALSE#\r\n' >"$work/timerpos.txt"
if open_in "$work"; then
    expect "30000 twips on 1920 x 1200: opens in sight" -- poll 10 frame_inside 0 0 1920 1200
    echo "# it opened at $fx,$fy"
    expect "30000 twips on 1920 x 1200: closes" -- close_app
else
    not_ok "30000 twips on 1920 x 1200: opens" "$why"
fi

report_end
