#!/bin/sh
# Makes the pictures of the program folder's imatge/ with ImageMagick:
#   fons.png                  stage background (a soft gradient, stretched to the screen)
#   boto_apagat.png           a cell at rest (shown when its button is released)
#   boto_premut.png           a cell whose button is held
#   casella_02.png ... _32    numbered cells of the default board (32: the keyboard pad's)
#   up.gif down.gif right.gif left.gif   arrows for the path exercises
# Run from anywhere:  sh scripts/generar_imatges.sh [output folder, default data/imatge]
# Dates and other varying chunks are left out, so a second run gives the same
# bytes and the files can be kept in the repository.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
desti=${1:-"$top/data/imatge"}
mkdir -p "$desti"

# Cells keep the proportions of the stage's image template (1335 x 1455 twips).
w=128
h=140
lletra=DejaVu-Sans-Bold
net="-strip -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt"

# A rounded tile of colour $2 with a darker border $3, text $4 in colour $5.
rajola() {
    sortida=$1
    color=$2
    vora=$3
    text=$4
    color_text=$5
    # shellcheck disable=SC2086
    convert -size ${w}x${h} xc:none \
        -fill "$color" -stroke "$vora" -strokewidth 6 \
        -draw "roundrectangle 4,4 $((w - 5)),$((h - 5)) 18,18" \
        -stroke none -fill "$color_text" -font "$lletra" -pointsize 64 \
        -gravity center -annotate +0+0 "$text" \
        $net "PNG32:$sortida"
}

# shellcheck disable=SC2086
convert -size 160x120 gradient:'#1b2a49'-'#2f6f73' $net "PNG24:$desti/fons.png"

rajola "$desti/boto_apagat.png" '#5b6b7f' '#3a4656' '' white
# shellcheck disable=SC2086
convert -size ${w}x${h} xc:none \
    -fill '#ffd400' -stroke '#b38f00' -strokewidth 6 \
    -draw "roundrectangle 4,4 $((w - 5)),$((h - 5)) 18,18" \
    -fill none -stroke white -strokewidth 10 \
    -draw "circle $((w / 2)),$((h / 2)) $((w / 2)),$((h / 2 + 34))" \
    $net "PNG32:$desti/boto_premut.png"

# One hue per number, round the colour wheel. The stage draws each cell's
# number in a disc at the top left; the tile's own number sits in that very
# place, small and dark, so the disc hides it and only one number shows, and a
# stage without discs still shows it.
n=2
while [ "$n" -le 32 ]; do
    to=$(((n - 2) * 360 / 31))
    nom=$(printf 'casella_%02d.png' "$n")
    # shellcheck disable=SC2086
    convert -size ${w}x${h} xc:none \
        -fill "hsl($to,70%,45%)" -stroke "hsl($to,70%,28%)" -strokewidth 6 \
        -draw "roundrectangle 4,4 $((w - 5)),$((h - 5)) 18,18" \
        -stroke none -fill "hsl($to,70%,18%)" -font "$lletra" -pointsize 26 \
        -gravity center -annotate -$((w / 2 - 28))-$((h / 2 - 28)) "$n" \
        $net "PNG32:$desti/$nom"
    n=$((n + 1))
done

# Arrows: one pointing right on a transparent ground, turned for the others.
# shellcheck disable=SC2086
convert -size 64x64 xc:none -fill '#1f5fbf' -stroke '#0d2f66' -strokewidth 2 \
    -draw "polygon 6,24 34,24 34,8 58,32 34,56 34,40 6,40" \
    -strip "GIF:$desti/right.gif"
convert "$desti/right.gif" -rotate 180 -strip "GIF:$desti/left.gif"
convert "$desti/right.gif" -rotate 90 -strip "GIF:$desti/down.gif"
convert "$desti/right.gif" -rotate 270 -strip "GIF:$desti/up.gif"
