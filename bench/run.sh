#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Measures Conteggo side by side with two peer stopwatches, kronometer and gnome-clocks, under
# a private Xvfb with openbox, each program run with a private session bus of its own:
#   - launch to window mapped and viewable; memory of the process tree 3 s after launch;
#   - CPU time and wake-ups per second over a stretch stopped and a stretch running;
#   - Conteggo only: the shown count over minutes of running with both cores busy, counting
#     the seconds it skips or shows too long.
# Prints Markdown tables: medians over the runs, then the ratios and the targets.
#
# Usage: bash bench/run.sh [--runs N] [--seconds S] [--cadence-minutes M] [--program PATH]
#                          [--peers "kronometer gnome-clocks floor"|none]
#                          [--variant LABEL:VAR=V,...] [--no-perf]
#   --runs N             launches of each program (default 5)
#   --seconds S          length of the stopped and of the running stretch (default 60; 0: none)
#   --cadence-minutes M  minutes of the display cadence run (default 10; 0: none)
#   --peers LIST         the programs beside Conteggo; "floor" is a bare Qt 6 window of one label
#                        (bench/floor.cpp, built here), the least any Qt Widgets program costs
#   --variant L:V=X,...  Conteggo once more with these variables set, shown as row L (repeatable)
#   --no-perf            no perf record: the wake-up bursts column stays empty
# Quick look: bash bench/run.sh --runs 1 --seconds 10 --cadence-minutes 1
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
here="$root/bench"
runs=5
seconds=60
cadence_minutes=10
program="$root/build/app/conteggo"
peers=(kronometer gnome-clocks)
variants=()
use_perf=1
command_line="bash bench/run.sh${*:+ $*}"

while (($#)); do
    case $1 in
    --runs) runs=$2; shift ;;
    --seconds) seconds=$2; shift ;;
    --cadence-minutes) cadence_minutes=$2; shift ;;
    --program) program=$2; shift ;;
    --peers) if [[ $2 == none ]]; then peers=(); else read -ra peers <<<"$2"; fi
        shift
        ;;
    --variant) variants+=("$2"); shift ;;
    --no-perf) use_perf=0 ;;
    *)
        sed -n '3,/^set /p' "$0" | sed '$d; s/^# \{0,1\}//' >&2
        exit 2
        ;;
    esac
    shift
done

# shellcheck source=../scripts/packages.sh
source "$root/scripts/packages.sh"
# shellcheck source=../tests/support/harness.sh
source "$root/tests/support/harness.sh"
# shellcheck source=lib.sh
source "$here/lib.sh"

debian_peers=()
for peer in "${peers[@]}"; do
    [[ $peer == floor ]] || debian_peers+=("$peer")
done
bash "$root/scripts/deps.sh" "${DESKTOP_TEST_PACKAGES[@]}" x11-apps dbus procps stress-ng \
    "${debian_peers[@]}" || exit 1
((use_perf)) && ! command -v perf >/dev/null && bash "$root/scripts/deps.sh" linux-perf
if ((use_perf)) && ! perf record -q -o /dev/null -e sched:sched_switch true >/dev/null 2>&1; then
    echo "perf cannot record scheduler events here: no wake-up bursts" >&2
    use_perf=0
fi
if [[ ! -x $program ]]; then
    bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" || exit 1
    bash "$root/scripts/build.sh" plain conteggo >/dev/null || exit 1
fi
program=$(readlink -f "$program")

pid=""
harness_scratch conteggo-bench
scratch=$top
# The programs' own trees go first, while their parents still tell what belongs to them.
at_cleanup_start() {
    local one
    finish
    for one in "${started_pids[@]}"; do
        alive "$one" && end_tree "$one"
    done
}

unset XDG_CURRENT_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION
start_desktop -screen 0 1280x1024x24
xvfb_server=$xvfb_pid
hz=$(getconf CLK_TCK)

# --- the programs ---------------------------------------------------------------------------

# Each row: a label, the kind of program (how it is driven), and extra environment.
labels=(conteggo)
declare -A kind=([conteggo]=conteggo) extra=([conteggo]="")
for peer in "${peers[@]}"; do
    labels+=("$peer")
    kind[$peer]=$peer
    extra[$peer]=""
