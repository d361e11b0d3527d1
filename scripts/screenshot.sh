#!/usr/bin/env bash
# Takes the README's pictures of the main window, frame included, on a private X server:
# docs/screenshot-alarm-off.png (first start, no files) and docs/screenshot-alarm-on.png
# (alarm every 5 minutes with a 1-minute warning, count at 1:02:05).
# Usage: scripts/screenshot.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" \
    xvfb openbox x11-utils xdotool imagemagick

cmake -S "$root" -B "$root/build" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target conteggo
app="$root/build/app/conteggo"

top=$(mktemp -d "${TMPDIR:-/tmp}/conteggo-screenshot.XXXXXX")
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill -TERM "${pids[i]}" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf -- "$top"
}
trap cleanup EXIT

# Runs the command every 0.1 s until it succeeds or SECONDS (whole) pass.
poll() {
    local tries=$(($1 * 10 + 1))
    shift
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Keeps the user's own settings (openbox's, Qt's) out of the pictures.
export XDG_CONFIG_HOME="$top/config"
mkdir -p "$XDG_CONFIG_HOME"
unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$top/display" >"$top/xvfb.log" 2>&1 &
pids+=($!)
display_written() { [[ $(cat "$top/display" 2>/dev/null) == *[0-9]* ]]; }
poll 10 display_written || { cat "$top/xvfb.log" >&2; exit 1; }
DISPLAY=":$(tr -dc '0-9' <"$top/display")"
export DISPLAY
openbox --sm-disable >"$top/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
poll 10 wm_ready || { cat "$top/openbox.log" >&2; exit 1; }
# The pointer out of the way, so no button shows hovered and no tip opens.
xdotool mousemove 1023 767

window=""
window_shows() {
    window=$(xdotool search --onlyvisible --pid "$1" --name '^Conteggo' 2>/dev/null | head -n 1)
    [[ -n $window ]]
}

# Starts the program in a scratch folder holding the given files (name, contents, ...),
# and saves its framed window to docs/NAME.png.
shoot() {
    local name=$1 work runtime pid geometry extents ax ay cw ch fl fr ft fb
    shift
    work=$(mktemp -d "$top/work.XXXXXX")
    runtime=$(mktemp -d "$top/runtime.XXXXXX")
    chmod 700 "$runtime"
    while (($#)); do
        printf '%s' "$2" >"$work/$1"
        shift 2
    done
    (cd "$work" && XDG_RUNTIME_DIR="$runtime" exec "$app" >"$top/$name.log" 2>&1) &
    pid=$!
    pids+=("$pid")
    if ! poll 30 window_shows "$pid"; then
        echo "no window for $name:" >&2
        cat "$top/$name.log" >&2
        exit 1
    fi
    # Time for the first paint and the frame's extents to settle.
    sleep 1

    # The frame is the client window widened by the window manager's edges.
    geometry=$(xwininfo -id "$window")
    ax=$(sed -n 's/.*Absolute upper-left X: *\(-\?[0-9]*\).*/\1/p' <<<"$geometry")
    ay=$(sed -n 's/.*Absolute upper-left Y: *\(-\?[0-9]*\).*/\1/p' <<<"$geometry")
    cw=$(sed -n 's/^ *Width: *\([0-9]*\).*/\1/p' <<<"$geometry")
    ch=$(sed -n 's/^ *Height: *\([0-9]*\).*/\1/p' <<<"$geometry")
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p')
    IFS=', ' read -r fl fr ft fb <<<"$extents"
    mkdir -p "$root/docs"
    import -window root -crop "$((cw + fl + fr))x$((ch + ft + fb))+$((ax - fl))+$((ay - ft))" \
        +repage -strip "$root/docs/$name.png"
    echo "docs/$name.png: $((cw + fl + fr))x$((ch + ft + fb))"

    kill -TERM "$pid"
    wait "$pid" || true
}

shoot screenshot-alarm-off
shoot screenshot-alarm-on \
    timerpos.txt $'0\r\n0\r\n300\r\n60\r\n#TRUE#\r\n' \
    conteggo.txt $'3725\r\n'
