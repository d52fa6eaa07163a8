#!/bin/bash
# Installs what Tomecase's builds and tests need on Debian 12, as root.
# Safe to run again: apt is skipped when everything is present.
set -euo pipefail

packages=(
    cmake make g++ clang libclang-rt-14-dev       # native build, sanitizers, fuzzing
    googletest libbenchmark-dev nlohmann-json3-dev
    g++-mingw-w64-i686                            # the Windows build
    wine wine32:i386 fonts-wine                   # running it
    xvfb xauth xdotool imagemagick icoutils       # display, driving, screenshots, icons
    ghostscript poppler-utils fp-utils            # printed output, help file
    python3                                       # regenerating and checking test data
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

if [ "$(id -u)" != 0 ]; then
    echo "install-deps: missing ${missing[*]}; run as root to install them" >&2
    exit 1
fi
echo "install-deps: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${packages[@]}"
