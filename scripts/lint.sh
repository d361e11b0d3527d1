#!/usr/bin/env bash
# Runs shellcheck on every shell script of the project (the *.sh files and .ci/run), following
# what they source; the status is shellcheck's.
# Usage: scripts/lint.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=SCRIPTDIR/packages.sh
source "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${LINT_PACKAGES[@]}"
cd "$root"
mapfile -t scripts < <(git ls-files -co --exclude-standard '*.sh' .ci/run)
shellcheck -x "${scripts[@]}"
echo "shellcheck: ${#scripts[@]} scripts clean"
