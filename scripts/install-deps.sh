#!/usr/bin/env bash
# Installs every Debian package that building, testing, fuzzing and the
# end-to-end test need. Idempotent: when everything is there it only asks dpkg.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # running the editor: the X11 and offscreen platform plugins, a font
    qt6-qpa-plugins fonts-dejavu-core
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # fuzzing (libFuzzer with clang 14)
    clang-14 libclang-rt-14-dev
    # the end-to-end test: a real X server, a scripted pointer and keyboard, screenshots, the
    # X clipboard read from outside
    xvfb xauth xdotool imagemagick x11-utils libx11-dev python3 xclip
)

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
