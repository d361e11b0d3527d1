#!/usr/bin/env bash
# Damaged and hand-edited "conteggo.txt" / "timerpos.txt" pairs, made afresh for each run.
#
# Sourced by bad_files_test.sh: `make_bad_files CASE DIR` lays case CASE out in the empty
# folder DIR and sets what the program must write back at its close:
#   expect_count      the count line: a literal, "_" for an empty line, "*" for any number
#   expect_positions  the five lines of timerpos.txt, in the same notation; lines 1 and 2 are
#                     the window's place in twips, which an X server without a window manager
#                     gives back exactly as asked
#   in_the_way        a name holding something that is not a file (a folder, a device, a
#                     pipe), which the program must leave alone and report in one line
#   expect_kept       the files whose first value the program cannot understand: each must be
#                     kept aside as NAME.illeggibile.txt, byte for byte, with one line each
#   expect_untouched  other files in DIR that must stay byte for byte as they were
# Run on its own, it lays every case out under the folder given: bad_files_corpus.sh DIR

# shellcheck disable=SC2034  # the expectations are read by the test that sources this file

BAD_FILE_CASES=(good noise nul_bytes huge_lines beyond_ranges negative_beyond_ranges
    twenty_nines not_numbers boolean_for_number number_for_boolean lone_cr lone_lf blank_lines
    empty sparse_100mb unreadable count_is_folder positions_is_folder count_is_dev_zero
    positions_is_dev_zero count_is_pipe positions_is_pipe count_is_strangers_link)

readonly GOOD_COUNT=$'3725\r\n'
readonly GOOD_POSITIONS=$'2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n'
readonly GOOD_EXPECTED="2460 8715 300 60 #TRUE#"
# What start-up takes when the first line cannot be read: the window at the corner, the alarm
# off at its 60 s default.
readonly DEFAULT_EXPECTED="0 0 60 0 #FALSE#"

# BYTES bytes of seeded noise (the same bytes at every run), NULs and line ends included.
noise() {
    local format="" hex i
    RANDOM=$2
    for ((i = 0; i < $1; i++)); do
        printf -v hex '\\x%02x' $((RANDOM % 256))
        format+=$hex
    done
    # shellcheck disable=SC2059  # the format is the noise itself, escapes only
    printf "$format"
}

