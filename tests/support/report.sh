# The test scripts' report: one "ok -" or "not ok -" line a check, then "N passed, M failed".
# Sourced; `report_end` is the script's last command, so its status is the script's.
passed=0
failed=0

ok() {
    echo "ok - $1"
    passed=$((passed + 1))
}

not_ok() {
    echo "not ok - $1: $2"
    failed=$((failed + 1))
}

report_end() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
}
