#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine, builds Conteggo and starts it.
# Usage: scripts/run.sh [FOLDER]   FOLDER is where the count and settings files live
#                                  (default: your home folder, as when started from a menu).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"

CONTEGGO_WERROR=OFF bash "$root/scripts/build.sh" plain conteggo
cd "${1:-$HOME}"
exec "$root/build/app/conteggo"