done
for variant in "${variants[@]}"; do
    label=${variant%%:*}
    labels+=("$label")
    kind[$label]=conteggo
    extra[$label]=${variant#*:}
done

# The floor, built from its source with Debian's Qt and hardened as Debian builds its packages,
# as the program is (immediate binding costs every program a few ms at each start).
if [[ " ${peers[*]} " == *" floor "* ]]; then
    bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" pkg-config dpkg-dev || exit 1
    # shellcheck disable=SC2046  # the flags' words are meant to split
    g++ $(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get LDFLAGS) -fPIC \
        -o "$scratch/floor" "$here/floor.cpp" $(pkg-config --cflags --libs Qt6Widgets) || exit 1
fi

command_of() {
    case $1 in
    conteggo) echo "$program" ;;
    floor) echo "$scratch/floor" ;;
    *) command -v "$1" ;;
    esac
}

# The keys that bring the stopwatch in view, and the key that starts it.
show_stopwatch() {
    case $1 in
    gnome-clocks) xdotool key --clearmodifiers alt+3 ;; # the third tab
    esac
}
start_key() {
    case $1 in
    conteggo) echo Return ;;
    *) echo space ;;
    esac
}

# A home per program, kept over its runs like a user's (settings, caches); a working directory
# and a 0700 runtime directory for each run.
declare -A home
for label in "${labels[@]}"; do
    home[$label]=$(mktemp -d "$scratch/home.XXXXXX")
done

# The window is viewable, or the program ended without one.
shown_or_gone() { find_window "$1" || { gone "$1" && window=""; }; }

window=""
find_window() {
    window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1)
    [[ -n $window ]] && xwininfo -id "$window" 2>/dev/null | grep -q IsViewable
}

# Launches LABEL with a fresh bus; sets pid, launched_at (µs) and shown_ms.
launch() {
    local label=$1 work runtime vars=()
    work=$(mktemp -d "$scratch/work.XXXXXX")
    runtime=$(mktemp -d "$scratch/runtime.XXXXXX")
    chmod 700 "$runtime"
    start_bus || { echo "dbus-daemon did not start" >&2; return 1; }
    [[ -n ${extra[$label]} ]] && IFS=, read -ra vars <<<"${extra[$label]}"
    launched_at=${EPOCHREALTIME/./}
    (cd "$work" && exec env HOME="${home[$label]}" XDG_RUNTIME_DIR="$runtime" \
        DBUS_SESSION_BUS_ADDRESS="$bus_address" QT_QPA_PLATFORM=xcb "${vars[@]}" \
        "$(command_of "${kind[$label]}")" >>"$scratch/$label.log" 2>&1) &
    pid=$!
    started_pids+=("$pid")
    shown_ms=""
    # Looked for every 5 ms, for the start-up figure.
    if ! poll_step=0.005 poll 30 shown_or_gone "$pid" || [[ -z $window ]]; then
        echo "$label: no window" >&2
        return 1
    fi
    shown_ms=$(((${EPOCHREALTIME/./} - launched_at) / 1000))
}

finish() {
    local helper
    [[ -n ${pid:-} ]] && end_tree "$pid"
    [[ -n ${bus_pid:-} ]] || return 0
    for helper in $(bus_helpers); do
        end_tree "$helper"
    done
    end_tree "$bus_pid"
    pid="" bus_pid=""
}

# Sleeps until S seconds after the launch.
sleep_until() {
    local left=$(($1 * 1000000 - (${EPOCHREALTIME/./} - launched_at)))
    ((left > 0)) && sleep "$(printf '%d.%06d' $((left / 1000000)) $((left % 1000000)))"
}

