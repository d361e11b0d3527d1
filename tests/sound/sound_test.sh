#!/usr/bin/env bash
# Listens to what the real program sends to a real sound server: a private PulseAudio with a
# null sink whose monitor is recorded while the program counts under its alarm. The ring and the
# advance warning must sound at their moments of counted time, with silence in between; a ring
# file that is no sound (a pipe) must stay silent, hold nothing up and be reported once.
# Usage: sound_test.sh PATH_TO_CONTEGGO
set -u
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$(dirname "$0")/../support/harness.sh"
# No "conteggo" in its name, so that the server and the recorder, whose command lines hold it,
# never pass for copies of the program.
harness_setup sound-test "$@"
need_tools "pulseaudio pulseaudio-utils sox xvfb xdotool dbus" pulseaudio pactl parecord sox \
    soxi Xvfb xdotool timeout awk dbus-daemon
defaults=$(dirname "$app")/../share/conteggo/sounds
if [[ ! -f $defaults/suono1.wav || ! -f $defaults/suono2.wav ]]; then
    echo "no default sounds beside the program: $defaults" >&2
    exit 1
fi

# No reset between the runs: a program connecting while the server resets would fail.
start_xvfb_only -screen 0 1024x768x24 -noreset

# Keeps the user's settings and sound server out of the runs.
export HOME=$top/home XDG_CONFIG_HOME=$top/home/.config
mkdir -p "$XDG_CONFIG_HOME"
unset PULSE_SINK PULSE_SOURCE PULSE_COOKIE
export PULSE_SERVER=unix:$top/pulse.sock

# --- the sound server -------------------------------------------------------------------------

# As root it warns that it is meant for users; the warning is harmless here. Its higher
# priority (as root, nice -11) keeps a busy machine from starving the recording.
mkdir -m 700 "$top/pulse-runtime"
XDG_RUNTIME_DIR=$top/pulse-runtime pulseaudio --daemonize=no --exit-idle-time=-1 \
    --disallow-exit -n --use-pid-file=no --realtime=no --high-priority=yes \
    --load="module-null-sink sink_name=nullsink" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$top/pulse.sock" \
    >"$top/pulse.log" 2>&1 &
pulse_pid=$!
track "$pulse_pid"
server_answers() { alive "$pulse_pid" && timeout 5 pactl info >/dev/null 2>&1; }
if ! poll 15 server_answers; then
    echo "PulseAudio did not start:" >&2
    tail -n 20 "$top/pulse.log" >&2
    exit 1
fi

# Seconds on the system's boot clock, the program's own, to 10 ms: no clock setting moves it.
clock_seconds() {
    read_clock
    printf '%d.%02d\n' $((now / 100)) $((now % 100))
}

# --- the recording --------------------------------------------------------------------------

# 16-bit stereo at 44.1 kHz behind a 44-byte header: a file's size tells how much it holds.
readonly BYTES_PER_SECOND=176400 HEADER=44

# Seconds of sound in the recording so far; parecord writes each block as it comes.
recorded() {
    local size
    size=$(stat -c %s "$1" 2>/dev/null) || size=$HEADER
    awk -v s="$size" -v h="$HEADER" -v r="$BYTES_PER_SECOND" 'BEGIN { printf "%.3f", (s - h) / r }'
}

recording_flows() { (($(stat -c %s "$1" 2>/dev/null || echo 0) > HEADER + BYTES_PER_SECOND / 2)); }

recorder_pid=""

# A short latency keeps the null sink rendering in small blocks; with its default of seconds a
# sound that starts mid-block loses its beginning in the monitor.
start_recording() {
    parecord --latency-msec=20 --format=s16le --rate=44100 --channels=2 -d nullsink.monitor \
        --file-format=wav "$1" 2>"$top/parecord.log" &
    recorder_pid=$!
    track "$recorder_pid" INT
    # Half a second recorded: the server sends in real time by then.
    poll 10 recording_flows "$1"
}

# Stops the recording and leaves its length in seconds in $length, or why not. Not for a
# subshell: only this shell can wait for parecord to finish the file's header.
length=""
stop_recording() {
    local status
    if gone "$recorder_pid"; then
        wait "$recorder_pid"
        status=$?
        forget "$recorder_pid"
        recorder_pid=""
        length="parecord had ended with status $status: $(head -c 300 "$top/parecord.log")"
        return 1
    fi
    end_process "$recorder_pid"
    recorder_pid=""
    length=$(soxi -D "$1" 2>&1)
}

# The loudest sample of each 10 ms block, one a line, both channels taken.
envelope() {
    sox "$1" -t dat - | awk '
        /^;/ { next }
        {
            b = int($1 * 100)
            for (i = 2; i <= NF; i++) {
                v = $i < 0 ? -$i : $i
                if (v > peak[b]) peak[b] = v
            }
            if (b > last) last = b
        }
        END { for (b = 0; b <= last; b++) printf "%.6f\n", peak[b] + 0 }'
}

