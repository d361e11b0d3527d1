#!/usr/bin/env bash
# Installs the build into a scratch folder, as a packager would, and checks what lands there:
# the file list, the icons' sizes, the menu entry and the AppStream data, with their validators.
# Usage: install_tree_test.sh BUILD_DIR
set -u

if [[ $# -ne 1 || ! -f $1/cmake_install.cmake ]]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)

missing=()
for tool in desktop-file-validate appstreamcli readelf od; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if ((${#missing[@]})); then
    echo "missing tools: ${missing[*]} (Debian packages: desktop-file-utils appstream binutils)" >&2
    exit 1
fi

top=$(mktemp -d "${TMPDIR:-/tmp}/conteggo-install.XXXXXX")
trap 'rm -rf -- "$top"' EXIT

# shellcheck source=SCRIPTDIR/../support/report.sh
source "$here/../support/report.sh"

prefix=$top/root/usr
if ! DESTDIR=$top/root cmake --install "$build" --prefix /usr >"$top/install.log" 2>&1; then
    not_ok "cmake --install" "$(tail -n 5 "$top/install.log")"
    report_end
    exit
fi
ok "cmake --install into a scratch folder"

actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
expected=$(LC_ALL=C sort "$here/installed_files.txt")
if [[ $actual == "$expected" ]]; then
    ok "installed files are exactly the expected ones"
else
    not_ok "installed files are exactly the expected ones" \
        "$(diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | tr '\n' ' ')"
fi

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
if ((${#wrong[@]})); then
    not_ok "icon sizes match their folders" "${wrong[*]}"
else
    ok "icon sizes match their folders"
fi

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

if out=$(desktop-file-validate "$desktop" 2>&1) && [[ -z $out ]]; then
    ok "desktop-file-validate"
else
    not_ok "desktop-file-validate" "$out"
fi

# The tree check also finds the menu entry that the AppStream data names as its launcher.
if out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1); then
    ok "appstreamcli validate-tree --no-net"
else
    not_ok "appstreamcli validate-tree --no-net" "$(tr '\n' ' ' <<<"$out")"
fi

report_end
