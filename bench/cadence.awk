# Reads "EPOCH TEXT" lines whose TEXT holds the shown count as h:mm:ss, and prints one Markdown
# table row: how often the count skipped a second (a jump of 2 or more between consecutive
# values) or stayed too long (a value shown for more than 1.2 s).
# With -v events=1 the lines are the title's changes as they came (xprop -spy); otherwise they
# are samples taken at intervals, whose largest gap bounds what the sampler could miss.
match($0, /[0-9]+:[0-9][0-9]:[0-9][0-9]/) {
    split(substr($0, RSTART, RLENGTH), p, ":")
    v = p[1] * 3600 + p[2] * 60 + p[3]
    t = $1 + 0
    lines++
    if (lines > 1 && t - lastT > gap) gap = t - lastT
    lastT = t
    if (lines > 1 && v == cur) next
    if (lines > 1) {
        jump = v - cur
        if (jump >= 2) { skips++; skipped = skipped " " cur "->" v }
        if (jump < 0) { backs++; skipped = skipped " " cur "->" v }
        # The first value was already showing when the record began: its time is unknown.
        if (changes > 0) {
            shown = t - since
            if (shown > 1.2) { repeats++; repeated = repeated " " cur "(" sprintf("%.2f", shown) "s)" }
            if (shown > longest) longest = shown
            if (shortest == "" || shown < shortest) shortest = shown
        }
        changes++
    }
    cur = v
    since = t
}
END {
    printf "| %s | %d | %d | %d%s | %d%s | %s | %s | %.2f |\n",
        events ? "title changes (xprop -spy)" : "title samples (xdotool, ~0.1 s)", lines,
        changes, skips + backs, skipped == "" ? "" : " (" substr(skipped, 2) ")",
        repeats, repeated == "" ? "" : " (" substr(repeated, 2) ")",
        longest == "" ? "-" : sprintf("%.2f", longest),
        shortest == "" ? "-" : sprintf("%.2f", shortest), gap
}
