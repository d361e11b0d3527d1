#!/usr/bin/env bash
# Installs the build into a scratch folder, as a packager would, and checks what lands there:
# the file list, the icons' sizes, the menu entry and the AppStream data, with their validators.
# Usage: install_tree_test.sh BUILD_DIR
set -u

here=$(dirname "$0")
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$here/../support/harness.sh"
harness_build_setup conteggo-install cmake_install.cmake "$@"
need_tools "desktop-file-utils appstream binutils" desktop-file-validate appstreamcli readelf od

prefix=$top/root/usr
if ! DESTDIR=$top/root cmake --install "$build" --prefix /usr >"$top/install.log" 2>&1; then
    not_ok "cmake --install" "$(tail -n 5 "$top/install.log")"
    report_end
    exit
fi
ok "cmake --install into a scratch folder"

actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
expected=$(LC_ALL=C sort "$here/installed_files.txt")
expect "installed files are exactly the expected ones" -- same_lines "$expected" "$actual"

# A run path into the build tree would load the build's libraries, or none once it is gone.
runpath=$(readelf -d "$prefix/bin/conteggo" 2>/dev/null | grep -E 'R(UN)?PATH')
if [[ ! -x $prefix/bin/conteggo ]]; then
    not_ok "installed program" "bin/conteggo is not executable"
elif [[ $runpath == *"$build"* ]]; then
    not_ok "installed program" "its run path points into the build tree: $runpath"
else
    ok "installed program is executable and independent of the build tree"
fi

# Every bitmap icon is as large as the folder it is in says.
wrong=()
for png in "$prefix"/share/icons/hicolor/*x*/apps/*.png; do
    size=${png#"$prefix"/share/icons/hicolor/}
    size=${size%%/*}
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [[ "${w}x$h" == "$size" ]] || wrong+=("$size is ${w}x$h")
done
expect "icon sizes match their folders" -- saying "${wrong[*]}" test "${#wrong[@]}" -eq 0

desktop=$(echo "$prefix"/share/applications/*.desktop)
key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }

icon=$(key Icon)
unfound=()
for dir in scalable 16x16 32x32 48x48 64x64 128x128; do
    compgen -G "$prefix/share/icons/hicolor/$dir/apps/$icon.*" >/dev/null || unfound+=("$dir")
done
if [[ -z $icon ]] || ((${#unfound[@]})); then
    not_ok "menu entry's icon is installed at every size" "Icon=$icon, missing in: ${unfound[*]}"
else
    ok "menu entry's icon is installed at every size"
fi

program=$(key TryExec)
if [[ -n $program && -x $prefix/bin/$program && $(key Exec) == *"exec $program"* ]]; then
    ok "menu entry starts the installed program"
else
    not_ok "menu entry starts the installed program" "TryExec=$program Exec=$(key Exec)"
fi

# A validator that passes silently; its words, on one line, otherwise.
silent() {
    local out
    out=$("$@" 2>&1) && [[ -z $out ]] && return 0
    tr '\n' ' ' <<<"$out"
    echo
    return 1
}
expect "desktop-file-validate" -- silent desktop-file-validate "$desktop"

# Both languages: each English text of the menu entry (in every group: the entry, its actions)
# and of the AppStream data has an Italian one beside it.
untranslated=$(awk -F= '/^\[/ { group = $0 } /^(Name|GenericName|Comment)=/ { need[group $1] = 1 }
    /^(Name|GenericName|Comment)\[it\]=/ { sub(/\[it\]/, "", $1); delete need[group $1] }
    END { for (key in need) print key }' "$desktop")
metainfo=$(echo "$prefix"/share/metainfo/*.metainfo.xml)
for tag in name summary p; do
    english=$(grep -c "<$tag>" "$metainfo")
    italian=$(grep -c "<$tag xml:lang=\"it\">" "$metainfo")
    ((english == italian)) || untranslated+=" <$tag>: $english English, $italian Italian"
done
expect "menu entry and AppStream data in English and Italian" -- \
    saying "untranslated: $untranslated" test -z "$untranslated"

# The tree check also finds the menu entry that the AppStream data names as its launcher.
expect "appstreamcli validate-tree --no-net" -- passes appstreamcli validate-tree --no-net "$prefix"

report_end
