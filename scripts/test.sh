#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine, builds the project and runs all its tests.
# Usage: scripts/test.sh [--sanitize]   (--sanitize: AddressSanitizer + UBSan, own build dir,
#                                        only the tests labelled asan)
set -euo pipefail
usage="usage: $0 [--sanitize]"
preset=plain
case $# in
0) ;;
1) [ "$1" = "--sanitize" ] || { echo "$usage" >&2; exit 2; }
   preset=sanitize ;;
*) echo "$usage" >&2; exit 2 ;;
esac
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/packages.sh"
mapfile -t packages < <(packages_of BUILD_PACKAGES RUN_PACKAGES '*_TEST_PACKAGES')
bash "$root/scripts/deps.sh" "${packages[@]}"

bash "$root/scripts/build.sh" "$preset"
cd "$root"
ctest --preset "$preset" -j "$(nproc)"
