#!/bin/bash
# Installs what is needed, builds Tomecase.exe and runs it under Wine: the
# 32-bit build where this machine runs 32-bit programs, else the 64-bit
# one (TOMECASE_WINDOWS_BUILD=windows or windows64 chooses instead). The
# first run gives it the sample books (tests/data/good/sample_books.lib) as
# the book file saved last, so there is a list to see; later runs reopen
# whatever was saved last. With no X display it runs on an Xvfb, saves a
# screenshot of its main window, prints the PNG's path and how long the
# window took to show its list, and ends the program.
#
# TOMECASE_BOOK_FILE=FILE.lib opens that book file instead: it is copied into
# the data folder and named as the file saved last.
#
# TOMECASE_BUILD_ROOT chooses the build folder (default: build/).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
builds=${TOMECASE_BUILD_ROOT:-$root/build}
. "$root/scripts/machine-lib.sh"

"$root/scripts/install-deps.sh"
which=${TOMECASE_WINDOWS_BUILD:-}
if [ -z "$which" ]; then
    why=$(wine32_missing_reason)
    if [ -z "$why" ]; then
        which=windows
    else
        which=windows64
        echo "run: the 32-bit build cannot run here ($why)"
    fi
fi
case "$which" in
windows) toolchain=toolchain-mingw-i686.cmake; echo "run: the 32-bit Tomecase.exe (build/windows)" ;;
windows64) toolchain=toolchain-mingw-x86_64.cmake; echo "run: the 64-bit Tomecase.exe (build/windows64)" ;;
*) echo "run: TOMECASE_WINDOWS_BUILD must be windows or windows64" >&2; exit 2 ;;
esac
build=$builds/$which
# The program's own prefix, apart from the tests' (wine/ in the same build
# folder), so its books and settings survive test runs.
state=$build/wine-app

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain"
cmake --build "$build" -j2 --target Tomecase
exe=$build/Tomecase.exe
# Tomecase looks for its help file, Tomecase.chm, in the working directory it
# starts in; the build puts it beside Tomecase.exe, so it starts there (paths
# made absolute first: a relative build root would not survive the cd).
book_file=${TOMECASE_BOOK_FILE:+$(realpath "$TOMECASE_BOOK_FILE")}
build=$(realpath "$build") exe=$(realpath "$exe") state=$(realpath -m "$state")
cd "$build"

# The settings file names the book file saved last; until there is one, the
# sample books stand in for it.
seed_sample_books() {
    local data="$WINEPREFIX/drive_c/users/Public/Documents/Verdanth/Tomecase"
    if [ -n "$book_file" ]; then
        mkdir -p "$data"
        cp "$book_file" "$data/$(basename "$book_file")"
        printf 'C:\\users\\Public\\Documents\\Verdanth\\Tomecase\\%s\r\n' "$(basename "$book_file")" >"$data/Tomecase.ini"
        echo "run: Tomecase opens $data/$(basename "$book_file")"
        return 0
    fi
    [ -e "$data/Tomecase.ini" ] && return 0
    mkdir -p "$data"
    cp "$root/tests/data/good/sample_books.lib" "$data/Sample books.lib"
    printf 'C:\\users\\Public\\Documents\\Verdanth\\Tomecase\\Sample books.lib\r\n' >"$data/Tomecase.ini"
    echo "run: first run, Tomecase opens the sample books ($data/Sample books.lib)"
}

if [ -n "${DISPLAY:-}" ]; then
    eval "$("$root/scripts/wine-run" "$state" --env)"
    seed_sample_books
    exec "$root/scripts/wine-run" "$state" "$exe"
fi

. "$root/scripts/window-lib.sh"
stop() { "$root/scripts/wine-run" --xvfb "$state" --stop; }
trap stop EXIT
eval "$("$root/scripts/wine-run" --xvfb "$state" --env)"
seed_sample_books
started=$(date +%s.%N)
"$root/scripts/wine-run" --xvfb "$state" "$exe" </dev/null &
app=$!

shots=$build/screenshots
mkdir -p "$shots"
# A book file that cannot be opened is reported first; answer it to go on.
window=
for i in $(seq 300); do
    box=$(xdotool search --onlyvisible --name '^Open File$' 2>/dev/null | head -n1 || true)
    if [ -n "$box" ]; then
        screenshot "$shots/tomecase-message.png"
        echo "$shots/tomecase-message.png"
        focus_window "$box"
        xdotool key Return
    fi
    window=$(xdotool search --onlyvisible --name '^Tomecase$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
[ -n "$window" ] || { echo "run: the Tomecase window did not appear" >&2; exit 1; }
# The window shows once its book file is loaded and its list filled.
echo "run: the main window showed $(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }') s after start (checked every 0.1 s)"
screenshot "$shots/tomecase.png"
close_window "$window" "$app" || { echo "run: Tomecase did not close" >&2; kill "$app"; exit 1; }
wait "$app"
echo "$shots/tomecase.png"
