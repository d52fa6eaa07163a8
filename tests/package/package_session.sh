#!/bin/bash
# Tries a package of Tomecase under Wine as a Windows user would, in a fresh
# prefix of its own (STATE, whose arch file says which Wine).
#
#   package_session.sh zip|installer STATE PACKAGES NAME VERSION PROBE BOOK OUT
#
# zip:       unpacks PACKAGES/NAME.zip into a folder outside the prefix and
#            starts Tomecase.exe there: its main window opens the book file.
# installer: installs PACKAGES/Tomecase-VERSION-setup.exe silently; checks
#            the files, the Start-menu shortcut and the Add/Remove Programs
#            entry; starts the installed Tomecase.exe from the install folder;
#            installs again over it (an upgrade); uninstalls silently and
#            checks that the program, the shortcut and the entry are gone while
#            the book file and settings in the data folder are untouched.
# BOOK is the book file put in the data folder first; PROBE reads the main
# window; screenshots go to OUT. Exits 77 (skipped) when this machine cannot
# run the setup program, a 32-bit program.
set -u

here=$(cd "$(dirname "$0")" && pwd)
wine_run="$here/../../scripts/wine-run"
. "$here/../../scripts/window-lib.sh"
. "$here/../../scripts/machine-lib.sh"
kind=$1 state=$2 packages=$3 name=$4 version=$5 probe=$6 book=$7 out=$8

fail() {
    echo "FAIL: $*" >&2
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    "$wine_run" --xvfb "$state" --stop
    exit 1
}
pass() { echo "ok: $*"; }

setup=$packages/Tomecase-$version-setup.exe
zip=$packages/$name.zip
case "$kind" in
zip) [ -s "$zip" ] || fail "no portable zip $zip (build the tomecase_zip target or run scripts/package.sh)" ;;
installer)
    [ -s "$setup" ] || fail "no installer $setup (run scripts/package.sh)"
    if ! runs_i386_here; then
        echo "skipped: the setup program is a 32-bit program, which this machine cannot run"
        exit 77
    fi
    ;;
*) fail "usage: package_session.sh zip|installer STATE PACKAGES NAME VERSION PROBE BOOK OUT" ;;
esac

