#!/usr/bin/env bash
# Installs the Debian packages that building, testing, fuzzing and the end-to-end test need,
# and, for each group named, what that one step needs besides:
#   windows   levelsplit.exe with the mingw-w64 cross compiler, and wine to test it
#   package   the Debian package and the checks of its desktop files
# Idempotent: when everything is there it only asks dpkg.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # running the editor: the X11 and offscreen platform plugins, a font
    qt6-qpa-plugins fonts-dejavu-core
    # tests and benchmarks; Qt's platform headers for a test theme with X11 key bindings
    libgtest-dev libgmock-dev libbenchmark-dev qt6-base-private-dev
    # fuzzing (libFuzzer with clang 14)
    clang-14 libclang-rt-14-dev
    # the end-to-end test: a real X server, a scripted pointer and keyboard, screenshots, the
    # X clipboard read from outside
    xvfb xauth xdotool imagemagick x11-utils libx11-dev python3 xclip
)

for group in "$@"; do
    case "$group" in
    windows) packages+=(g++-mingw-w64-x86-64-win32 wine wine64) ;;
    package) packages+=(dpkg-dev desktop-file-utils appstream libxml2-utils shared-mime-info man-db) ;;
    *) echo "install-deps.sh: unknown group '$group' (windows, package)" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
