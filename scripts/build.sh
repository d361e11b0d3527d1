#!/usr/bin/env bash
# Configures and builds one preset of CMakePresets.json (plain, sanitize or fuzz) through
# ccache, then prints one line: how many of this build's compilations the cache answered.
# Every warning is an error unless CONTEGGO_WERROR=OFF is set.
# Usage: scripts/build.sh PRESET [TARGET...]   (the packages must be installed already)
set -euo pipefail
if [ $# -lt 1 ]; then
    echo "usage: $0 PRESET [TARGET...]" >&2
    exit 2
fi
preset=$1
shift
cd "$(dirname "$0")/.."

# Every warning is an error, so that a developer's run and CI's compile alike and share the
# cache; only the program's own start (scripts/run.sh) lets a newer compiler's warning pass.
cmake --preset "$preset" "-DCONTEGGO_WERROR=${CONTEGGO_WERROR:-ON}" >/dev/null

targets=()
if [ $# -gt 0 ]; then
    targets=(--target "$@")
fi
# This build's own counters, apart from other builds that share the cache meanwhile.
stats=$(mktemp)
trap 'rm -f "$stats"' EXIT
CCACHE_STATSLOG=$stats cmake --build --preset "$preset" -j "$(nproc)" "${targets[@]}"
awk -v preset="$preset" '
    /^(direct|preprocessed)_cache_hit$/ { hits++ }
    /^cache_miss$/ { misses++ }
    END {
        total = hits + misses
        if (total == 0) { print "ccache (" preset "): nothing compiled"; exit }
        printf "ccache (%s): %d of %d compilations from the cache (%d %%)\n", preset, hits,
            total, 100 * hits / total
    }' "$stats"
