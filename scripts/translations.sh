#!/usr/bin/env bash
# The translation files, translations/conteggo_LANGUAGE.ts, against the program's texts: lupdate
# reads every tr() and QCoreApplication::translate() of the windows (ui/), the program entry
# (app/), the desktop services (desktop/), one copy per user (instance/) and the files
# (store/). The texts are written in Italian.
# Usage: scripts/translations.sh            check every file: fails, naming the texts, when one
#                                           is missing, not yet translated, or no longer used
#        scripts/translations.sh LANGUAGE   make or bring up to date the file of LANGUAGE
#                                           ("de", "pt_BR"), to translate with Qt Linguist
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(qtpaths6 --query QT_HOST_BINS)/lupdate}
lupdate_texts() { "$lupdate" -silent -source-language it -extensions cpp,h "$root/ui" "$root/app" "$root/desktop" "$root/instance" "$root/store" "$@"; }

case $# in
0) ;;
1)
    lupdate_texts -no-obsolete -target-language "$1" -ts "$root/translations/conteggo_$1.ts"
    echo "translations/conteggo_$1.ts is ready: linguist translations/conteggo_$1.ts"
    exit
    ;;
*)
    echo "usage: $0 [LANGUAGE]" >&2
    exit 2
    ;;
esac

# Each file is brought up to date in a scratch copy; what lupdate then marks as unfinished
# (new, or not translated) or vanished (no longer in the sources) needs the translator.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
for ts in "$root"/translations/conteggo_*.ts; do
    copy=$scratch/$(basename "$ts")
    cp "$ts" "$copy"
    lupdate_texts -ts "$copy"
    pending=$(awk '/<source>/ { text = $0 }
        /type="(unfinished|vanished|obsolete)"/ { gsub(/ *<\/?source>/, "", text); print "  " text }' "$copy")
    if [[ -n $pending ]]; then
        echo "translations/$(basename "$ts"): texts to translate, or to remove as no longer used:"
        echo "$pending"
        failed=1
    else
        echo "translations/$(basename "$ts"): every text translated"
    fi
done
exit "$failed"
