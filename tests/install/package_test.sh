#!/usr/bin/env bash
# Builds the Debian package with CPack, checks its control fields and contents, installs it
# with apt-get, starts the program from its menu entry on a private X server, ends it with
# SIGTERM, and removes the package. Needs root (or sudo without a password): it changes the
# machine's installed packages, and removes any conteggo package at the end.
# Usage: package_test.sh BUILD_DIR
set -u

here=$(dirname "$0")
# shellcheck source=SCRIPTDIR/../support/harness.sh
source "$here/../support/harness.sh"
harness_build_setup conteggo-package CPackConfig.cmake "$@"
need_tools "dpkg-dev libglib2.0-bin xvfb openbox x11-utils xdotool binutils dbus lintian" cpack \
    dpkg-deb dpkg-shlibdeps apt-get gio Xvfb openbox xprop xdotool readelf flock dbus-daemon lintian
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo -n)
fi

installed=""
# The package goes with the script, however it ends.
before_cleanup() {
    [[ -n $installed ]] && "${as_root[@]}" apt-get remove -y -qq conteggo >/dev/null 2>&1
}

# --- the package ----------------------------------------------------------------------------

if ! cpack -G DEB -B "$top/pack" --config "$build/CPackConfig.cmake" >"$top/cpack.log" 2>&1; then
    not_ok "cpack -G DEB" "$(tail -n 5 "$top/cpack.log" | tr '\n' ' ')"
    report_end
    exit
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb=$top/pack/conteggo_${version}_$(dpkg --print-architecture).deb
if [[ ! -f $deb ]]; then
    not_ok "cpack -G DEB makes $(basename "$deb")" "made: $(cd "$top/pack" && echo *.deb)"
    report_end
    exit
fi
ok "cpack -G DEB makes $(basename "$deb")"
echo "# package size: $(stat -c %s "$deb") bytes"

# Exact fields, then packages that a relation field must name; the libraries come from the
# library scan, the rest from the package settings.
exact=("Package=conteggo" "Version=$version" "Section=utils")
for entry in "${exact[@]}"; do
    value=$(dpkg-deb -f "$deb" "${entry%%=*}" 2>/dev/null)
    expect "control field ${entry%%=*} is ${entry#*=}" -- \
        saying "it is '$value'" test "$value" == "${entry#*=}"
done
relations=(Depends:libqt6widgets6 Depends:libcanberra0 Depends:libxcb1 Depends:fonts-liberation
    Recommends:libcanberra-pulse Recommends:qt6-translations-l10n Recommends:qt6-wayland)
for entry in "${relations[@]}"; do
    field=${entry%%:*}
    # The package names alone, one a line, without versions or alternatives' bars.
    names=$(dpkg-deb -f "$deb" "$field" 2>/dev/null | sed 's/[,|]/\n/g' | awk '{ print $1 }')
    expect "$field names ${entry#*:}" -- \
        saying "$field: $(tr '\n' ' ' <<<"$names")" grep -qx -- "${entry#*:}" <<<"$names"
done

actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | LC_ALL=C sort)
expected=$(LC_ALL=C sort "$here/installed_files.txt")
expect "package holds exactly the expected files under /usr" -- same_lines "$expected" "$actual"

dpkg-deb -x "$deb" "$top/unpacked"
if readelf -S "$top/unpacked/usr/bin/conteggo" 2>/dev/null | grep -q -e '\.symtab' -e '\.debug_'; then
    not_ok "packaged program is stripped" "it still has symbols or debugging sections"
else
    ok "packaged program is stripped"
fi

# Every tag lintian gives, at every level, must be one that lintian_allowed.txt explains.
lintian_root=()
[[ $(id -u) -eq 0 ]] && lintian_root=(--allow-root)
lintian_out=$(lintian "${lintian_root[@]}" -EvIL +pedantic "$deb" 2>&1)
grep -v '^N:' <<<"$lintian_out" | sed '/^$/d; s/^/# lintian: /'
allowed=$(awk '!/^#/ && NF { print $1 }' "$here/lintian_allowed.txt")
unexplained=$(awk '/^[A-Z]: conteggo/ { print $3 }' <<<"$lintian_out" | sort -u |
    grep -vxF -f <(echo "${allowed:-(none)}"))
expect "lintian -EvIL +pedantic: no tag but the allowed ones" -- \
    saying "unexplained: $(tr '\n' ' ' <<<"$unexplained")" test -z "$unexplained"

# --- installed and started from its menu entry ----------------------------------------------

