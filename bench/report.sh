#!/usr/bin/env bash
# Prints run.sh's figures as Markdown: the machine, medians per program, ratios, the targets.
# Usage: report.sh RESULTS COMMAND PROGRAM RUNS SECONDS CADENCE_MINUTES CADENCE_ROWS LABEL...
# RESULTS has one line a run: label run shown_ms pss_kib rss_kib anon_kib helpers_pss_kib, then for
# stopped and for running: cpu_ms/s switches/s bursts/s xserver_cpu_ms/s; then the checks.
set -uo pipefail
results=$1 command_line=$2 program=$3 runs=$4 seconds=$5 cadence_minutes=$6 cadence=$7
shift 7
labels=("$@")

version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo "?"; }
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$(dirname "$program")/../CMakeCache.txt" \
    2>/dev/null)

echo "## Conteggo against kronometer and gnome-clocks"
echo
echo "- date: $(date -u)"
echo "- command: \`$command_line\`"
echo "- machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo |
    head -n 1), $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)," \
    "kernel $(uname -r), $(. /etc/os-release && echo "$PRETTY_NAME")"
echo "- versions: Qt $(version libqt6core6), kronometer $(version kronometer)," \
    "gnome-clocks $(version gnome-clocks); Conteggo build type ${build_type:-?}"
echo "- load average at the end (1, 5, 15 min): $(cut -d' ' -f1-3 /proc/loadavg)" \
    "(other work on the machine is not stopped)"
echo "- each launch: Xvfb + openbox, a private session bus, a fresh working and runtime" \
    "directory; one unmeasured launch of each first; runs interleaved"
echo

# Median of column C for LABEL, "-" when no run has it. S scales it.
med() {
    awk -v l="$1" -v c="$2" '$1 == l && $c != "-" { print $c }' "$results" | sort -g |
        awk -v s="${3:-1}" -v f="${4:-%.1f}" '{ v[NR] = $1 }
            END { if (NR) printf f, v[int((NR + 1) / 2)] * s; else printf "-" }'
}
all() { awk -v l="$1" -v c="$2" -v s="${3:-1}" '$1 == l { printf "%s%s", sep,
    ($c == "-" ? "-" : sprintf("%.0f", $c * s)); sep = " " }' "$results"; }
checks() { awk -v l="$1" '$1 == l { print $NF }' "$results" | sort | uniq -c |
    awk '{ printf "%s%s×%s", sep, $1, $2; sep = ", " }'; }

echo "### Launch to window shown, memory 3 s after launch (median of $runs runs)"
echo
echo "| program | window shown (ms) | each run (ms) | PSS, tree (MiB) | each run (MiB) | RSS, tree (MiB) | anonymous (MiB) | bus helpers' PSS (MiB) |"
echo "|---|---:|---|---:|---|---:|---:|---:|"
mib=0.0009765625
for l in "${labels[@]}"; do
    echo "| $l | $(med "$l" 3 1 %.0f) | $(all "$l" 3) | $(med "$l" 4 $mib) | $(all "$l" 4 $mib) |" \
        "$(med "$l" 5 $mib) | $(med "$l" 6 $mib) | $(med "$l" 7 $mib) |"
done
echo

if ((seconds > 0)); then
    echo "### CPU and wake-ups, ${seconds} s stopped then ${seconds} s running (median of $runs runs)"
    echo
    echo "Wake-ups: voluntary + involuntary context switches of all the tree's threads. Bursts:"
    echo "the same switches with those less than 5 ms apart taken as one wake-up (perf)."
    echo
    echo "| program | stopped: CPU (ms/s) | wake-ups/s | bursts/s | X server CPU (ms/s) | running: CPU (ms/s) | wake-ups/s | bursts/s | X server CPU (ms/s) | checks |"
    echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|---|"
    for l in "${labels[@]}"; do
        row="| $l "
        for c in 8 9 10 11 12 13 14 15; do
            row+="| $(med "$l" $c 1 %.2f) "
        done
        echo "$row| $(checks "$l") |"
    done
    echo
fi

