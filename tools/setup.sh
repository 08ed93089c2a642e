#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, then configures and builds.
# Quick when nothing changed: it installs only missing packages and builds incrementally.
#
#   tools/setup.sh [PRESET] [TARGETS...]   default, sanitize, fuzz, bench or win32
#
# The win32 preset cross-builds mvkinsp.dll and mvdesk.exe with MinGW-w64 and needs Wine
# (32-bit), an X server without a screen, ImageMagick and xdotool to run, show and click them;
# its resources come from the resource generator of the default build.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-default}"
# Further arguments name the targets to build; none builds everything.
targets=("${@:2}")

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev nlohmann-json3-dev)
# The fuzz targets are built with clang and its libFuzzer.
if [ "$preset" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi
if [ "$preset" = win32 ]; then
    packages+=(g++-mingw-w64-i686 wine wine32:i386 xvfb imagemagick xdotool fonts-droid-fallback
        fonts-vlgothic)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "adding the i386 architecture for 32-bit Wine" >&2
        $sudo dpkg --add-architecture i386
    fi
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}" >&2
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if [ "$preset" = win32 ]; then
    tools/setup.sh default mvkinsp_rcgen
fi
if [ ! -f "build/$preset/build.ninja" ]; then
    cmake --preset "$preset" >/dev/null
fi
log="build/$preset/last-build.log"
if ! cmake --build --preset "$preset" ${targets[@]:+--target "${targets[@]}"} >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
