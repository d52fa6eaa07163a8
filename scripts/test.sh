#!/bin/bash
# Installs what is needed, builds the native and the Windows build and runs
# every test of both with ctest: native unit tests, benchmarks' and fuzzing's
# bounded runs, then the Windows-side tests and end-to-end sessions under
# Wine. Exits non-zero when a build or any test fails.
#
# TOMECASE_BUILD_ROOT chooses the build folder (default: build/).
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
builds=${TOMECASE_BUILD_ROOT:-$root/build}
native=$builds/native
windows=$builds/windows

step() { printf '\n=== %s\n' "$*"; }

"$root/scripts/install-deps.sh" || exit 1

step "native build ($native)"
cmake -S "$root" -B "$native" || exit 1
cmake --build "$native" -j2 || exit 1

step "Windows build ($windows)"
cmake -S "$root" -B "$windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" || exit 1
cmake --build "$windows" -j2 || exit 1

step "native tests"
(cd "$native" && ctest --output-on-failure -j2)
native_status=$?

step "Windows tests under Wine"
(cd "$windows" && ctest --output-on-failure -j2)
windows_status=$?
# The display and Wine server end with the last test; this covers a run
# stopped half-way.
"$root/scripts/wine-run" --xvfb "$windows/wine" --stop
"$root/scripts/wine-run" --xvfb "$windows/e2e-wine" --stop

if [ $native_status -ne 0 ] || [ $windows_status -ne 0 ]; then
    echo "test: FAILED (native ctest $native_status, Windows ctest $windows_status)"
    exit 1
fi
echo "test: all native and Windows tests passed"
