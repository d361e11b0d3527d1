# shellcheck shell=bash disable=SC2034  # read by the scripts that source this file
# The Debian packages the project needs, sourced by the scripts that install them. The test
# script installs every list whose name ends in _TEST_PACKAGES; CI installs them all at once.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools
    libcanberra-dev libxcb1-dev librsvg2-bin ccache)
RUN_PACKAGES=(fonts-liberation libcanberra-pulse qt6-translations-l10n)
DESKTOP_TEST_PACKAGES=(xvfb openbox x11-utils xdotool dbus)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
FORMAT_PACKAGES=(clang-format)
INSTALL_TEST_PACKAGES=(desktop-file-utils appstream dpkg-dev file libglib2.0-bin binutils xvfb openbox
    x11-utils xdotool dbus lintian)
SOUND_TEST_PACKAGES=(pulseaudio pulseaudio-utils sox xvfb xdotool dbus)
RELIABILITY_TEST_PACKAGES=(xvfb openbox x11-utils xdotool dbus)
BAD_FILES_TEST_PACKAGES=(xvfb xdotool dbus)
VERBS_TEST_PACKAGES=(xvfb openbox x11-utils xdotool dbus python3 python3-xlib util-linux)
ACCESS_TEST_PACKAGES=(xvfb openbox x11-utils xdotool at-spi2-core python3-pyatspi python3-pil
    imagemagick librsvg2-bin adwaita-qt6)
LINT_PACKAGES=(shellcheck)
SCREENS_TEST_PACKAGES=(xvfb openbox x11-utils x11-xserver-utils xdotool dbus weston qt6-wayland
    qt6-base-dev-tools)

# packages_of PATTERN...: the packages of the lists above whose names match a PATTERN (say
# '*_TEST_PACKAGES'), each once, one a line.
packages_of() {
    local pattern list
    for pattern in "$@"; do
        for list in $(compgen -A variable | grep -x '[A-Z_0-9]*_PACKAGES'); do
            # shellcheck disable=SC2053  # the pattern is meant to match as a pattern
            [[ $list == $pattern ]] || continue
            local -n packages_list=$list
            printf '%s\n' "${packages_list[@]}"
            unset -n packages_list
        done
    done | awk '!seen[$0]++'
}
