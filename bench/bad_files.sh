#!/usr/bin/env bash
# Start-up on damaged files: the test corpus (tests/reliability/bad_files_corpus.sh) run by its
# test, RUNS times a case, each run still checked; prints a Markdown table of the launch to
# window shown, the median of the runs, and its difference from good files. The test's own
# report goes to standard error; the status is the test's.
# Usage: bench/bad_files.sh [PROGRAM] [RUNS]   (default: build/app/conteggo, 5 runs)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/app/conteggo}
runs=${2:-5}
# shellcheck source=SCRIPTDIR/lib.sh
source "$root/bench/lib.sh"

times=$(mktemp)
trap 'rm -f "$times"' EXIT
BAD_FILES_RUNS=$runs BAD_FILES_TIMES=$times \
    bash "$root/tests/reliability/bad_files_test.sh" "$program" >&2
status=$?

declare -A ms=()
mapfile -t cases < <(awk '!seen[$1]++ { print $1 }' "$times")
for name in "${cases[@]}"; do
    ms[$name]=$(awk -v n="$name" '$1 == n { print $2 }' "$times" | median)
done
((${#cases[@]})) || { echo "no run showed its window" >&2; exit 1; }
good=${ms[good]:-0}
echo "| case | window shown, median of $runs (ms) | against good files (ms) |"
echo "|---|---|---|"
worst=good
for name in "${cases[@]}"; do
    printf '| %s | %d | %+d |\n' "$name" "${ms[$name]}" $((ms[$name] - good))
    ((ms[$name] > ms[$worst])) && worst=$name
done
echo
echo "slowest against good files: $worst, $((ms[$worst] - good)) ms (target: at most 100 ms)"
echo "load average $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
exit "$status"
