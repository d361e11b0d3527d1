#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 60) each and says, per target, how many inputs it
# tried and whether anything crashed; the status is non-zero when any target crashed.
# Usage: scripts/fuzz.sh [SECONDS]
# Builds the fuzz preset (clang, in build-fuzz); each target keeps its corpus, its log and any
# crash input in fuzz-out/TARGET/.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
targets=(fuzz_readers fuzz_number_text)

# shellcheck source=packages.sh
source "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

bash "$root/scripts/build.sh" fuzz

# A few well-formed inputs to start from, so the first seconds are not spent finding the shape.
seed() {
    local corpus=$1
    case $(basename "$(dirname "$corpus")") in
    fuzz_readers)
        printf '3725\r\n' >"$corpus/seed-count"
        printf '2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n' >"$corpus/seed-positions"
        ;;
    fuzz_number_text)
        printf '1,66666666666667' >"$corpus/seed-comma"
        printf ' -2.5E1 minuti' >"$corpus/seed-exponent"
        printf '&H1F' >"$corpus/seed-hex"
        printf '1.7976931348623E308' >"$corpus/seed-large"
        ;;
    esac
    : >"$corpus/seed-empty"
}

crashed=0
for target in "${targets[@]}"; do
    out=$root/fuzz-out/$target
    mkdir -p "$out/corpus"
    seed "$out/corpus"
    options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$out/")
    dict=$root/fuzz/${target#fuzz_}.dict
    [[ -f $dict ]] && options+=(-dict="$dict")
    log=$out/last-run.log
    status=0
    "$build/fuzz/$target" "${options[@]}" "$out/corpus" >"$log" 2>&1 || status=$?

    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    summary="$target: ${executions:-unknown} executions in ${seconds} s, corpus $(find "$out/corpus" -type f | wc -l) inputs"
    if ((status != 0)); then
        crashed=1
        echo "$summary, CRASH (exit status $status); see $log and the crash-*, leak-* or timeout-* file in $out"
        grep -m 5 -E 'ERROR|SUMMARY|Test unit written' "$log" >&2 || true
    else
        echo "$summary, no crash"
    fi
done
exit "$crashed"