# CPU ms/s, switches/s, bursts/s of the program's tree and the X server's CPU ms/s over a
# stretch of the given seconds (the /proc figures over the time it really took).
stretch() {
    local pids before after xbefore xafter bursts began
    mapfile -t pids < <(tree_pids "$pid")
    began=${EPOCHREALTIME/./}
    read -r -a before < <(usage_of "${pids[@]}")
    read -r -a xbefore < <(usage_of "$xvfb_server")
    bursts=$(count_bursts "$seconds" "${pids[@]}")
    read -r -a after < <(usage_of "${pids[@]}")
    read -r -a xafter < <(usage_of "$xvfb_server")
    awk -v c="$((after[0] - before[0]))" -v w="$((after[1] - before[1]))" -v b="$bursts" \
        -v x="$((xafter[0] - xbefore[0]))" -v s="$(((${EPOCHREALTIME/./} - began) / 1000))" \
        -v hz="$hz" 'BEGIN { s /= 1000
            printf "%.2f %.2f %s %.2f", c * 1000 / hz / s, w / s, b, x * 1000 / hz / s }'
}

# One run of LABEL: one line of figures in results.
measure() {
    local label=$1 run=$2 tree memory helpers helpers_pss stopped="- - - -" running="- - - -" state=""
    if ! launch "$label"; then
        finish
        echo "$label $run - - - - - - - - - - - - - no-window" >>"$scratch/results"
        return
    fi
    sleep_until 3
    mapfile -t tree < <(tree_pids "$pid")
    memory=$(memory_of "${tree[@]}")
    mapfile -t helpers < <(bus_helpers "${tree[@]}")
    helpers_pss=$(memory_of "${helpers[@]}" | cut -d' ' -f1)
    if ((seconds > 0)); then
        xdotool windowactivate --sync "$window" >/dev/null 2>&1
        show_stopwatch "${kind[$label]}"
        sleep 2
        changes "$window" && state+="moving-while-stopped,"
        stopped=$(stretch)
        xdotool windowactivate --sync "$window" >/dev/null 2>&1
        xdotool key --clearmodifiers "$(start_key "${kind[$label]}")"
        sleep 0.5
        changes "$window" || state+="not-started,"
        running=$(stretch)
        changes "$window" || state+="not-running-at-end,"
    fi
    state=${state%,}
    echo "$label $run $shown_ms $memory $helpers_pss $stopped $running ${state:-ok}" \
        >>"$scratch/results"
    finish
}

# --- launches ---------------------------------------------------------------------------------

for label in "${labels[@]}"; do # one unmeasured launch each: files in the page cache for all
    launch "$label" >/dev/null 2>&1
    sleep 1
    finish
done
for ((run = 1; run <= runs; run++)); do
    for label in "${labels[@]}"; do # interleaved, so that a slow spell touches all alike
        echo "run $run/$runs: $label" >&2
        measure "$label" "$run"
    done
done

# --- display cadence --------------------------------------------------------------------------

cadence=""
if ((cadence_minutes > 0)); then
    echo "display cadence: $cadence_minutes min" >&2
    if launch conteggo; then
        xdotool windowactivate --sync "$window" >/dev/null 2>&1
        xdotool key Return
        # Every title the window gets, when it gets it; stdbuf so each line comes at once.
        stdbuf -oL xprop -spy -id "$window" _NET_WM_NAME 2>/dev/null |
            while IFS= read -r line; do echo "${EPOCHREALTIME} ${line}"; done \
                >"$scratch/events" &
        spy_pid=$!
        started_pids+=("$spy_pid")
        stress-ng --cpu "$(nproc)" --timeout $((cadence_minutes * 60 + 30))s \
            >/dev/null 2>&1 &
        load_pid=$!
        started_pids+=("$load_pid")
        # A read that times out on a FIFO nobody writes: a pause without starting a process.
        mkfifo "$scratch/never"
        exec {never}<>"$scratch/never"
        end=$((SECONDS + cadence_minutes * 60))
        while ((SECONDS < end)); do
            echo "$EPOCHREALTIME $(xdotool getwindowname "$window" 2>/dev/null)"
            read -r -t 0.1 -u "$never"
        done >"$scratch/samples"
        end_tree "$load_pid"
        end_tree "$spy_pid"
        cadence=$(awk -f "$here/cadence.awk" "$scratch/samples" &&
            awk -v events=1 -f "$here/cadence.awk" "$scratch/events")
    fi
    finish
fi

# --- report -----------------------------------------------------------------------------------

bash "$here/report.sh" "$scratch/results" "$command_line" "$program" "$runs" "$seconds" \
    "$cadence_minutes" "$cadence" "${labels[@]}"
