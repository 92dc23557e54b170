#!/bin/sh
# The Debian package made from a build tree: it holds the programs, the
# program folder's content and the desktop files where Debian expects them,
# and its dependencies name the libraries the programs link (found by
# dpkg-shlibdeps) and the plugins they load at run time. Debian's own checker
# finds no error in it.
#
# Usage: paquet.sh BUILD_DIR
set -eu

build=${1:?usage: paquet.sh BUILD_DIR}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fallar() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.txt" 2>&1 ||
    fallar "cpack: $(cat "$tmp/cpack.txt")"
deb=$(ls "$tmp"/quorvel_*.deb)

dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/contingut.txt"
for f in ./usr/bin/quorvel ./usr/bin/quorvel-inspect \
    ./usr/share/quorvel/graella.esc ./usr/share/quorvel/quorvel.ini ./usr/share/quorvel/kk.map \
    ./usr/share/quorvel/catala.trad ./usr/share/quorvel/english.trad \
    ./usr/share/quorvel/ajuda/ca.md ./usr/share/quorvel/exercicis/04_troba/troba.brd \
    ./usr/share/applications/cat.quorvel.Quorvel.desktop \
    ./usr/share/metainfo/cat.quorvel.Quorvel.metainfo.xml \
    ./usr/share/mime/packages/cat.quorvel.Quorvel.xml \
    ./usr/share/icons/hicolor/scalable/apps/cat.quorvel.Quorvel.svg \
    ./usr/share/icons/hicolor/128x128/apps/cat.quorvel.Quorvel.png \
    ./usr/share/man/man1/quorvel.1.gz ./usr/share/man/man1/quorvel-inspect.1.gz \
    ./usr/share/doc/quorvel/copyright ./usr/share/doc/quorvel/changelog.gz; do
    grep -qxF "$f" "$tmp/contingut.txt" || fallar "the package lacks $f"
done
# Nothing of the build or the tests travels with it.
if grep -E '/(tests?|bench|fuzz|include)/|\.a$' "$tmp/contingut.txt"; then
    fallar "the package holds build or test files"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6multimedia6 libsdl2 libfluidsynth3 librtmidi6 libc6 \
    qt6-qpa-plugins qt6-translations-l10n gstreamer1.0-plugins-good; do
    echo "$depends" | grep -q "$d" || fallar "Depends lacks $d: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = quorvel ] || fallar "package name"

# The changelog's latest entry is this version's.
versio=$(dpkg-deb -f "$deb" Version)
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/quorvel/changelog.gz | gzip -dc |
    head -n 1 | grep -qF "quorvel ($versio)" || fallar "the changelog's latest entry is not $versio"

# lintian complains when run as root, on its own stderr; its findings go to stdout.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$tmp/lintian.txt" 2>"$tmp/lintian-err.txt" ||
    fallar "lintian: $(cat "$tmp/lintian.txt" "$tmp/lintian-err.txt")"

echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
echo "Depends: $depends"
echo "ok"
