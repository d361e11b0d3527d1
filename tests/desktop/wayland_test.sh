#!/usr/bin/env bash
# The program on a native Wayland session (a headless weston, no X display): it starts, ends
# through its closing sequence (and does end: Qt's Wayland teardown can hang), and writes lines
# 1 and 2 of "timerpos.txt" back as they were, since Wayland tells a window nothing of its place. Without Qt's Wayland plugin (a copy of the
# program beside a qt.conf whose plugin folder lacks it) it says so in one line and ends with
# status 1, writing nothing.
# Usage: wayland_test.sh PATH_TO_CONTEGGO
set -u
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
harness_setup conteggo-wayland "$@"
need_tools "weston qt6-base-dev-tools" weston qtpaths6

plugins=$(qtpaths6 --plugin-dir)
if ! compgen -G "$plugins/platforms/libqwayland-*.so" >/dev/null; then
    echo "missing Qt's Wayland plugin in $plugins (Debian package: qt6-wayland)" >&2
    [[ -n ${CI:-} ]] && exit 1
    echo "skipped"
    exit 77
fi

# A private configuration folder, as on the X desktops; the program's own environment below
# takes X11 away.
desktop_environment

socket=conteggo-wayland
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$top/weston.log" 2>&1 &
track $!
if ! poll 20 test -S "$XDG_RUNTIME_DIR/$socket"; then
    echo "weston did not start: $(tail -n 5 "$top/weston.log" | tr '\n' ' ')" >&2
    exit 1
fi

# Only Wayland: no X display, and Qt left to choose its platform.
wayland_env=(-u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY="$socket")

# The window has been configured by the compositor and drawn (Wayland's own debug log).
window_shown() {
    grep -q 'xdg_toplevel@[0-9]*\.configure' "$app_log" &&
        grep -q 'wl_surface@[0-9]*\.commit' "$app_log"
}

# ends_well PID: PID ends within 15 s, with status 0.
ends_well() {
    wait_exit "$1" 15 || { why="still running after 15 s"; return 1; }
    ((status == 0)) || { why="status $status"; return 1; }
}

# one_line_naming TEXT: the program's standard error is one line, naming TEXT.
one_line_naming() {
    (($(grep -c "" "$app_log") == 1)) && grep -q "^Conteggo: .*$1" "$app_log" && return 0
    why="standard error: $(head -c 600 "$app_log" | tr '\n' '|')"
    return 1
}

# rewritten FILE INODE: FILE is there and is not the file that had INODE (each save puts a new
# file in place of the old one).
rewritten() {
    local now
    now=$(stat -c %i -- "$1" 2>/dev/null) || { why="no $1"; return 1; }
    [[ $now != "$2" ]] && return 0
    why="$1 was not written"
    return 1
}

# run_session NAME POSITIONS EXPECTED: starts the program on weston over a place file holding
# POSITIONS (none when empty), ends it through its closing sequence and compares the file.
run_session() {
    local name=$1 positions=$2 expected=$3 work pid before
    work=$(new_dir work)
    [[ -n $positions ]] && printf '%s' "$positions" >"$work/timerpos.txt"
    printf '3725\r\n' >"$work/conteggo.txt"
    before=$(stat -c %i -- "$work/timerpos.txt" 2>/dev/null)
    start_app "$work" "${wayland_env[@]}" WAYLAND_DEBUG=client
    pid=$started
    if ! poll 30 window_shown; then
        not_ok "$name: shows its window" "no window; $(grep -v '^\[' "$app_log" | tail -n 2 |
            tr '\n' ' ')"
        return
    fi
    ok "$name: shows its window"
    # The session's end (SIGTERM) runs the same closing sequence as the window's close box.
    kill -TERM "$pid"
    expect "$name: ends with status 0" -- ends_well "$pid"
    expect "$name: the closing wrote timerpos.txt" -- rewritten "$work/timerpos.txt" "$before"
    load "$work/timerpos.txt"
    expect "$name: lines 1 and 2 as they were" -- \
        saying "timerpos.txt is $(shown)" test "$contents" == "$expected"
    load "$work/conteggo.txt"
    expect "$name: the count saved" -- saying "conteggo.txt is $(shown)" \
        test "$contents" == "3725$CRLF"
}

run_session "stored place" $'2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n' \
    $'2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n'
run_session "right-hand monitor" $'0\r\n54345\r\n60\r\n0\r\n#FALSE#\r\n' \
    $'0\r\n54345\r\n60\r\n0\r\n#FALSE#\r\n'
run_session "window above the screen" $'-450\r\n-45\r\n300\r\n60\r\n#TRUE#\r\n' \
    $'-450\r\n-45\r\n60\r\n0\r\n#FALSE#\r\n'
run_session "no file" "" $'0\r\n0\r\n60\r\n0\r\n#FALSE#\r\n'

# A copy of the program whose Qt sees every plugin but the Wayland ones.
copy=$(new_dir copy)
mkdir -p "$copy/bin" "$copy/plugins/platforms"
cp -- "$app" "$copy/bin/conteggo"
for dir in "$plugins"/*; do
    case ${dir##*/} in
    platforms | wayland-*) ;;
    *) ln -s -- "$dir" "$copy/plugins/" ;;
    esac
done
for plugin in "$plugins"/platforms/*; do
    [[ ${plugin##*/} == libqwayland-* ]] || ln -s -- "$plugin" "$copy/plugins/platforms/"
done
printf '[Paths]\nPlugins = ../plugins\n' >"$copy/bin/qt.conf"

work=$(new_dir work)
app=$copy/bin/conteggo
start_app "$work" "${wayland_env[@]}"
if wait_exit "$started" 30; then
    expect "no Wayland plugin: status 1" -- saying "status $status" test "$status" -eq 1
else
    not_ok "no Wayland plugin: status 1" "still running after 30 s"
fi
expect "no Wayland plugin: one line naming qt6-wayland" -- one_line_naming qt6-wayland
expect "no Wayland plugin: nothing written" -- saying "the folder holds: $(ls -A "$work")" \
    test -z "$(ls -A "$work")"

report_end
