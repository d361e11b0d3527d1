#!/usr/bin/env bash
# Line coverage of the program's code by its tests, per folder: builds the coverage preset
# (Debug, gcov), runs the tests (all of them, or those CTest selects with the given options,
# say -L unit) and prints one line a folder. It informs; nothing fails on its figures.
# Usage: scripts/coverage.sh [CTEST OPTIONS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/packages.sh
source "$root/scripts/packages.sh"
mapfile -t packages < <(packages_of BUILD_PACKAGES RUN_PACKAGES '*_TEST_PACKAGES')
bash "$root/scripts/deps.sh" "${packages[@]}" gcovr

bash "$root/scripts/build.sh" coverage
cd "$root"
find build-coverage -name '*.gcda' -delete  # the counts of this run alone
ctest --preset coverage -j "$(nproc)" "$@" || echo "(some tests failed; the figures are of this run)"

summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
gcovr --root "$root" --object-directory build-coverage --exclude 'build-coverage/' \
    --exclude 'tests/' --exclude 'fuzz/' --exclude 'bench/' --json-summary "$summary" >/dev/null
python3 - "$summary" <<'PY'
import json, sys
folders = {}
for entry in json.load(open(sys.argv[1]))["files"]:
    folder = entry["filename"].split("/")[0]
    total, covered = folders.get(folder, (0, 0))
    folders[folder] = (total + entry["line_total"], covered + entry["line_covered"])
print(f"{'folder':<10} {'lines':>6} {'run':>6} {'share':>7}")
for folder, (total, covered) in sorted(folders.items()):
    print(f"{folder:<10} {total:>6} {covered:>6} {100 * covered / max(total, 1):>6.1f}%")
total = sum(t for t, _ in folders.values())
covered = sum(c for _, c in folders.values())
print(f"{'all':<10} {total:>6} {covered:>6} {100 * covered / max(total, 1):>6.1f}%")
PY
