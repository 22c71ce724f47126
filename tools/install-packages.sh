#!/bin/bash
# Installs the Debian 12 packages a task needs, when any is missing: `game` to build and play,
# `test` to build and run every test as well. Needs root (or sudo) only when something is missing.
set -euo pipefail

game_packages=(
    build-essential cmake pkg-config
    # The SDL 1.2 API comes from sdl12-compat; it must be named together with the mixer, which
    # would otherwise pull in the classic SDL 1.2.
    libsdl1.2-compat-dev libsdl-mixer1.2-dev libmpg123-dev
    libfreeimage-dev libglu1-mesa-dev libgl1-mesa-dri libgtk-3-dev libx11-dev
)
test_packages=(
    git googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
    xvfb xauth xdotool x11-utils imagemagick valgrind openbox wmctrl
    python3 python3-pil python3-numpy sox lame fonts-dejavu-core appstream desktop-file-utils librsvg2-bin
    # Building the Debian packages and judging them as a distribution would.
    debhelper dpkg-dev lintian
)

wanted=("${game_packages[@]}")
for task in "$@"; do
    case "$task" in
    game) ;;
    test) wanted+=("${test_packages[@]}") ;;
    *) echo "usage: $0 game|test" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
run_as_root=()
[ "$(id -u)" -eq 0 ] || run_as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -q
"${run_as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
