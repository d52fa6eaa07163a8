#!/bin/bash
# Builds the Windows packages into build/packages:
#   Tomecase-VERSION-setup.exe   the installer (NSIS), with both programs:
#                                64-bit on 64-bit Windows, 32-bit elsewhere
#   Tomecase-VERSION-win32.zip   portable folders with the program, help,
#   Tomecase-VERSION-win64.zip   tomebook, README.txt and LICENSE.txt
# from the two Windows builds (each build's tomecase_zip target stages its
# files and writes its zip). VERSION is the program's own, from
# src/app/version.h. TOMECASE_BUILD_ROOT chooses the build folder.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
builds=${TOMECASE_BUILD_ROOT:-$root/build}
packages=$builds/packages

"$root/scripts/install-deps.sh"
version=$(sed -nE 's/^#define TOMECASE_VERSION_TEXT "([0-9.]+)"$/\1/p' "$root/src/app/version.h")
[ -n "$version" ] || { echo "package: no version in src/app/version.h" >&2; exit 1; }

for build in windows:toolchain-mingw-i686.cmake windows64:toolchain-mingw-x86_64.cmake; do
    folder=$builds/${build%%:*}
    cmake -S "$root" -B "$folder" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/${build#*:}" \
        -DTOMECASE_PACKAGES_DIR="$packages" >/dev/null
    cmake --build "$folder" -j2 --target tomecase_zip
done

setup=$packages/Tomecase-$version-setup.exe
makensis -V2 -DVERSION="$version" -DOUTFILE="$setup" -DICON="$builds/windows/package/tomecase.ico" \
    -DWIN32DIR="$builds/windows/package/Tomecase-$version-win32" \
    -DWIN64DIR="$builds/windows64/package/Tomecase-$version-win64" "$root/packaging/Tomecase.nsi"
for f in "$setup" "$packages/Tomecase-$version-win32.zip" "$packages/Tomecase-$version-win64.zip"; do
    echo "package: $f ($(stat -c %s "$f") bytes)"
done
