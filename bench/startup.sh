#!/usr/bin/env bash
# Conteggo alone: launch to window viewable and memory 3 s after launch, the median of RUNS runs
# under Xvfb with openbox. A short form of run.sh, which also measures the peers.
# Usage: bench/startup.sh [PROGRAM] [RUNS]
root=$(cd "$(dirname "$0")/.." && pwd)
exec bash "$root/bench/run.sh" --program "${1:-$root/build/app/conteggo}" --runs "${2:-5}" \
    --peers none --seconds 0 --cadence-minutes 0
