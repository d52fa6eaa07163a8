#!/bin/bash
# Installs what is needed, builds the native build and both Windows builds
# (32-bit and 64-bit) and runs every test with ctest: native unit tests,
# benchmarks' and fuzzing's bounded runs, then the Windows-side tests and
# end-to-end sessions under each Windows build this machine can run. A build
# that cannot run here (no 32-bit x86 support in the kernel, say) is built
# but not tested, and the closing summary says why. Exits non-zero when a
# build or any test fails, or when no Windows build could be tested.
#
# TOMECASE_BUILD_ROOT chooses the build folder (default: build/).
# TOMECASE_NO_32BIT=1 acts as on a machine that cannot run 32-bit programs.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
builds=${TOMECASE_BUILD_ROOT:-$root/build}
. "$root/scripts/machine-lib.sh"

step() { printf '\n=== %s\n' "$*"; }
now() { date +%s; }

"$root/scripts/install-deps.sh" || exit 1

# The Windows builds: folder, toolchain file, and how to tell whether it runs here.
windows_builds=(windows windows64)
declare -A toolchain=([windows]=toolchain-mingw-i686.cmake [windows64]=toolchain-mingw-x86_64.cmake)
declare -A label=([windows]="32-bit Windows build" [windows64]="64-bit Windows build")
declare -A missing_reason=([windows]=wine32_missing_reason [windows64]=wine64_missing_reason)

step "native build ($builds/native)"
cmake -S "$root" -B "$builds/native" || exit 1
cmake --build "$builds/native" -j2 || exit 1
for b in "${windows_builds[@]}"; do
    step "${label[$b]} ($builds/$b)"
    cmake -S "$root" -B "$builds/$b" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/${toolchain[$b]}" || exit 1
    cmake --build "$builds/$b" -j2 || exit 1
done
step "packages ($builds/packages)"
TOMECASE_BUILD_ROOT=$builds "$root/scripts/package.sh" || exit 1

passed=0 failed=0 skipped=0 failures=() ran=() not_run=()

# Runs ctest in folder $1 for $2 and adds its counts to the totals.
run_ctest() {
    local log status start line total bad skips
    log=$(mktemp)
    start=$(now)
    (cd "$1" && ctest --output-on-failure -j2) 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    # "100% tests passed, 0 tests failed out of 57"; a test that skipped
    # itself is listed as "(Skipped)" and counted among the passed.
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n1)
    skips=$(grep -cE '^\s+[0-9]+ - .* \(Skipped\)$' "$log")
    rm -f "$log"
    if [ -z "$line" ]; then
        failures+=("$2: ctest ran no tests (status $status)")
        failed=$((failed + 1))
        return
    fi
    bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$line")
    passed=$((passed + total - bad - skips))
    failed=$((failed + bad))
    skipped=$((skipped + skips))
    ran+=("$2: $((total - bad - skips)) of $total passed, $skips skipped, in $(($(now) - start)) s")
    [ "$status" -eq 0 ] || failures+=("$2: ctest exit status $status, $bad failed")
}

step "native tests"
run_ctest "$builds/native" "native build"

for b in "${windows_builds[@]}"; do
    why=$(${missing_reason[$b]})
    if [ -n "$why" ]; then
        count=$(cd "$builds/$b" && ctest -N | sed -nE 's/^Total Tests: ([0-9]+)/\1/p')
        skipped=$((skipped + ${count:-0}))
        not_run+=("${label[$b]}: built, its ${count:-0} tests skipped: $why")
        continue
    fi
    step "${label[$b]}: tests under Wine"
    run_ctest "$builds/$b" "${label[$b]}"
    # The display and Wine server end with the last test; this covers a run
    # stopped half-way.
    "$root/scripts/wine-run" --xvfb "$builds/$b/wine" --stop
    "$root/scripts/wine-run" --xvfb "$builds/$b/e2e-wine" --stop
done

# The end-to-end sessions save the same edits in each build: the book files
# must be the same bytes whichever build wrote them.
compare_saved_books() {
    local session a b
    for session in user-session book-session; do
        a=$builds/windows/e2e/$session/saved.lib b=$builds/windows64/e2e/$session/saved.lib
        if [ ! -s "$a" ] || [ ! -s "$b" ]; then
            failures+=("$session: no saved book file from both builds to compare")
        elif cmp -s "$a" "$b"; then
            ran+=("$session: the 32-bit and 64-bit builds saved byte-identical book files ($(stat -c %s "$a") bytes)")
        else
            failures+=("$session: the 32-bit and 64-bit builds saved different book files ($a, $b)")
        fi
    done
}
if [ ${#not_run[@]} -eq 0 ]; then
    compare_saved_books
fi

step "summary"
for line in "${ran[@]}"; do echo "ran: $line"; done
for line in "${not_run[@]}"; do echo "skipped: $line"; done
for line in "${failures[@]}"; do echo "failed: $line"; done
status=0
if [ ${#not_run[@]} -eq ${#windows_builds[@]} ]; then
    echo "failed: no Windows build could be tested on this machine"
    status=1
fi
[ ${#failures[@]} -eq 0 ] || status=1
echo "test: $passed passed, $failed failed, $skipped skipped"
exit $status
