#!/bin/sh
# Regenerates every picture and recording of the bundled exercise library
# (data/exercicis/*/imatge, data/exercicis/*/veu and the hints in data/veu),
# then the program folder's own pictures and feedback sounds.
# Needs espeak-ng, sox, ImageMagick and python3; on Debian:
#   apt-get install -y espeak-ng sox imagemagick python3
# The output is the same on every run, so `git status` after a run shows
# only what a change to the scripts changed.
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
falten=""
for eina in espeak-ng sox convert python3; do
    command -v "$eina" >/dev/null 2>&1 || falten="$falten $eina"
done
if [ -n "$falten" ]; then
    echo "missing:$falten (apt-get install -y espeak-ng sox imagemagick python3)" >&2
    exit 1
fi
python3 "$top/scripts/media/library.py" "$top/data"
sh "$top/scripts/generar_imatges.sh" "$top/data/imatge"
python3 "$top/scripts/generar_sons.py" "$top/data"
