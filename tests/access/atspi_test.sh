#!/usr/bin/env bash
# What a screen reader finds in the real program, through the AT-SPI registry on a private
# session bus: the three windows' controls all named and in their roles, the alarm's bar with
# its value and maximum, and a count started and stopped through the "press" action alone.
# F1 opens the information window.
# Usage: atspi_test.sh PATH_TO_CONTEGGO
set -u
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
harness_setup conteggo-atspi "$@"
need_tools "xvfb openbox x11-utils xdotool at-spi2-core python3-pyatspi" \
    Xvfb openbox xprop xdotool /usr/libexec/at-spi-bus-launcher
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    need_tools "python3-pyatspi" pyatspi-for-/usr/bin/python3
fi
tool=$(dirname "$0")/atspi_tool.py
export CONTEGGO_TITLE=$TITLE
atspi() { timeout 20 /usr/bin/python3 "$tool" "$@"; }

start_desktop
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$top/atspi.log" 2>&1 &
track $!
atspi_ready() { timeout 5 /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' \
    >/dev/null 2>&1; }
poll 20 atspi_ready || {
    echo "the AT-SPI registry did not start: $(tail -n 3 "$top/atspi.log")" >&2
    exit 1
}

work=$(new_dir work)
# The alarm on, every 5 minutes, and a count of 2:05, so the bar shows.
printf '0\r\n0\r\n300\r\n60\r\n#TRUE#\r\n' >"$work/timerpos.txt"
printf '125\r\n' >"$work/conteggo.txt"
start_app "$work" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
pid=$started
main_window "$pid" || { report_end; exit 1; }
shows() { atspi shows "$pid" "$1" >/dev/null; }
closed() { ! shows "$1"; }

expect "the main window is known to the registry" -- poll 30 shows "$TITLE"
expect "main window: every control named, in its role" -- atspi check "$pid" "$TITLE"
bar_is() {
    [[ $(atspi value "$pid" "Avanzamento verso il prossimo suono") == \
        "125 di 300 secondi; 125 of 300" ]]
}
expect "the bar tells its value and maximum, in words and as a value" -- saying \
    "$(atspi value "$pid" "Avanzamento verso il prossimo suono")" bar_is

expect "the alarm button opens the alarm dialog" -- \
    passes atspi press "$pid" "Allarme attivo, ogni 5 minuti: impostazioni"
expect "the alarm dialog shows" -- poll 20 shows "Imposta allarme"
expect "alarm dialog: every control named, in its role" -- atspi check "$pid" "Imposta allarme"
expect "Annulla closes it" -- passes atspi press "$pid" "Annulla"
expect "the alarm dialog is gone" -- poll 20 closed "Imposta allarme"

expect "the i opens the information window" -- passes atspi press "$pid" "Informazioni"
expect "the information window shows" -- poll 20 shows "INFO"
expect "information window: every control named, in its role" -- atspi check "$pid" "INFO"
close_info() {
    window_shows "$pid" '^INFO$' && close_window "$found"
    poll 10 closed "INFO"
}
expect "the information window closes" -- close_info

f1_opens() { activate "$w" && press F1 && poll 20 shows "INFO"; }
expect "F1 opens the information window" -- f1_opens
expect "and it closes again" -- close_info

# Start and stop with the press action alone: no key, no click.
expect "Avvia starts the count" -- passes atspi press "$pid" "Avvia"
expect "the title runs" -- poll 20 title_matches "$w" '^0:02:0[6-9]$'
expect "Ferma stops it" -- passes atspi press "$pid" "Ferma"
expect "the title is back" -- poll 20 title_is "$w" "$TITLE"
saved_more() { read_count "$work/conteggo.txt" && ((count > 125)); }
expect "the count is saved" -- poll 10 saved_more
close_main() { close_and_wait "$pid" "$w"; }
expect "the program ends at Alt+F4" -- close_main

report_end
