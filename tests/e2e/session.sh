#!/bin/bash
# One end-to-end session: the real Tomecase.exe under Wine, started with BOOK
# named by the settings file in the prefix's data folder. Waits for the main
# window, saves a screenshot, closes the window as a user would (Alt+F4) and
# checks that the program ended with 0 and wrote nothing.
#
#   session.sh STATE EXE BOOK SHOT [--refused]
#
# STATE is wine-run's folder; SHOT the PNG to write. With --refused the book
# file must be refused: an "Open File" message box comes first (its
# screenshot goes to SHOT with -message before .png), is answered with Enter,
# and the main window then opens with no book file.
set -u

here=$(cd "$(dirname "$0")" && pwd)
wine_run="$here/../../scripts/wine-run"
. "$here/../../scripts/window-lib.sh"
state=$1 exe=$2 book=$3 shot=$4
refused=${5:-}

fail() {
    echo "FAIL: $*" >&2
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    exit 1
}

eval "$("$wine_run" --xvfb "$state" --env)" || fail "Wine could not be prepared"

# The data folder the program finds through the shell (common documents).
data="$WINEPREFIX/drive_c/users/Public/Documents/Verdanth/Tomecase"
mkdir -p "$data" || fail "cannot make $data"
name="e2e $(basename "$book")"
cp "$book" "$data/$name" || fail "cannot copy $book"
printf 'C:\\users\\Public\\Documents\\Verdanth\\Tomecase\\%s\r\n' "$name" >"$data/Tomecase.ini"
before=$(md5sum <"$data/$name")$(md5sum <"$data/Tomecase.ini")

mkdir -p "$(dirname "$shot")"
rm -f "$shot" "${shot%.png}-message.png"

"$wine_run" --xvfb "$state" "$exe" </dev/null &
app=$!

if [ "$refused" = --refused ]; then
    box=$(wait_window "Open File" "$app") || fail "no \"Open File\" message box for a refused book file"
    screenshot "${shot%.png}-message.png" || fail "no screenshot"
    echo "screenshot: ${shot%.png}-message.png"
    focus_window "$box"
    xdotool key Return
fi

window=$(wait_window Tomecase "$app") || fail "the Tomecase window did not appear"
if [ "$refused" != --refused ] && [ -n "$(xdotool search --onlyvisible --name '^Open File$' 2>/dev/null)" ]; then
    fail "a message box came up for a good book file"
fi
screenshot "$shot" || fail "no screenshot"
echo "screenshot: $shot"
[ "$(identify -format '%wx%h' "$shot")" = 1024x768 ] || fail "screenshot is not the 1024x768 desktop"

close_window "$window" "$app" || fail "Tomecase did not close on Alt+F4"
wait "$app"
status=$?
app=
[ "$status" = 0 ] || fail "Tomecase ended with $status"

after=$(md5sum <"$data/$name")$(md5sum <"$data/Tomecase.ini")
[ "$before" = "$after" ] || fail "the book file or the settings file changed although nothing was saved"
echo "session passed"