# A fresh prefix: nothing left from an earlier install.
"$wine_run" --xvfb "$state" --stop
rm -rf "$state/prefix"
eval "$("$wine_run" --xvfb "$state" --env)" || fail "Wine could not be prepared"
arch=$(cat "$state/arch")
mkdir -p "$out"
rm -f "$out"/*.png

# The user's data: a book file named by the settings file.
data="$WINEPREFIX/drive_c/users/Public/Documents/Verdanth/Tomecase"
mkdir -p "$data"
cp "$book" "$data/My books.lib" || fail "cannot copy $book"
printf 'C:\\users\\Public\\Documents\\Verdanth\\Tomecase\\My books.lib\r\n' >"$data/Tomecase.ini"
data_sums() { (cd "$data" && md5sum "My books.lib" Tomecase.ini); }
before=$(data_sums)

# A Unix path as Wine sees it: drive Z: is the Unix root.
winpath() { echo "Z:$(tr / '\\' <<<"$1")"; }

# The PE machine of a Windows program: 14c (i386) or 8664 (x86-64).
pe_machine() {
    python3 -c 'import struct,sys; b=open(sys.argv[1],"rb").read(); o=struct.unpack_from("<I",b,0x3c)[0]; print("%x" % struct.unpack_from("<H",b,o+4)[0])' "$1"
}
expected_machine=14c
[ "$arch" = win64 ] && expected_machine=8664

# Starts Tomecase.exe (Windows path $2) in Unix folder $1, checks that its
# main window opened the book file, saves screenshot $3 and closes it.
start_program() {
    (cd "$1" && exec "$wine_run" --xvfb "$state" "$2" </dev/null) &
    app=$!
    window=$(wait_window Tomecase "$app") || fail "the Tomecase window did not appear"
    screenshot "$3" || fail "no screenshot"
    echo "screenshot: $3"
    "$wine_run" --xvfb "$state" "$probe" >"$out/probe.txt" || fail "the probe found no Tomecase window"
    grep -q $'^status\t1\tFilename:My books.lib' "$out/probe.txt" || fail "Tomecase did not open the book file"
    pass "Tomecase.exe started from $1 opened the book file"
    close_window "$window" "$app" || fail "Tomecase did not close on Alt+F4"
    wait "$app"
    app=
}

if [ "$kind" = zip ]; then
    where="$state/unpacked folder"
    rm -rf "$where"
    mkdir -p "$where"
    (cd "$where" && python3 -m zipfile -e "$zip" .) || fail "cannot unpack $zip"
    folder="$where/$name"
    for f in Tomecase.exe Tomecase.chm tomebook.exe libcsv.dll libcsv-COPYING.LESSER.txt README.txt LICENSE.txt; do
        [ -s "$folder/$f" ] || fail "the zip has no $name/$f"
    done
    for f in Tomecase.exe tomebook.exe libcsv.dll; do
        [ "$(pe_machine "$folder/$f")" = $expected_machine ] || fail "the zip's $f is not for $arch"
    done
    pass "the zip holds the program, help, tomebook with libcsv.dll and its licence, README.txt and LICENSE.txt"
    # tomebook from the unpacked folder finds its DLL and reads a book file.
    "$wine_run" --xvfb "$state" "$folder/tomebook.exe" check "$(winpath "$book")" >/dev/null 2>&1 ||
        fail "the zip's tomebook.exe does not run"
    printf 'Title,Author\r\nThe Hobbit,J. R. R. Tolkien\r\n' >"$where/one.csv"
    "$wine_run" --xvfb "$state" "$folder/tomebook.exe" import "$(winpath "$where/empty.lib")" "$(winpath "$where/one.csv")" \
        </dev/null >"$out/import.txt" 2>&1 || fail "the zip's tomebook.exe cannot import: $(cat "$out/import.txt")"
    pass "the zip's tomebook.exe runs and imports a CSV file"
    start_program "$folder" "$(winpath "$folder/Tomecase.exe")" "$out/zip-main-window.png"
    "$wine_run" --xvfb "$state" --stop
    exit 0
fi

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tomecase'
reg_value() {
    "$wine_run" --xvfb "$state" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -nE "s/^ +$1 +REG_[A-Z]+ +(.*)$/\1/p"
}
installed="$WINEPREFIX/drive_c/Program Files/Tomecase"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tomecase.lnk"

install() {
    "$wine_run" --xvfb "$state" "$setup" /S </dev/null || fail "the silent install failed ($?)"
    for f in Tomecase.exe Tomecase.chm tomebook.exe libcsv.dll README.txt LICENSE.txt uninstall.exe; do
        [ -s "$installed/$f" ] || fail "the install left no $f in $installed"
    done
    [ "$(pe_machine "$installed/Tomecase.exe")" = $expected_machine ] ||
        fail "the installer put a Tomecase.exe for another Windows into Program Files"
    [ -s "$shortcut" ] || fail "no Start-menu shortcut"
    [ "$(reg_value DisplayVersion)" = "$version" ] || fail "the uninstall entry's DisplayVersion is not $version"
    [ "$(reg_value DisplayName)" = Tomecase ] || fail "the uninstall entry's DisplayName is not Tomecase"
    [ "$(reg_value Publisher)" = Verdanth ] || fail "the uninstall entry's Publisher is not Verdanth"
    [ "$(reg_value InstallLocation)" = 'C:\Program Files\Tomecase' ] || fail "InstallLocation is not the install folder"
    [ "$(reg_value QuietUninstallString)" = '"C:\Program Files\Tomecase\uninstall.exe" /S' ] ||
        fail "QuietUninstallString is not the silent uninstaller"
    [ -n "$(reg_value UninstallString)" ] && [ -n "$(reg_value DisplayIcon)" ] && [ -n "$(reg_value EstimatedSize)" ] ||
        fail "the uninstall entry lacks UninstallString, DisplayIcon or EstimatedSize"
}

install
pass "silent install: program files, shortcut and an uninstall entry for version $version"
start_program "$installed" 'C:\Program Files\Tomecase\Tomecase.exe' "$out/installed-main-window.png"

install
[ "$(data_sums)" = "$before" ] || fail "installing over the program changed the book file or settings"
pass "installing again over it keeps the book file and settings"

# The uninstaller copies itself elsewhere and starts again, so the first
# process returns at once: wait for the folder and the shortcut to go (it
# does not remove them in a fixed order we can wait on alone).
"$wine_run" --xvfb "$state" 'C:\Program Files\Tomecase\uninstall.exe' /S </dev/null || fail "the silent uninstall failed"
for i in $(seq 300); do
    [ -e "$installed" ] || [ -e "$shortcut" ] || break
    sleep 0.1
done
[ -e "$installed" ] && fail "the uninstall left $installed: $(ls "$installed" | tr '\n' ' ')"
[ -e "$shortcut" ] && fail "the uninstall left the Start-menu shortcut"
[ -z "$(reg_value DisplayName)" ] || fail "the uninstall left the uninstall entry"
[ "$(data_sums)" = "$before" ] || fail "the uninstall changed the book file or settings"
pass "silent uninstall: program, shortcut and entry gone; the book file and settings untouched"
"$wine_run" --xvfb "$state" --stop
exit 0
