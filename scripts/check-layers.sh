#!/bin/sh
# The logic's folders form layers; a file may include its own folder and the
# folders below it, never one above. Prints each include that goes up and
# fails when there is one. The platform interfaces (platform/*.h) sit below
# everything; the adapters under platform/<library>/ may use the whole logic.
set -eu
cd "$(dirname "$0")/.."
capes="core i18n content stage joystick board engine app"
nivell() {
    n=0
    for c in platform $capes; do
        [ "$c" = "$1" ] && { echo $n; return; }
        n=$((n + 1))
    done
    echo -1
}
fallades=0
for carpeta in platform $capes; do
    propi=$(nivell "$carpeta")
    if [ "$carpeta" = platform ]; then fitxers=$(ls platform/*.h); else fitxers=$(ls $carpeta/*.h $carpeta/*.cpp 2>/dev/null); fi
    for fitxer in $fitxers; do
        for inclos in $(sed -n 's/^#include "\([a-z0-9_]*\)\/.*"/\1/p' "$fitxer" | sort -u); do
            altre=$(nivell "$inclos")
            if [ "$altre" -gt "$propi" ]; then
                echo "$fitxer includes $inclos/, a layer above $carpeta/"
                fallades=$((fallades + 1))
            fi
        done
    done
done
[ "$fallades" -eq 0 ]
