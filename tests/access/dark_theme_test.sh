#!/usr/bin/env bash
# Under a real dark Qt style (Adwaita-Dark, from adwaita-qt6) the real program's coloured
# texts stay readable: the count stopped and running and the information window's three
# coloured lines reach a contrast of 4.5:1 with the background actually drawn.
# Usage: dark_theme_test.sh PATH_TO_CONTEGGO
set -u
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
harness_setup conteggo-dark-theme "$@"
need_tools "xvfb openbox x11-utils xdotool imagemagick python3-pil" \
    Xvfb openbox xprop xdotool import
style_plugin=$(find /usr/lib/*/qt6/plugins/styles -name 'adwaita*.so' 2>/dev/null | head -n 1)
if [[ -z $style_plugin ]]; then
    need_tools "adwaita-qt6" adwaita-qt6-style-plugin
fi
if ! /usr/bin/python3 -c 'import PIL' 2>/dev/null; then
    need_tools "python3-pil" pil-for-/usr/bin/python3
fi
here=$(cd "$(dirname "$0")" && pwd)

start_desktop
timeout 5 xdotool mousemove 1023 767 >/dev/null 2>&1
work=$(new_dir work)
start_app "$work" QT_STYLE_OVERRIDE=Adwaita-Dark
pid=$started
main_window "$pid" || { report_end; exit 1; }

shoot() { import -window "$1" "$2" 2>/dev/null; }
# readable NAME SHOT X Y W H: the text in that area reaches 4.5:1 on a dark background; the
# figures go to the log.
readable() {
    local name=$1 figures ratio text background
    shift 1
    figures=$(/usr/bin/python3 "$here/contrast.py" "$@") || return 1
    read -r ratio text background <<<"$figures"
    echo "# $name: $ratio:1, text $text on $background" >&2
    if ! /usr/bin/python3 -c "import sys; sys.exit(0 if sum(int('$background'[i:i+2], 16) for i in (1, 3, 5)) < 3 * 128 else 1)"; then
        echo "the background $background is not dark: the dark style did not apply"
        return 1
    fi
    awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' && return 0
    echo "contrast $ratio:1 ($text on $background)"
    return 1
}

# The count: Label1 at 32, 4, 137 x 24 in the client area.
expect "screenshot, stopped" -- poll 10 shoot "$w" "$top/stopped.png"
expect "the count stopped is readable" -- readable stopped "$top/stopped.png" 32 4 137 24
runs() { title_matches "$w" '^0:00:0[1-9]$'; }
start_count() { activate "$w" && press Return && poll 20 runs; }
expect "Enter starts the count" -- start_count
expect "screenshot, running" -- poll 10 shoot "$w" "$top/running.png"
expect "the count running is readable" -- readable running "$top/running.png" 32 4 137 24
stop_count() { activate "$w" && press Return && poll 20 title_is "$w" "$TITLE"; }
expect "Enter stops it" -- stop_count

info_shows() { window_shows "$pid" '^INFO$'; }
f1_opens() { activate "$w" && press F1 && poll 20 info_shows; }
expect "F1 opens the information window" -- f1_opens
expect "screenshot, information" -- poll 10 shoot "$found" "$top/info.png"
expect "the version line is readable" -- readable version "$top/info.png" 72 8 129 25
expect "the credits line is readable" -- readable credits "$top/info.png" 72 32 201 25
expect "the web address is readable" -- readable address "$top/info.png" 72 56 153 17

report_end
