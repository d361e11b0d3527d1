#!/usr/bin/env bash
# SIGKILL at random moments: while the program starts, while it stands stopped, and while it
# counts with an autosave every few milliseconds, so that many kills land in a save. After
# each kill conteggo.txt must be absent (no save yet) or one whole CR LF line, its count
# never ahead of the true count and never behind it by more than one autosave interval plus
# one second, and the next start in the same folder (leftover temporary files included) must
# read it back. Trials run in chains of ten in one folder; each chain starts without the file
# but with a temporary file such as a kill in a save leaves.
# Usage: kill_test.sh PATH_TO_CONTEGGO [TRIALS]   (20 in CI; 500 or more for the long run)
set -u
usage="PATH_TO_CONTEGGO [TRIALS]"
# shellcheck source=SCRIPTDIR/reliability_lib.sh
source "$(dirname "$0")/reliability_lib.sh"

trials=${2:-20}
readonly CHAIN=10
readonly INTERVALS=(1 2 5 50 200)  # autosave, milliseconds

fail() { note_failure "$1" "trial $trial: $2"; }

running_trials=0 stopped_trials=0 absent=0 leftovers=0 in_save=0 pinned=0 max_lag=0
declare -A lags=()

temporary_files() { compgen -G "$work/conteggo.txt.*" | wc -l; }

# Nothing but the count file and the leftovers of interrupted saves may be in the folder.
stray_files() {
    local path name
    for path in "$work"/* "$work"/.[!.]* "$work"/..?*; do
        [[ -e $path ]] || continue
        name=${path##*/}
        [[ $name == conteggo.txt || $name == conteggo.txt.* ]] || printf '%s ' "$name"
    done
}

# A kill at a random moment in the first 0.8 s: starting, or shown and stopped. Nothing is
# saved while stopped, so the folder must be as it was.
stopped_trial() {
    local pid=$1 temps_before=$2 after
    stopped_trials=$((stopped_trials + 1))
    sleep_cs $((RANDOM % 80))
    if gone "$pid"; then
        wait "$pid"
        fail ended "the program ended by itself (status $?) while starting"
        forget "$pid"
        return
    fi
    kill_now "$pid"
    if [[ -f $top/before ]]; then
        cmp -s "$top/before" "$work/conteggo.txt" ||
            fail unchanged "conteggo.txt changed while stopped: $(load "$work/conteggo.txt"; shown)"
    elif [[ -e $work/conteggo.txt ]]; then
        fail unchanged "conteggo.txt appeared while stopped"
    fi
    after=$(temporary_files)
    ((after == temps_before)) || fail unchanged "$((after - temps_before)) temporary files appeared"
}

# Enter, then a kill at a random moment in the next 2.5 s, during saves every INTERVAL ms.
running_trial() {
    local pid=$1 interval=$2 had_file=$3 base=$4 deadline killed_at died_at s_hi newest lag
    local allowed=$((1 + interval / 1000))
    running_trials=$((running_trials + 1))
    if ! main_window "$pid"; then
        fail ended "no main window within 30 s"
        kill_now "$pid"
        return
    fi
    if ! press_enter "$w"; then
        fail ended "could not press Enter on the window"
        kill_now "$pid"
        return
    fi
    deadline=$((now + RANDOM % 251))
    watch_ticks "$w" "$deadline"
    killed_at=$now
    if gone "$pid"; then
        wait "$pid"
        fail ended "the program ended by itself (status $?) while counting"
        forget "$pid"
        return
    fi
    kill_now "$pid"
    read_clock
    died_at=$now

    # The count started in the second of the press or later, but before the first tick's
    # second; that tick also shows whether the start-up read the count the file held.
    s_hi=$((killed_at / 100))
    if [[ -n $first_tick ]]; then
        first_tick_fits "$base" ||
            fail read_back "the first tick showed $first_tick, the file held $base"
        s_hi=$((tick_seen / 100 - 1))
    fi
    ((s_hi == start_s)) && pinned=$((pinned + 1))

    if ! read_count "$work/conteggo.txt"; then
        if [[ $contents != "(no file)" ]]; then
            fail whole_line "conteggo.txt is not one CR LF line: $(shown)"
        elif ((had_file)); then
            fail whole_line "conteggo.txt is gone"
        elif ((killed_at - pressed > interval / 10 + 100)); then
            fail whole_line "no conteggo.txt $(((killed_at - pressed) * 10)) ms after Enter"
        else
            absent=$((absent + 1))
        fi
        return
    fi
    newest=$((base + died_at / 100 - start_s))
    if ((count > newest)); then
        fail ahead "saved $count, but the count was at most $newest when the program died"
    fi
    lag=$((base + killed_at / 100 - s_hi - count))
    ((lag < 0)) && lag=0
    if ((s_hi == start_s)); then
        lags[$lag]=$((${lags[$lag]:-0} + 1))
        ((lag > max_lag)) && max_lag=$lag
    fi
    if ((lag > allowed)); then
        fail behind "saved $count, $lag s behind the count at the kill (autosave $interval ms)"
    fi
}

start_desktop
work="" runtime=""
for ((trial = 1; trial <= trials; trial++)); do
    if (((trial - 1) % CHAIN == 0)); then
        work=$(new_dir work)
        runtime=$(new_dir runtime)
        # What an earlier kill in the middle of a save may leave, with a count of its own.
        printf '99999\r\n' >"$work/conteggo.txt.Zq9v2P"
    fi
    interval=${INTERVALS[RANDOM % ${#INTERVALS[@]}]}
    had_file=0 base=0
    rm -f -- "$top/before"
    if read_count "$work/conteggo.txt"; then
        had_file=1 base=$count
        cp -p -- "$work/conteggo.txt" "$top/before"
    fi
    temps_before=$(temporary_files)
    start_app "$work" XDG_RUNTIME_DIR="$runtime" CONTEGGO_TEST_AUTOSAVE_MS="$interval"
    if ((RANDOM % 5 == 0)); then
        stopped_trial "$started" "$temps_before"
    else
        running_trial "$started" "$interval" "$had_file" "$base"
    fi
    new_temps=$(($(temporary_files) - temps_before))
    if ((new_temps > 0)); then
        leftovers=$((leftovers + new_temps))
        in_save=$((in_save + 1))
    fi
    others=$(stray_files)
    [[ -z $others ]] || fail unchanged "other files in the folder: $others"
    if [[ -s $app_log ]]; then
        fail ended "the program wrote to standard error: $(head -c 300 "$app_log" | tr '\n' ' ')"
    fi
done

check ended "each copy runs until it is killed"
check unchanged "a kill while starting or stopped changes nothing"
check whole_line "conteggo.txt is absent before the first save or one whole CR LF line"
check ahead "the saved count is never ahead of the true count"
check behind "the saved count is never behind by more than the autosave interval plus 1 s"
check read_back "each start reads back the count left by the kill, leftovers notwithstanding"

lag_figures=""
for lag in "${!lags[@]}"; do
    lag_figures+=" ${lag}s:${lags[$lag]}"
done
echo "# trials: $trials ($running_trials counting, $stopped_trials starting or stopped)"
echo "# failures: $(failure_count)"
echo "# no file yet at the kill: $absent; start second known exactly: $pinned"
echo "# temporary files left by kills during a save: $leftovers (in $in_save trials)"
echo "# lag behind the count at the kill (start second known), seconds:trials:" \
    "${lag_figures:- none}; max $max_lag"
report_end
