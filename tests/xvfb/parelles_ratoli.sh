#!/bin/sh
# The bundled pairs exercise played through three pairs with the mouse alone
# on the console's cells: no pads, "quorvel --simulate 2x8" (cells 1-8 are
# player 1's, 9-16 player 2's), the stage put in a window with F11 so that
# the console's board shows beside it. Player 1's card shows while the mouse
# button is held on the cell and is covered when it is let go; player 2 then
# clicks down their cells until one makes the pair. The results log must hold
# a pair for each of player 1's cards and no pair for a cell of player 1.
#
# Usage: parelles_ratoli.sh BIN_DIR [SCREENSHOT_DIR]
set -eu

bin=${1:?usage: parelles_ratoli.sh BIN_DIR [SCREENSHOT_DIR]}
bin=$(cd "$bin" && pwd)

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

. "$(dirname "$0")/comu.sh"
preparar
captures=${2:-$tmp}
captura() { import -window root "$captures/$1.png"; }

arrencar --simulate 2x8 exercicis/07_parelles/parelles.brd
esperar '[ -n "$(escenari)" ]' || fallar "no stage"
# The exercise's instruction and its question's, answered with Enter.
respondre_caixa "instruction"
esperar '[ -n "$(caixa)" ]' 3 && respondre_caixa "question"
xdotool key F11
esperar '[ "$(mida_escenari)" != 1280x800 ]' 10 || fallar "F11 gave the stage no window"

sobre() {
    set -- $(centre "Check2($1)")
    xdotool mousemove "$1" "$2"
}
files() { registre | wc -l; }
# A fingerprint of the stage's top, where player 1's card is (the
# other players' cards are below it).
id_escenari=$(escenari | cut -d' ' -f1)
[ -n "$id_escenari" ] || fallar "no stage after F11"
carta() {
    import -window "$id_escenari" -crop 100%x45%+0+0 ppm:- | md5sum
}
# The covered card, once the stage has painted itself in its window.
tapada=$(carta)
esperar '[ "$(carta)" = "$tapada" ] || { tapada=$(carta); false; }' 10 || fallar "the stage flickers"
# Holds cell $1 for player 1: its card shows until the button is let go.
mostrar_carta() {
    sobre "$1"
    xdotool mousedown 1
    esperar '[ "$(carta)" != "$tapada" ]' 5 || fallar "holding cell $1 showed no card"
    [ "$1" -ne 1 ] || captura carta_1
    xdotool mouseup 1
    esperar '[ "$(carta)" = "$tapada" ]' 5 || fallar "letting go of cell $1 left its card"
}

fetes=
for b in 1 2 3; do
    mostrar_carta "$b"
    parella=
    for c in 9 10 11 12 13 14 15 16; do
        n=$(files)
        sobre "$c"
        xdotool click 1
        esperar '[ "$(files)" -gt "$n" ]' 5 || fallar "cell $c after card $b was not judged"
        if [ "$(files_registre "$c" pair)" -gt 0 ] && ! echo " $fetes " | grep -q " $c "; then
            parella=$c
            break
        fi
        mostrar_carta "$b"
    done
    [ -n "$parella" ] || fallar "no cell of player 2 made a pair with card $b"
    fetes="$fetes $parella"
done
captura final

[ "$(registre | awk -F, '$8 == "pair"' | wc -l)" -eq 3 ] || fallar "not three pairs: $(registre)"
[ "$(registre | awk -F, '$8 == "pair" && $7 < 9' | wc -l)" -eq 0 ] || fallar "player 1 paired"
aturar_programa
echo "ok"
