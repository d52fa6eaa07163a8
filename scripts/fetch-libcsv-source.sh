#!/bin/bash
# Puts the source of libcsv, the CSV parser tomebook uses, outside the
# repository for the Windows builds, which compile it as libcsv.dll (Debian
# ships it only as a Linux library). The source is Debian's own source
# package of the libcsv-dev that is installed, unpacked with Debian's patches,
# so both builds parse with the same code. Run as root, after libcsv-dev and
# dpkg-dev are installed; does nothing when that version is already there.
#
# Folder: TOMECASE_DEPS (default /usr/local/src/tomecase), which the CMake
# build also reads; the source ends up in $TOMECASE_DEPS/libcsv.
set -euo pipefail

deps=${TOMECASE_DEPS:-/usr/local/src/tomecase}
version=$(dpkg-query -W -f='${source:Version}' libcsv-dev 2>/dev/null || true)
if [ -z "$version" ]; then
    echo "fetch-libcsv-source: libcsv-dev is not installed; install it first" >&2
    exit 1
fi
target=$deps/libcsv
if [ -f "$target/libcsv.c" ] && [ "$(cat "$target/.debian-version" 2>/dev/null)" = "$version" ]; then
    echo "fetch-libcsv-source: libcsv $version source present in $target"
    exit 0
fi

# A private apt set-up with only the deb-src entry, so the machine's own apt
# sources and lists are left as they are.
work=$deps/.libcsv-fetch
rm -rf "$work"
mkdir -p "$work/parts" "$work/lists/partial" "$work/cache/archives/partial" "$work/get"
sources=/etc/apt/sources.list.d/debian.sources
uris=$(sed -n 's/^URIs: *//p' "$sources" | head -1)
suites=$(sed -n 's/^Suites: *//p' "$sources" | head -1)
cat >"$work/parts/debian-src.sources" <<SOURCES
Types: deb-src
URIs: ${uris:-http://deb.debian.org/debian}
Suites: ${suites:-bookworm bookworm-updates}
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
apt_opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/parts"
          -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache")
echo "fetch-libcsv-source: fetching the Debian source of libcsv $version"
apt-get "${apt_opts[@]}" -q update >/dev/null
# apt checks the files against the signed source index (so dpkg-source need
# not check the .dsc's own signature) and dpkg-source applies Debian's patches.
(cd "$work/get" && apt-get "${apt_opts[@]}" -q source --download-only "libcsv=$version" >/dev/null)
dpkg-source --no-check -x "$work/get"/libcsv_*.dsc "$work/src" >/dev/null
rm -rf "$target"
mv "$work/src" "$target"
echo "$version" >"$target/.debian-version"
rm -rf "$work"
echo "fetch-libcsv-source: libcsv $version source in $target"
