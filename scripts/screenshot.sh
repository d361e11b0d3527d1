#!/usr/bin/env bash
# Takes the README's pictures of the main window, frame included, on a private X server:
# docs/screenshot-alarm-off.png (first start, no files), docs/screenshot-alarm-on.png
# (alarm every 5 minutes with a 1-minute warning, count at 1:02:05), and the alarm-on window
# at 200 % (docs/screenshot-200-percent.png) and under the dark Adwaita style
# (docs/screenshot-dark.png); then the alarm dialog in each language the program speaks
# (docs/screenshot-dialog-LANGUAGE.png) and the information window in Italian and English.
# Usage: scripts/screenshot.sh
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" \
    "${DESKTOP_TEST_PACKAGES[@]}" x11-apps imagemagick adwaita-qt6 || exit 1

bash "$root/scripts/build.sh" plain conteggo || exit 1

# shellcheck source=SCRIPTDIR/../tests/support/harness.sh
source "$root/tests/support/harness.sh"
app="$root/build/app/conteggo" # after the harness, which starts with none
harness_scratch conteggo-screenshot
start_desktop
# The pointer out of the way, so no button shows hovered and no tip opens.
xdotool mousemove 1023 767

# The window's frame extents are set: openbox has framed it, so the picture takes the frame.
framed() { window_frame "$1"; }

# Starts the program in a scratch folder holding the given files (name, contents, ...),
# with $shot_env added to its environment, and saves its framed window to docs/NAME.png.
shot_env=()
open_with=() # X Y TITLE: the point of the main window to click, the title of what opens
shoot() {
    local name=$1 work
    shift
    work=$(new_dir work)
    while (($#)); do
        printf '%s' "$2" >"$work/$1"
        shift 2
    done
    start_app "$work" XDG_RUNTIME_DIR="$(new_dir runtime)" "${shot_env[@]}"
    if ! main_window "$started" || ! poll 10 framed "$w"; then
        echo "no framed window for $name: $why $frame_error" >&2
        exit 1
    fi
    # The first paint: the window's picture holds still over two looks 0.2 s apart.
    poll 10 painted "$w"
    if ((${#open_with[@]})); then
        # A modal window, opened by a click on the main window: its picture instead.
        click_at "$w" "${open_with[0]}" "${open_with[1]}"
        if ! poll 10 window_shows "$started" "${open_with[2]}" || ! poll 10 framed "$found"; then
            echo "no framed window ${open_with[2]} for $name: $why $frame_error" >&2
            exit 1
        fi
        xdotool mousemove 1023 767
        poll 10 painted "$found"
    fi

    mkdir -p "$root/docs"
    import -window root -crop "${fw}x$fh+$fx+$fy" +repage -strip "$root/docs/$name.png" || exit 1
    echo "docs/$name.png: ${fw}x$fh"

    kill -TERM "$started"
    wait_exit "$started" 5 || kill_now "$started"
}

# True once window W shows the same, non-empty picture twice, 0.2 s apart.
painted() {
    local a b
    a=$(xwd -silent -id "$1" 2>/dev/null | md5sum)
    sleep 0.2
    b=$(xwd -silent -id "$1" 2>/dev/null | md5sum)
    [[ $a == "$b" && -n $a ]]
}

shoot screenshot-alarm-off
shoot screenshot-alarm-on \
    timerpos.txt $'0\r\n0\r\n300\r\n60\r\n#TRUE#\r\n' \
    conteggo.txt $'3725\r\n'
alarm_on=(timerpos.txt $'0\r\n0\r\n300\r\n60\r\n#TRUE#\r\n' conteggo.txt $'3725\r\n')
shot_env=(QT_SCALE_FACTOR=2)
shoot screenshot-200-percent "${alarm_on[@]}"
shot_env=(QT_STYLE_OVERRIDE=Adwaita-Dark)
shoot screenshot-dark "${alarm_on[@]}"
# title_of CONTEXT TEXT LANGUAGE: a pattern for xdotool of the text as the program shows it in
# LANGUAGE, from the language's translation file; letters beyond ASCII (which xdotool's patterns
# take byte by byte) and signs stand for anything.
title_of() {
    /usr/bin/python3 - "$@" "$root/translations/conteggo_$3.ts" <<'PY'
import re, sys, xml.etree.ElementTree as ET
context, text, language, file = sys.argv[1:5]
if language != "it":
    for found in ET.parse(file).getroot().iter("context"):
        for message in found.iter("message"):
            if found.findtext("name") == context and message.findtext("source") == text:
                text = message.findtext("translation")
print("^" + re.sub(r"[^A-Za-z0-9 ]+", ".*", text) + "$")
PY
}

declare -A locale_of=([it]=it_IT [en]=en_US [de]=de_DE [fr]=fr_FR [es]=es_ES)
for language in it en de fr es; do
    shot_env=(LANGUAGE="$language" LANG="${locale_of[$language]}.UTF-8")
    open_with=(76 52 "$(title_of conteggo::Dialog "Imposta allarme" "$language")")
    shoot "screenshot-dialog-$language" "${alarm_on[@]}"
    if [[ $language == it || $language == en ]]; then
        open_with=(18 18 "$(title_of conteggo::infomio INFO "$language")")
        shoot "screenshot-information-$language" "${alarm_on[@]}"
    fi
done
