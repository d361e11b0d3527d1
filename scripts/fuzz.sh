#!/usr/bin/env bash
# Fuzzes the file readers for SECONDS (default 60) and says whether anything crashed.
# Usage: scripts/fuzz.sh [SECONDS]
# Builds with clang in build-fuzz; the corpus and any crash inputs are kept in fuzz-out/.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
out=$root/fuzz-out
corpus=$out/corpus

source "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -Wno-dev -DCONTEGGO_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_readers

mkdir -p "$corpus"
printf '3725\r\n' >"$corpus/seed-count"
printf '2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n' >"$corpus/seed-positions"
: >"$corpus/seed-empty"

log=$out/last-run.log
status=0
"$build/fuzz/fuzz_readers" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$out/" "$corpus" >"$log" 2>&1 || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
echo "executions: ${executions:-unknown} in ${seconds} s, corpus: $(ls "$corpus" | wc -l) inputs"
if [ "$status" -ne 0 ]; then
    echo "CRASH (exit status $status); see $log and the crash-*, leak-* or timeout-* file in $out" >&2
    grep -m 5 -E 'ERROR|SUMMARY|Test unit written' "$log" >&2 || true
    exit 1
fi
echo "no crash"