# Two runs of this test at once would remove each other's package: one lock for the machine.
lock_file=/run/lock/conteggo-package-test.lock
[[ -d /run/lock ]] || lock_file=/tmp/conteggo-package-test.lock
exec {lock_fd}>"$lock_file"
if ! flock -w 300 "$lock_fd"; then
    not_ok "package installs" "another run of this test held the lock for 300 s"
    report_end
    exit
fi

# apt's own user reads the file: the scratch folders are private.
chmod 755 "$top" "$top/pack"
installed=yes
if "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    -o DPkg::Lock::Timeout=120 "$deb" >"$top/apt.log" 2>&1 &&
    dpkg-query -W -f='${Status} ${Version}' conteggo 2>/dev/null |
    grep -qx "install ok installed $version"; then
    ok "apt-get install of the package"
else
    not_ok "apt-get install of the package" "$(tail -n 5 "$top/apt.log" | tr '\n' ' ')"
    report_end
    exit
fi

start_desktop

# A launcher started somewhere else than the home folder: the program must still keep its
# files in the home folder.
home=$top/home
elsewhere=$top/elsewhere
runtime=$top/runtime
mkdir -p "$home" "$elsewhere" "$runtime"
chmod 700 "$runtime"
desktop=/usr/share/applications/org.example.Conteggo.desktop
(cd "$elsewhere" && HOME=$home XDG_RUNTIME_DIR=$runtime exec gio launch "$desktop") \
    >"$top/launch.log" 2>&1

# The program's pid, from the lock it takes at start; the launcher has let it go.
app_pid=""
lock_pid() {
    app_pid=$(head -n 1 "$runtime/conteggo.lock" 2>/dev/null)
    [[ $app_pid =~ ^[0-9]+$ ]]
}
# A cold machine builds its font caches at the first start.
if poll 30 lock_pid && track_app "$app_pid" && main_window "$app_pid"; then
    ok "menu entry starts the installed program and its window shows"
else
    not_ok "menu entry starts the installed program and its window shows" \
        "pid '$app_pid'; launcher said: $(tr '\n' ' ' <"$top/launch.log")"
    report_end
    exit
fi

exe=$(readlink "/proc/$app_pid/exe")
cwd=$(readlink "/proc/$app_pid/cwd")
if [[ $exe == /usr/bin/conteggo && $cwd == "$home" ]]; then
    ok "it runs /usr/bin/conteggo in the home folder"
else
    not_ok "it runs /usr/bin/conteggo in the home folder" "it runs $exe in $cwd"
fi

# A second start from the menu brings the copy that runs forward: no refusal box, no second
# copy, the launcher's command ends.
(cd "$elsewhere" && HOME=$home XDG_RUNTIME_DIR=$runtime exec gio launch "$desktop") \
    >>"$top/launch.log" 2>&1
# Copies in the home folder: other tests' copies run meanwhile elsewhere.
copies_at_home() {
    local pid n=0
    for pid in $(pgrep -x conteggo); do
        [[ $(readlink "/proc/$pid/cwd") == "$home" ]] && n=$((n + 1))
    done
    echo "$n"
}
one_copy_no_box() {
    [[ $(copies_at_home) == 1 ]] &&
        ! timeout 5 xdotool search --onlyvisible --name '^info$' >/dev/null 2>&1
}
if poll 10 one_copy_no_box; then
    ok "a second start from the menu shows the copy that runs, and no refusal"
else
    not_ok "a second start from the menu shows the copy that runs, and no refusal" \
        "$(copies_at_home) copies; launcher said: $(tr '\n' ' ' <"$top/launch.log")"
fi

kill -TERM "$app_pid"
count_saved() { [[ $(cat "$home/conteggo.txt" 2>/dev/null) =~ ^[0-9]+$'\r'$ ]]; }
if ! poll 10 gone "$app_pid"; then
    not_ok "SIGTERM ends it and the count is saved in the home folder" "still running after 10 s"
elif ! count_saved || [[ -e $elsewhere/conteggo.txt ]]; then
    not_ok "SIGTERM ends it and the count is saved in the home folder" \
        "home holds: $(find "$home" -mindepth 1 -printf '%P ')elsewhere holds:$(
            find "$elsewhere" -mindepth 1 -printf ' %P')"
else
    forget "$app_pid"
    ok "SIGTERM ends it and the count is saved in the home folder"
fi

installed=""
if "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q \
    -o DPkg::Lock::Timeout=120 conteggo >"$top/apt.log" 2>&1 &&
    ! dpkg-query -W -f='${Status}' conteggo 2>/dev/null | grep -q 'ok installed' &&
    [[ ! -e /usr/bin/conteggo && ! -e $desktop ]]; then
    ok "apt-get remove takes it away"
else
    not_ok "apt-get remove takes it away" "$(tail -n 5 "$top/apt.log" | tr '\n' ' ')"
fi

report_end
