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
state=$1 exe=$2 book=$3 shot=$4
refused=${5:-}

fail() {
    echo "FAIL: $*" >&2
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    exit 1
}

eval "$("$wine_run" "$state" --env)" || fail "Wine could not be prepared"

# The data folder the program finds through the shell (common documents).
data="$WINEPREFIX/drive_c/users/Public/Documents/Verdanth/Tomecase"
mkdir -p "$data" || fail "cannot make $data"
name="e2e $(basename "$book")"
cp "$book" "$data/$name" || fail "cannot copy $book"
printf 'C:\\users\\Public\\Documents\\Verdanth\\Tomecase\\%s\r\n' "$name" >"$data/Tomecase.ini"
before=$(md5sum <"$data/$name")$(md5sum <"$data/Tomecase.ini")

mkdir -p "$(dirname "$shot")"
rm -f "$shot" "${shot%.png}-message.png"

"$wine_run" "$state" "$exe" </dev/null &
app=$!

# Waits up to 30 s for a window whose whole name is $1; prints its id.
wait_window() {
    local id i
    for i in $(seq 300); do
        id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        kill -0 "$app" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

screenshot() {
    sleep 1  # let the window paint
    import -window root "$1" || fail "no screenshot"
    echo "screenshot: $1"
}

# A click on the caption gives the window the keyboard. (Coordinates are
# relative to the window: xdotool's absolute ones are wrong for Wine's
# windows inside the virtual desktop.)
focus() {
    xdotool mousemove --window "$1" 150 8 click 1
    sleep 0.3
}

if [ "$refused" = --refused ]; then
    box=$(wait_window "Open File") || fail "no \"Open File\" message box for a refused book file"
    screenshot "${shot%.png}-message.png"
    focus "$box"
    xdotool key Return
fi

window=$(wait_window Tomecase) || fail "the Tomecase window did not appear"
if [ "$refused" != --refused ] && [ -n "$(xdotool search --name '^Open File$' 2>/dev/null)" ]; then
    fail "a message box came up for a good book file"
fi
screenshot "$shot"
[ "$(identify -format '%wx%h' "$shot")" = 1024x768 ] || fail "screenshot is not the 1024x768 desktop"

focus "$window"
xdotool key alt+F4
for i in $(seq 150); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "Tomecase did not close on Alt+F4"
wait "$app"
status=$?
app=
[ "$status" = 0 ] || fail "Tomecase ended with $status"

after=$(md5sum <"$data/$name")$(md5sum <"$data/Tomecase.ini")
[ "$before" = "$after" ] || fail "the book file or the settings file changed although nothing was saved"
echo "session passed"