# Blocks louder than this are sound; the null sink gives exact zeros otherwise.
readonly LOUD=0.003

# Each sound in a recording as "onset end peak" in seconds.
sounds_in() { envelope "$1" | awk -v loud="$LOUD" -f "$(dirname "$0")/sounds.awk"; }

# --- checking a recording against the alarm ---------------------------------------------------

# A file's own sound as "peak length", measured as the recording's are.
reference() { sounds_in "$1" | awk 'NR == 1 { printf "%s %.2f\n", $3, $2 - $1 }'; }

# The moments of counted time 1..FINAL at which the alarm with INTERVAL and ADVANCE sounds:
# "ring:K" (or "RING_KIND:K") and "warn:K". A sound due at FINAL itself is "cut:K": the program
# was ended within that second, while it played.
moments() {
    local interval=$1 advance=$2 final=$3 ring_kind=${4:-ring} k kind list=()
    for ((k = 1; k <= final; k++)); do
        kind=""
        ((k % interval == 0)) && kind=$ring_kind
        (((k + advance) % interval == 0)) && kind="warn"
        [[ -z $kind ]] && continue
        [[ $k == "$final" && $kind != none ]] && kind="cut"
        list+=("$kind:$k")
    done
    echo "${list[*]}"
}

# --- running the program --------------------------------------------------------------------

# Recorded more than SECONDS of sound.
recorded_beyond() { awk -v l="$(recorded "$1")" -v s="$2" 'BEGIN { exit !(l > s) }'; }

# Follows the count in window W's title, read every 20 ms, until it reaches SECONDS. The
# program counts whole seconds of the boot clock, so count k shows k s after counted time 0;
# a count is seen some time after it shows, never before, and longer after on a busy machine.
# The least of the recording's positions at the first sight of each count, less the count, is
# where counted time 0 lies in the recording: $origin. The first count seen is $first_seen.
last_seen="" first_seen="" origin=""
count_reaches() {
    local k
    read_title "$1"
    k=$(seconds_of "$title") || return 1
    if [[ $k != "$last_seen" ]]; then
        [[ -z $last_seen ]] && first_seen=$k
        last_seen=$k
        origin=$(awk -v p="$(recorded "$2")" -v k="$k" -v o="$origin" \
            'BEGIN { v = p - k; if (o != "" && o + 0 < v) v = o; printf "%.3f", v }')
    fi
    ((k >= $3))
}

