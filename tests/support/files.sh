# Reading the files the program writes, byte for byte.
# shellcheck shell=bash
# The variables set here are read by the scripts that source this file.
# shellcheck disable=SC2034

# The file's whole contents, trailing line ends included, into $contents; "(no file)" and
# false if there is none.
contents=""
load() {
    local text
    if [[ ! -f $1 ]]; then
        contents="(no file)"
        return 1
    fi
    text=$(cat -- "$1" && echo x)
    contents=${text%x}
}

# $contents for a report line: quoted so line ends and control characters show.
shown() {
    if [[ $contents == "(no file)" ]]; then
        echo "$contents"
    else
        printf '%q' "$contents"
    fi
}

# If FILE is exactly one CR LF ended whole number: its digits as written into $count_text,
# their value into $count. False otherwise.
count="" count_text=""
read_count() {
    local re=$'^([0-9]+)\r\n$'
    load "$1" || return 1
    [[ $contents =~ $re ]] || return 1
    count_text=${BASH_REMATCH[1]}
    count=$((10#$count_text))
}
