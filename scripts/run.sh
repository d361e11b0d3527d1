#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine, builds Conteggo and starts it.
# Usage: scripts/run.sh [FOLDER]   FOLDER is where the count and settings files live
#                                  (default: your home folder, as when started from a menu);
#                                  it is made if it does not exist yet.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if (($# > 1)); then
    echo "usage: $0 [FOLDER]" >&2
    exit 2
fi
# The folder first: a mistake there is told before a build of minutes, not after.
folder=${1:-$HOME}
if [[ ! -d $folder ]]; then
    if ! mkdir -p -- "$folder"; then
        echo "$0: cannot make the folder $folder for the count's files" >&2
        exit 1
    fi
    echo "made the folder $folder for the count's files"
fi
folder=$(cd -- "$folder" && pwd)

source "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"

CONTEGGO_WERROR=OFF bash "$root/scripts/build.sh" plain conteggo
cd "$folder"
exec "$root/build/app/conteggo"