ours() { med conteggo "$@"; }
((${#labels[@]} > 1)) && printf '%s\n' "### Ratios, Conteggo / other row (medians)" "" \
    "| row | window shown | PSS | RSS | anonymous |" "|---|---:|---:|---:|---:|"
for l in "${labels[@]:1}"; do
    ratio() { awk -v a="$(ours "$1" 1 %.3f)" -v b="$(med "$l" "$1" 1 %.3f)" \
        'BEGIN { if (a == "-" || b == "-" || b == 0) print "-"; else printf "%.2f", a / b }'; }
    echo "| $l | $(ratio 3) | $(ratio 4) | $(ratio 5) | $(ratio 6) |"
done
echo

# The faster and the smaller of the real peers (variants of ours are not peers).
best() {
    for l in "${labels[@]:1}"; do
        [[ $l == kronometer || $l == gnome-clocks ]] && echo "$(med "$l" "$1" 1 %.3f) $l"
    done | grep -v '^-' | sort -g | head -n 1
}
verdict() { awk -v ok="$1" 'BEGIN { print (ok ? "**met**" : "**missed**") }'; }
echo "### Targets"
echo
read -r fast fast_peer <<<"$(best 3)"
shown=$(ours 3 1 %.0f)
if [[ -n ${fast:-} && $shown != - ]]; then
    echo "- window shown within a third of the faster peer ($fast_peer, $(printf %.0f "$fast") ms):" \
        "$shown ms, $(awk -v a="$shown" -v b="$fast" 'BEGIN { printf "%.2f", a / b }') of it —" \
        "$(verdict "$(awk -v a="$shown" -v b="$fast" 'BEGIN { print a * 3 <= b }')")"
fi
# PSS depends on who else maps the same libraries at the time; RSS does not.
for c in 4:PSS 5:RSS; do
    read -r small small_peer <<<"$(best "${c%:*}")"
    ours_kib=$(ours "${c%:*}" 1 %.0f)
    [[ -n ${small:-} && $ours_kib != - ]] || continue
    echo "- memory (${c#*:}) within a third of the smaller peer ($small_peer," \
        "$(awk -v b="$small" 'BEGIN { printf "%.1f", b / 1024 }') MiB):" \
        "$(awk -v a="$ours_kib" 'BEGIN { printf "%.1f", a / 1024 }') MiB," \
        "$(awk -v a="$ours_kib" -v b="$small" 'BEGIN { printf "%.2f", a / b }') of it —" \
        "$(verdict "$(awk -v a="$ours_kib" -v b="$small" 'BEGIN { print a * 3 <= b }')")"
done
if ((seconds > 0)); then
    idle=$(ours 9 1 %.2f)
    busy=$(ours 13 1 %.2f)
    bursts=$(ours 14 1 %.2f)
    echo "- no wake-ups while stopped (below 0.1/s): $idle/s —" \
        "$(verdict "$(awk -v a="$idle" 'BEGIN { print a < 0.1 }')")"
    echo "- about one wake-up a second while running (at most 1.5/s): $busy context switches/s" \
        "— $(verdict "$(awk -v a="$busy" 'BEGIN { print a <= 1.5 }')"); counted as bursts:" \
        "$bursts/s — $(verdict "$(awk -v a="$bursts" 'BEGIN { print a != "-" && a <= 1.5 }')")"
fi
if [[ -n $cadence ]]; then
    bad=$(awk -F'|' '{ split($5, s, " "); split($6, r, " "); n += s[1] + r[1] } END { print n }' \
        <<<"$cadence")
    echo "- no skipped or repeated second over $cadence_minutes min running with both cores" \
        "busy: $bad seen — $(verdict "$((bad == 0))")"
    echo
    echo "### Display cadence of Conteggo: $cadence_minutes min running, both cores busy (stress-ng)"
    echo
    echo "| record | lines | changes | skips | repeats (> 1.2 s) | longest shown (s) | shortest shown (s) | largest gap between lines (s) |"
    echo "|---|---:|---:|---|---|---:|---:|---:|"
    echo "$cadence"
fi
