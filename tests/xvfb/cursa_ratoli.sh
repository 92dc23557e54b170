#!/bin/sh
# The bundled race played to its end with the mouse alone on the console's
# cells: no pads, "quorvel --simulate 2x8" on the race, the stage put in a
# window with F11 so that the console's board shows beside it. Player 1
# starts on cell 1 and runs on cell 2; each click is one step, and the final
# box comes after the steps the race needs, not before.
#
# Usage: cursa_ratoli.sh BIN_DIR
set -eu

bin=${1:?usage: cursa_ratoli.sh BIN_DIR}
bin=$(cd "$bin" && pwd)

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

. "$(dirname "$0")/comu.sh"
preparar

arrencar --simulate 2x8 exercicis/18_cursa/cursa.brd
esperar '[ -n "$(escenari)" ]' || fallar "no stage"
# The exercise's instruction and its question's, boxes above the stage.
respondre_caixa "instruction"
esperar '[ -n "$(caixa)" ]' 3 && respondre_caixa "question"
xdotool key F11
esperar '[ "$(mida_escenari)" != 1280x800 ]' 10 || fallar "F11 gave the stage no window"

clicar() { clicar_lloc "Check2($1)"; }

clicar 1
# Six more steps reach the finish line: none of the first five may end the race.
passos=1
while [ -z "$(caixa)" ]; do
    [ "$passos" -lt 12 ] || fallar "no final box after $passos clicks"
    clicar 2
    passos=$((passos + 1))
    esperar '[ -n "$(caixa)" ]' 2 || true
done
[ "$passos" -eq 7 ] || fallar "the race ended after $passos clicks, not 7"

aturar_programa
echo "ok"
