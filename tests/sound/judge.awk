# Matches the sounds of a recording to the moments the alarm asks for, and measures the silence
# around them. Prints "ok<TAB>name" or "not ok<TAB>name<TAB>why" lines.
# Reads the envelope file, then the sounds file. Variables: origin, the recording's second where
# counted time 0 lies; moments, in order ("warn:3 ring:6 none:8 ..."; none: a ring whose file
# is missing); ring and warn, each file's own sound as "peak length"; loud.
function hms(k) { return sprintf("%d:%02d:%02d", k / 3600, k % 3600 / 60, k % 60) }
function at(t) { return sprintf("counted %.2f s", t - origin) }
# Loudest block in [from, to) outside the matched sounds.
function loudest(from, to,    b, m, i, skip) {
    m = 0
    for (b = int(from * 100); b < to * 100 && b < blocks; b++) {
        if (b < 0) continue
        skip = 0
        for (i = 1; i <= nm; i++) if (b >= mon[i] * 100 && b < mend[i] * 100) skip = 1
        if (!skip && env[b] > m) { m = env[b]; where = b / 100 }
    }
    return m
}
function fits(i, kind) {
    return sp[i] >= 0.9 * refpeak[kind] && sp[i] <= 1.1 * refpeak[kind] &&
        se[i] - so[i] >= reflen[kind] - 0.15 && se[i] - so[i] <= reflen[kind] + 0.15
}
FILENAME == ARGV[1] { env[blocks++] = $1; next }
{ so[++ns] = $1; se[ns] = $2; sp[ns] = $3 }
END {
    split(ring, r, " "); refpeak["ring"] = r[1]; reflen["ring"] = r[2]
    split(warn, w, " "); refpeak["warn"] = w[1]; reflen["warn"] = w[2]
    names["ring"] = "ring"; names["warn"] = "warning"
    n = split(moments, list, " ")
    for (j = 1; j <= n; j++) {
        split(list[j], part, ":"); kind = part[1]; k = part[2]; t = origin + k
        if (kind == "none") continue
        # Cut short by the closing: its span is neither judged nor taken for silence.
        if (kind == "cut") {
            for (i = 1; i <= ns; i++)
                if (!taken[i] && so[i] >= t - 1 && so[i] <= t + 1) {
                    taken[i] = 1; mon[++nm] = so[i] - 0.05; mend[nm] = se[i] + 0.05
                }
            continue
        }
        name = names[kind] " at " hms(k)
        found = 0
        for (i = 1; i <= ns && !found; i++)
            if (!taken[i] && so[i] >= t - 1 && so[i] <= t + 1 && fits(i, kind)) found = i
        if (found) {
            taken[found] = 1
            # The span with its faded edges, which lie under the threshold.
            mon[++nm] = so[found] - 0.05; mend[nm] = se[found] + 0.05
            printf "ok\t%s: onset %+.2f s, peak %.3f (file %.3f), %.2f s long\n", name,
                so[found] - t, sp[found], refpeak[kind], se[found] - so[found]
            continue
        }
        why = "nothing within 1 s"
        for (i = 1; i <= ns; i++)
            if (so[i] >= t - 1 && so[i] <= t + 1)
                why = sprintf("the sound at %+.2f s has peak %.3f and lasts %.2f s, the " \
                    "file %.3f and %.2f s", so[i] - t, sp[i], se[i] - so[i], refpeak[kind],
                    reflen[kind])
        printf "not ok\t%s\t%s\n", name, why
    }
    for (j = 1; j <= n; j++) {
        split(list[j], part, ":"); k = part[2]; t = origin + k
        if (part[1] != "none") continue
        m = loudest(t - 1, t + 1)
        if (m < loud) printf "ok\tno ring at %s: peak %.6f within 1 s\n", hms(k), m
        else printf "not ok\tno ring at %s\tpeak %.6f at %s\n", hms(k), m, at(where)
    }
    # The stretches between the matched sounds, from the recording start to its end.
    from = 0; label = "start-up"
    for (s = 1; s <= nm + 1; s++) {
        to = s <= nm ? mon[s] : blocks / 100
        next_label = s <= nm ? sprintf("%s", at(mon[s])) : "closing"
        m = loudest(from, to)
        name = sprintf("silence from %s to %s", label, next_label)
        if (m < loud) printf "ok\t%s: peak %.6f over %.1f s\n", name, m, to - from
        else printf "not ok\t%s\tpeak %.6f at %s\n", name, m, at(where)
        if (s <= nm) { from = mend[s]; label = at(mend[s]) }
    }
}
