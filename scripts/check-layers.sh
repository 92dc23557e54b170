#!/bin/sh
# The logic's folders form layers; a file may include its own folder and the
# folders below it, never one above. Bottom up: the platform interfaces
# (platform/*.h), then core i18n content stage joystick board engine app.
# The adapters (platform/<library>/) see the interfaces, core and each other;
# of the logic, only app/ may include them. The results window also reads the
# content layer's results log, and the exercise editor (platform/qt/editor_*)
# edits the content layer's exercise. No logic file includes tools/, tests/, bench/
# or fuzz/.
#
# Every include line is read however it is written (spaces around the #,
# quotes or angle brackets, a path with ../), so it checks what the compiler
# would open. The build enforces the same with one include tree per library
# (cmake/capes.cmake); this check also covers headers no library compiles and
# says plainly what went up.
#
# Usage: check-layers.sh [ROOT]   (the repository by default)
# Prints each include that goes up and fails when there is one.
set -eu
cd "${1:-$(dirname "$0")/..}"
capes="core i18n content stage joystick board engine app"

# Sets nivell to the level of a logic folder (1 for core, ...), 0 for the
# interfaces, empty for anything else.
nivell_de() {
    nivell=
    [ "$1" = platform ] && nivell=0 && return
    n=1
    for c in $capes; do
        [ "$c" = "$1" ] && nivell=$n && return
        n=$((n + 1))
    done
}

fitxers=$( (
    ls platform/*.h
    find platform/*/ $capes -name '*.h' -o -name '*.cpp'
) | sort)
fallades=0
for fitxer in $fitxers; do
    # The highest level the file may include, and whether adapters.
    adaptadors=no
    case $fitxer in
        platform/qt/finestra_resultats.*) nivell_de content && adaptadors=si ;;
        platform/qt/editor_*) nivell_de content && adaptadors=si ;;
        platform/*/*) nivell_de core && adaptadors=si ;;
        platform/*) nivell_de platform ;;
        app/*) nivell_de app && adaptadors=si ;;
        *) nivell_de "${fitxer%%/*}" ;;
    esac
    maxim=$nivell
    carpeta=$(dirname "$fitxer")
    # One line per include: its line number and the path between the quotes
    # or brackets, or nothing when the line cannot be read.
    errors=$(sed -nE '/^[[:space:]]*#[[:space:]]*include/{=;s/^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"][^">]+[">]).*/\1/p;t;s/.*//p;}' "$fitxer" |
        while read -r num && IFS= read -r inclos; do
            if [ -z "$inclos" ]; then
                echo "$fitxer:$num: an include this check cannot read"
                continue
            fi
            cometes=${inclos%"${inclos#?}"}
            inclos=${inclos#?}
            inclos=${inclos%?}
            # A quoted name is first looked for beside the including file.
            [ "$cometes" = '"' ] && [ -e "$carpeta/$inclos" ] && inclos=$carpeta/$inclos
            case $inclos in */./* | */../* | ./* | ../*) inclos=$(realpath -m --relative-to=. "$inclos") ;; esac
            primer=${inclos%%/*}
            [ "$primer" != "$inclos" ] && [ "$primer" != .. ] && [ -d "$primer" ] || continue
            nivell_de "$primer"
            motiu=
            case $inclos in
                platform/*/*) [ "$adaptadors" = si ] || motiu="an adapter, which only app/ may include" ;;
                *)
                    if [ -z "$nivell" ]; then
                        motiu="a folder outside the logic"
                    elif [ "$nivell" -gt "$maxim" ]; then
                        motiu="a layer above $carpeta/"
                    fi
                    ;;
            esac
            [ -z "$motiu" ] || echo "$fitxer:$num: includes $inclos, $motiu"
        done)
    if [ -n "$errors" ]; then
        echo "$errors"
        fallades=$((fallades + 1))
    fi
done
[ "$fallades" -eq 0 ]
