#!/bin/bash
# Installs what Tomecase's builds and tests need on Debian 12, as root.
# Safe to run again: apt is skipped when everything is present.
#
# The 32-bit Wine (wine32:i386, and with it the i386 architecture) is added
# only where this machine can run 32-bit x86 programs: elsewhere the i386
# packages' own install scripts would fail half-way through apt. Setting
# TOMECASE_NO_32BIT=1 makes this script and test.sh act as on such a machine.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/machine-lib.sh"

packages=(
    cmake make g++ clang libclang-rt-14-dev       # native build, sanitizers, fuzzing
    googletest libbenchmark-dev nlohmann-json3-dev
    libcsv-dev dpkg-dev                           # CSV in tomebook; its source for Windows
    g++-mingw-w64-i686 g++-mingw-w64-x86-64       # the two Windows builds
    wine wine64 fonts-wine                        # running them
    xvfb xauth xdotool imagemagick icoutils       # display, driving, screenshots, icons
    ghostscript poppler-utils fp-utils            # printed output, help file
    nsis                                          # the installer
    python3                                       # regenerating and checking test data
)

if runs_i386_here; then
    runs32=yes
    packages+=(wine32:i386)
else
    runs32=no
fi

report() {
    if [ $runs32 = yes ]; then
        echo "install-deps: this machine runs both Windows builds (32-bit and 64-bit Wine)"
    elif [ "${TOMECASE_NO_32BIT:-}" = 1 ]; then
        echo "install-deps: TOMECASE_NO_32BIT=1: only the 64-bit Windows build will be run"
    else
        echo "install-deps: this machine cannot run 32-bit x86 programs; only the 64-bit Windows build will be run"
    fi
}

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    report
    "$here/fetch-libcsv-source.sh"
    exit 0
fi

if [ "$(id -u)" != 0 ]; then
    echo "install-deps: missing ${missing[*]}; run as root to install them" >&2
    exit 1
fi
echo "install-deps: installing ${missing[*]}"
if [ $runs32 = yes ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${packages[@]}"
report
"$here/fetch-libcsv-source.sh"
