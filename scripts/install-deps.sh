#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, the sources' layout check, testing, fuzzing and
# the end-to-end test need, and, for each group named, what that one step needs besides:
#   windows   VrhEdit.exe and levelsplit.exe: the mingw-w64 cross compiler, what building Qt for
#             Windows from Debian's source needs (then scripts/build-qt-windows builds it once),
#             GoogleTest's source, NSIS, zip, git and xz for the packages and their source,
#             wine to test them
#   package   the Debian package and the checks of its desktop files
# Idempotent: when everything is there it only asks dpkg (and finds Qt for Windows built).
set -euo pipefail

packages=(
    # build, and the layout check of the sources
    cmake ninja-build g++ pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # running the editor: the X11 and offscreen platform plugins, a font
    qt6-qpa-plugins fonts-dejavu-core
    # tests and benchmarks; Qt's platform headers for a test theme with X11 key bindings
    libgtest-dev libgmock-dev libbenchmark-dev qt6-base-private-dev
    # fuzzing (libFuzzer with clang 14)
    clang-14 libclang-rt-14-dev
    # the end-to-end test: a real X server, a scripted pointer and keyboard, screenshots, the
    # X clipboard read from outside; git for a levelset's text in a repository's diff
    xvfb xauth xdotool imagemagick x11-utils libx11-dev python3 xclip git
    # what a screen reader gets: a private D-Bus session, the accessibility bus, pyatspi
    dbus dbus-daemon at-spi2-core python3-pyatspi
)

build_qt_windows=false
for group in "$@"; do
    case "$group" in
    windows) build_qt_windows=true
             packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix dpkg-dev patch
                        googletest nsis zip xz-utils git wine wine64) ;;
    package) packages+=(dpkg-dev desktop-file-utils appstream libxml2-utils shared-mime-info man-db) ;;
    *) echo "install-deps.sh: unknown group '$group' (windows, package)" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if ((EUID != 0)); then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Qt for Windows is no Debian package: built once from Debian's source, then kept.
if $build_qt_windows; then
    "$(dirname "$0")/build-qt-windows" >/dev/null
fi
