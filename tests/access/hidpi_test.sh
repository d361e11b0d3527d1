#!/usr/bin/env bash
# At a scale factor of 2 the real program's pictures (the buttons, the "i", the information
# window's bubble) are drawn from their SVG at twice the size, not stretched from 1x: each
# matches the double-size drawing far better than a stretched one.
# Usage: hidpi_test.sh PATH_TO_CONTEGGO
set -u
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
harness_setup conteggo-hidpi "$@"
need_tools "xvfb openbox x11-utils xdotool imagemagick librsvg2-bin python3-pil" \
    Xvfb openbox xprop xdotool import rsvg-convert
if ! /usr/bin/python3 -c 'import PIL' 2>/dev/null; then
    need_tools "python3-pil" pil-for-/usr/bin/python3
fi
here=$(cd "$(dirname "$0")" && pwd)
svg="$here/../../resources/pictures"

start_desktop
# The pointer away from the window, so that no button shows hovered.
timeout 5 xdotool mousemove 1023 767 >/dev/null 2>&1
start_app "$(new_dir work)" QT_SCALE_FACTOR=2
pid=$started
main_window "$pid" || { report_end; exit 1; }
twice() { window_geometry "$w" && ((win_w == 394)); }
expect "the window is twice its size" -- poll 10 twice

# Device pixels: each button's 32-pixel picture is centred in its 41-pixel square, the "i"
# in its 20-pixel one; the bubble sits at the top-left of its box.
shoot() { import -window "$1" "$2" 2>/dev/null; }
# Each picture's figures go to the log as comments; the last line of a failure is the reason.
matches() {
    /usr/bin/python3 "$here/picture_match.py" "$@" >"$top/match.out"
    local status=$?
    sed 's/^/# /' "$top/match.out" >&2
    ((status == 0)) || grep blurry "$top/match.out" | tr '\n' ' '
    return "$status"
}
expect "main window screenshot" -- poll 10 shoot "$w" "$top/main.png"
expect "main window pictures are crisp" -- matches "$top/main.png" 2 "$svg" \
    eye_open:25:73:32 speaker_off:121:73:32 play:217:73:32 reset:313:73:32 info_glyph:20:20:16

info_shows() { window_shows "$pid" '^INFO$'; }
f1_opens() { activate "$w" && press F1 && poll 20 info_shows; }
expect "F1 opens the information window" -- f1_opens
expect "information window screenshot" -- poll 10 shoot "$found" "$top/info.png"
expect "the bubble is crisp" -- matches "$top/info.png" 2 "$svg" info_bubble:16:32:32

report_end
