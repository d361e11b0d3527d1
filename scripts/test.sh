#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine, builds the project and runs all its tests.
# Usage: scripts/test.sh [--sanitize]   (--sanitize: AddressSanitizer + UBSan, own build dir)
set -euo pipefail
usage="usage: $0 [--sanitize]"
case $# in
0) ;;
1) [ "$1" = "--sanitize" ] || { echo "$usage" >&2; exit 2; } ;;
*) echo "$usage" >&2; exit 2 ;;
esac
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/packages.sh"
packages=("${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}")
for list in $(compgen -A variable | grep '_TEST_PACKAGES$'); do
    declare -n more="$list"
    packages+=("${more[@]}")
done
bash "$root/scripts/deps.sh" "${packages[@]}"

build="$root/build"
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
selection=()
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-sanitize"
    options=(-DCMAKE_BUILD_TYPE=Debug -DCONTEGGO_SANITIZE=ON)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    selection=(-LE slow)  # the long system tests run once, in the plain build
fi
# CI builds with warnings as errors; elsewhere a warning is shown and the build goes on.
werror=OFF
if [ -n "${CI:-}" ]; then
    werror=ON
fi
options+=("-DCONTEGGO_WERROR=$werror")

cmake -S "$root" -B "$build" -G Ninja -Wno-dev "${options[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)" "${selection[@]}"
