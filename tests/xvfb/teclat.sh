#!/bin/sh
# The keyboard on one 1280x800 screen with no pads and no window manager.
# With teclat=0 the operator types into the Interval box and a file name
# while an exercise runs on a windowed stage; an exercise opened while
# another runs stops that one before the file is asked for, keeps the
# window chosen with F11 and opens its instruction box above the stage. With
# teclat=1 the keys 1 and B are the keyboard pad's buttons 1 and 12 and
# answer cells 1 and 12 of a simulated 1x16 board.
#
# Usage: teclat.sh BIN_DIR [SCREENSHOT_DIR]
set -eu

bin=${1:?usage: teclat.sh BIN_DIR [SCREENSHOT_DIR]}
bin=$(cd "$bin" && pwd)

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

. "$(dirname "$0")/comu.sh"
preparar
captures=${2:-$tmp}

# A screenshot of the console's Interval box.
interval() {
    import -window root -crop "$(lloc temps | awk '{ print $4 "x" $5 "+" $2 "+" $3 }')" "$1"
}

# --- teclat=0: the keyboard is the console's while an exercise runs.
grep -q '^teclat=0' "$programa/quorvel.ini" || fallar "the bundled settings do not say teclat=0"
arrencar --simulate 2x8 mostra_caselles.brd
esperar '[ -n "$(escenari)" ]' || fallar "no stage within 30 s"
respondre_caixa "the exercise's instruction"
respondre_caixa "the question's instruction"
xdotool key F11
esperar '[ "$(escenari | cut -d" " -f2)" != 1280 ]' || fallar "F11 left the stage on the whole screen"

clicar_lloc temps
xdotool key End BackSpace BackSpace BackSpace BackSpace
# The emptied box, once it has been repainted (two shots alike).
interval "$tmp/buit.png"
esperar 'interval "$tmp/buit2.png"; cmp -s "$tmp/buit.png" "$tmp/buit2.png" ||
    { mv "$tmp/buit2.png" "$tmp/buit.png"; false; }' || fallar "the Interval box never settled"
xdotool type --delay 30 250
diferent() {
    interval "$captures/interval.png"
    n=$(compare -metric AE "$tmp/buit.png" "$captures/interval.png" null: 2>&1 || true)
    [ "${n%% *}" -gt 20 ]
}
esperar diferent || fallar "the digits typed into the Interval box did not reach it"

# Fitxers > Exercicis while the exercise runs: the stage goes first.
menu mn_opcions mn_fixters
esperar '[ -n "$(xdotool search --onlyvisible --name "^Obrir exercici" 2>/dev/null)" ]' ||
    fallar "no file dialog"
[ -z "$(escenari)" ] || fallar "the running exercise's stage stayed up behind the file dialog"
xdotool type --delay 20 "$programa/mostra_sons.brd"
xdotool key Return
esperar '[ -n "$(escenari)" ] && [ -n "$(caixa)" ]' || fallar "no stage and instruction box"
set -- $(escenari)
[ "$2" != 1280 ] || fallar "the next stage went back to the whole screen"
set -- $(caixa)
import -window root "$captures/caixa.png"
color=$(convert "$captures/caixa.png" -format "%[fx:int(255*p{$(($4 + 4)),$(($5 + 4))}.r)] %[fx:int(255*p{$(($4 + 4)),$(($5 + 4))}.b)]" info:)
set -- $color
[ "$1" -gt 200 ] && [ "$2" -gt 200 ] || fallar "the instruction box is hidden behind the stage ($color)"
aturar_programa

# --- teclat=1: key 1 is button 1 (cell 1), key B button 12 (cell 12).
sed 's/^teclat=0/teclat=1/' "$programa/quorvel.ini" >"$tmp/ini" && cp "$tmp/ini" "$programa/quorvel.ini"
# The demo's first question only: cell 1, then cell 12.
sed 's/^Preguntes\t2/Preguntes\t1/' "$programa/mostra_caselles.brd" >"$programa/una.brd"
arrencar --simulate 1x16 una.brd
esperar '[ -n "$(escenari)" ]' || fallar "no stage within 30 s"
respondre_caixa "the exercise's instruction"
respondre_caixa "the question's instruction"
# The keys go to the stage once it has the keyboard back from the box.
enfocar "$(escenari | cut -d' ' -f1)"
# A key is pressed again until what it does shows: a press that comes while
# the program still plays the last one's feedback is not judged.
premer_fins() {
    for intent in 1 2 3; do
        xdotool key "$1"
        ! esperar "$2" 10 || return 0
    done
    fallar "$3"
}
premer_fins 1 '[ "$(registre | awk -F, '"'"'$7 == 1'"'"' | wc -l)" -gt 0 ]' "key 1 did not answer cell 1"
# The final feedback asks whether to play again.
premer_fins b '[ -n "$(caixa)" ]' "key B did not answer cell 12"
import -window root "$captures/final.png"
xdotool key Escape
aturar_programa
echo "ok"
