#!/bin/sh
# Makes the hicolor PNG sizes of the program's icon from its SVG. The PNGs are
# kept in the repository, so the build needs no SVG renderer; run this after
# changing the SVG (needs rsvg-convert, Debian package librsvg2-bin).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
nom=cat.quorvel.Quorvel
for mida in 16 24 32 48 64 128 256 512; do
    mkdir -p "$here/icones/${mida}x${mida}"
    rsvg-convert -w "$mida" -h "$mida" "$here/$nom.svg" -o "$here/icones/${mida}x${mida}/$nom.png"
done