make_bad_files() {
    local name=$1 dir=$2
    local count=$dir/conteggo.txt positions=$dir/timerpos.txt
    expect_count=3725
    expect_positions=$GOOD_EXPECTED
    in_the_way=""
    expect_kept=""
    expect_untouched=""
    printf '%s' "$GOOD_COUNT" >"$count"
    printf '%s' "$GOOD_POSITIONS" >"$positions"
    case $name in
    good) ;;
    noise)
        noise 4096 11 >"$count"
        noise 4096 12 >"$positions"
        expect_count="*"
        expect_positions="* * * * *"
        expect_kept="conteggo.txt timerpos.txt"
        ;;
    nul_bytes)
        printf '37\0 25\r\n' >"$count"
        printf '2460\r\n8715\r\n3\x0000\r\n60\r\n#TRUE#\r\n' >"$positions"
        expect_count=0
        expect_positions="2460 8715 60 60 #TRUE#"
        expect_kept="conteggo.txt"
        ;;
    huge_lines) # 1 MB without a line end
        head -c 1048576 /dev/zero | tr '\0' '7' >"$count"
        head -c 1048576 /dev/zero | tr '\0' '1' >"$positions"
        expect_count=0
        expect_positions=$DEFAULT_EXPECTED
        expect_kept="conteggo.txt timerpos.txt"
        ;;
    beyond_ranges) # 5000000000 does not fit the 32-bit place lines, 70000 not the 16-bit advance
        printf '1e400\r\n' >"$count"
        printf '2460\r\n5000000000\r\n1e400\r\n70000\r\n#TRUE#\r\n' >"$positions"
        expect_count=0
        expect_positions="2460 2460 60 0 #TRUE#" # a bad left edge takes the top's value
        expect_kept="conteggo.txt"
        ;;
    negative_beyond_ranges)
        printf -- '-1e400\r\n' >"$count"
        printf -- '-5000000000\r\n8715\r\n-1e400\r\n-70000\r\n#TRUE#\r\n' >"$positions"
        expect_count=0
        expect_positions="0 8715 60 0 #TRUE#" # a bad top is 0, not negative: the rest is read
        expect_kept="conteggo.txt timerpos.txt"
        ;;
    twenty_nines)
        printf '99999999999999999999\r\n' >"$count"
        printf '2460\r\n8715\r\n99999999999999999999\r\n99999999999999999999\r\n#TRUE#\r\n' \
            >"$positions"
        expect_count=1E+20
        expect_positions="2460 8715 1E+20 0 #TRUE#"
        ;;
    not_numbers)
        printf 'NaN\r\n' >"$count"
        printf 'Infinity\r\n-inf\r\nNaN\r\ninf\r\n#TRUE#\r\n' >"$positions"
        expect_count=0
        expect_positions="0 0 60 0 #TRUE#"
        expect_kept="conteggo.txt timerpos.txt"
        ;;
    boolean_for_number)
        printf '#TRUE#\r\n' >"$count"
        printf '2460\r\n8715\r\n#TRUE#\r\n#FALSE#\r\n#TRUE#\r\n' >"$positions"
        expect_count=0
        expect_positions="2460 8715 60 0 #TRUE#"
        expect_kept="conteggo.txt"
        ;;
    number_for_boolean)
        printf '2460\r\n8715\r\n300\r\n60\r\n-1\r\n' >"$positions"
        expect_positions="2460 8715 300 60 #FALSE#"
        ;;
    lone_cr)
        printf '3725\r' >"$count"
        printf '2460\r8715\r300\r60\r#TRUE#\r' >"$positions"
        ;;
    lone_lf)
        printf '3725\n' >"$count"
        printf '2460\n8715\n300\n60\n#TRUE#\n' >"$positions"
        ;;
    blank_lines) # an empty count and interval are kept as they are
        printf '\r\n' >"$count"
        printf '2460\r\n8715\r\n\r\n\r\n\r\n' >"$positions"
        expect_count=_
        expect_positions="2460 8715 _ 0 #FALSE#"
        ;;
    empty)
        : >"$count"
        : >"$positions"
        expect_count=0
        expect_positions=$DEFAULT_EXPECTED
        ;;
    sparse_100mb)
        rm -f -- "$count" "$positions"
        truncate -s 100M "$count" "$positions"
        expect_count=0
        expect_positions=$DEFAULT_EXPECTED
        expect_kept="conteggo.txt timerpos.txt"
        ;;
    unreadable)
        chmod a-r "$count" "$positions"
        # Root reads them all the same, so only an ordinary user sees the defaults.
        if ((EUID != 0)); then
            expect_count=0
            expect_positions=$DEFAULT_EXPECTED
            expect_kept="conteggo.txt timerpos.txt"
        fi
        ;;
    count_is_folder | positions_is_folder)
        in_the_way=$([[ $name == count_* ]] && echo conteggo.txt || echo timerpos.txt)
        rm -f -- "$dir/$in_the_way"
        mkdir "$dir/$in_the_way"
        printf '%s' "$GOOD_COUNT" >"$dir/$in_the_way/conteggo.txt"
        ;;
    count_is_dev_zero | positions_is_dev_zero)
        in_the_way=$([[ $name == count_* ]] && echo conteggo.txt || echo timerpos.txt)
        ln -sf /dev/zero "$dir/$in_the_way"
        ;;
    count_is_pipe | positions_is_pipe)
        in_the_way=$([[ $name == count_* ]] && echo conteggo.txt || echo timerpos.txt)
        rm -f -- "$dir/$in_the_way"
        mkfifo "$dir/$in_the_way"
        ;;
    count_is_strangers_link)
        # Another user's link, in a folder others can write to, at a private file of ours: it
        # is never read or written through, only kept aside. Only root can make one.
        if ((EUID == 0)); then
            printf 'PRIVATE KEY MATERIAL\r\n' >"$dir/private"
            chmod 600 "$dir/private"
            chmod 1777 "$dir"
            ln -sf private "$count"
            chown -h 65534:65534 "$count"
            expect_count=0
            expect_kept="conteggo.txt"
            expect_untouched="private"
        fi
        ;;
    *)
        echo "no such case: $name" >&2
        return 1
        ;;
    esac
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    set -eu
    if [[ $# -ne 1 ]]; then
        echo "usage: $0 DIR" >&2
        exit 2
    fi
    for name in "${BAD_FILE_CASES[@]}"; do
        mkdir -p "$1/$name"
        make_bad_files "$name" "$1/$name"
    done
fi