# Runs PROGRAM in WORK with the alarm every INTERVAL seconds and the warning ADVANCE seconds
# before, from a count of 0 until the title shows UNTIL, while recording. On success the
# recording is $top/NAME.wav, $origin its second where counted time 0 lies and $final the count
# the program saved when it ended; the program's stderr is $top/NAME.err.
final="" time_kept=""
alarm_run() {
    local name=$1 program=$2 work=$3 interval=$4 advance=$5 until=$6
    local rec=$top/$name.wav runtime pressed seen position stopped pid
    runtime=$(new_dir runtime)
    printf '0\r\n0\r\n%s\r\n%s\r\n#TRUE#\r\n' "$interval" "$advance" >"$work/timerpos.txt"
    rm -f "$work/conteggo.txt"

    if ! start_recording "$rec"; then
        not_ok "$name: recording" "under 0.5 s in 10 s: $(head -c 300 "$top/parecord.log")"
        return 1
    fi
    app=$program start_app "$work" XDG_RUNTIME_DIR="$runtime"
    pid=$started
    ln -sf "$app_log" "$top/$name.err"
    if ! main_window "$pid"; then
        not_ok "$name: window" "none within 30 s; stderr: $(head -c 300 "$top/$name.err")"
        return 1
    fi
    # Focus starts on the start button, so Return starts the count.
    timeout 5 xdotool windowfocus --sync "$w" >/dev/null 2>&1
    pressed=$(clock_seconds)
    timeout 5 xdotool key Return >/dev/null 2>&1
    last_seen="" origin=""
    if ! poll_step=0.02 poll 10 count_reaches "$w" "$rec" 1; then
        not_ok "$name: count starts" "title '$title' 10 s after Return"
        return 1
    fi
    seen=$(clock_seconds)
    position=$(recorded "$rec")
    if ! poll_step=0.02 poll $((10#${until##*:} + 10)) count_reaches "$w" "$rec" \
        "$(seconds_of "$until")"; then
        not_ok "$name: count runs" "title '$title', never $until"
        return 1
    fi
    kill -TERM "$pid"
    wait_exit "$pid" "$EXIT_WAIT" || { kill_now "$pid"; status="none: still running $EXIT_WAIT s after SIGTERM"; }
    # A second more of recording, so that anything played at closing is heard.
    poll 10 recorded_beyond "$rec" "$(awk -v l="$(recorded "$rec")" 'BEGIN { print l + 1 }')"
    stopped=$(clock_seconds)
    if ! stop_recording "$rec"; then
        not_ok "$name: recording" "$length"
        return 1
    fi
    # The recording's position when the count showed places the count in it, if no sound was
    # lost since: the server's clock and the boot clock must agree to the end. A busy machine
    # may starve the sound server; such a recording says nothing of the program.
    if ! time_kept=$(awk -v s="$seen" -v e="$stopped" -v p="$position" -v l="$length" 'BEGIN {
        printf "%.2f s recorded over %.2f s", l - p, e - s; exit (l - p - (e - s))^2 > 0.25 }')
    then
        return 2
    fi
    if [[ $status != 0 ]]; then
        not_ok "$name: program ends" "exit status $status after SIGTERM"
    fi
    if ! read_count "$work/conteggo.txt"; then
        not_ok "$name: count saved" "conteggo.txt: $(cat -v "$work/conteggo.txt" 2>&1)"
        return 1
    fi
    final=$count
    ok "$name: count started: $(hms "$first_seen") shown $(awk -v s="$seen" -v p="$pressed" \
        'BEGIN { printf "%.2f", s - p }') s after Return; saved count $final"
    ok "$name: recording kept time: $time_kept"
}

# run_alarm NAME PROGRAM WORK INTERVAL ADVANCE UNTIL: alarm_run, made again (three times at
# most, and said) when the recording lost time; reported as failed after the third.
run_alarm() {
    local attempt result
    for attempt in 1 2 3; do
        alarm_run "$@"
        result=$?
        ((result == 2)) || return "$result"
        end_apps
        echo "# $1, run $attempt: the recording lost time ($time_kept)"
    done
    not_ok "$1: recording kept time" "$time_kept"
    return 1
}

# Judges recording NAME against MOMENTS with the sounds of RING_FILE and WARN_FILE (judge.awk).
judge() {
    local name=$1 moments=$2 ring warn verdict what why
    ring=$(reference "$3")
    warn=$(reference "$4")
    envelope "$top/$name.wav" >"$top/$name.env"
    awk -v loud="$LOUD" -f "$(dirname "$0")/sounds.awk" "$top/$name.env" >"$top/$name.sounds"
    while IFS=$'\t' read -r verdict what why; do
        if [[ $verdict == ok ]]; then
            ok "$name: $what"
        else
            not_ok "$name: $what" "$why"
        fi
    done < <(awk -v loud="$LOUD" -v origin="$origin" -v moments="$moments" -v ring="$ring" \
        -v warn="$warn" -f "$(dirname "$0")/judge.awk" "$top/$name.env" "$top/$name.sounds")
}

# Lines the program wrote on stderr that begin with its name.
own_lines() { grep -c '^Conteggo:' "$1"; }

# --- scenarios ------------------------------------------------------------------------------

# The program's own sounds, found beside it, ring and warn on time.
default_sounds() {
    local name="default sounds" work lines
    work=$(new_dir work)
    run_alarm "$name" "$app" "$work" 6 3 0:00:14 || return
    judge "$name" "$(moments 6 3 "$final")" "$defaults/suono2.wav" "$defaults/suono1.wav"
    lines=$(own_lines "$top/$name.err")
    expect "$name: nothing reported" -- saying \
        "$(grep '^Conteggo:' "$top/$name.err" | head -n 3 | tr '\n' '|')" test "$lines" -eq 0
}

# A copy of the program with no defaults beside it, in a folder with the warning and a pipe in
# the ring's place (as another user could put there in a shared folder): the program never
# waits on the pipe, the warning still plays, the rings are silent and reported once.
ring_file_a_pipe() {
    local name="ring file a pipe" work bin lines all
    work=$(new_dir work)
    bin=$(new_dir bin)
    cp "$app" "$bin/conteggo"
    cp "$defaults/suono1.wav" "$work/"
    mkfifo "$work/suono2.wav"
    run_alarm "$name" "$bin/conteggo" "$work" 4 2 0:00:12 || return
    judge "$name" "$(moments 4 2 "$final" none)" "$defaults/suono2.wav" "$work/suono1.wav"
    lines=$(own_lines "$top/$name.err")
    all=$(grep -c '' "$top/$name.err")
    if ((lines == 1)) && grep -q '^Conteggo: suono non riprodotto: .*suono2\.wav' \
        "$top/$name.err"; then
        ok "$name: reported once over $((final / 4)) rings ($all line(s) on stderr)"
    else
        not_ok "$name: reported once" "$lines lines: $(head -c 400 "$top/$name.err" | tr '\n' '|')"
    fi
}

# Each scenario, then whatever it left running (a copy, a recording) is ended: a copy still
# ringing would sound in the next one's recording.
scenario() {
    "$@"
    end_apps
    [[ -n $recorder_pid ]] && end_process "$recorder_pid"
    recorder_pid=""
}

scenario default_sounds
scenario ring_file_a_pipe

report_end
