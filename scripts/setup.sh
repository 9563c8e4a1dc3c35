#!/usr/bin/env bash
# Installs the Debian packages the build needs, then configures and builds the given
# presets (default when none is named). Safe to run again: it installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ pkg-config clang-format
    libgtest-dev libgmock-dev libsqlite3-dev sqlite3
    libwxgtk3.2-dev libncurses-dev fonts-ipafont-gothic
    xvfb xdotool x11-apps tmux imagemagick
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    ((EUID == 0)) || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

presets=("$@")
((${#presets[@]})) || presets=(default)
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
