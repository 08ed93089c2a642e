#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, then configures and builds.
# Quick when nothing changed: it installs only missing packages and builds incrementally.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-default}"
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev nlohmann-json3-dev)
# The fuzz targets are built with clang and its libFuzzer.
if [ "$preset" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}" >&2
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Further arguments name the targets to build; none builds everything.
targets=("${@:2}")
if [ ! -f "build/$preset/build.ninja" ]; then
    cmake --preset "$preset" >/dev/null
fi
log="build/$preset/last-build.log"
if ! cmake --build --preset "$preset" ${targets[@]:+--target "${targets[@]}"} >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
