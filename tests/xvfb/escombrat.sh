#!/bin/sh
# Switch scanning with the keyboard pad: player 1 is the keyboard on a
# simulated 1x16 board, set to step scanning in the settings, so key 1 moves
# the highlight and key 2 chooses. Sixteen cells are scanned by rows of four.
# The player completes bundled exercises of the families "find the cells", "a
# sequence" and "a race", and answers a "listen and find" question right,
# with the two keys alone. Each key is waited for on the highlight the program
# says it shows and each choice in the results log, never by a fixed sleep.
#
# Usage: escombrat.sh BIN_DIR [SCREENSHOT_DIR]
set -eu

bin=${1:?usage: escombrat.sh BIN_DIR [SCREENSHOT_DIR]}
bin=$(cd "$bin" && pwd)

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

. "$(dirname "$0")/comu.sh"
captures=${2:-$tmp}
preparar

sed 's/^teclat=0/teclat=1/' "$programa/quorvel.ini" >"$tmp/ini"
printf '[Escombrat]\n1=step 1500 3000 3\n' >>"$tmp/ini"
cp "$tmp/ini" "$programa/quorvel.ini"

files() { registre | wc -l; }
# The cells player 1's highlight frames on the stage, from the places the
# program writes ("escombrat(1,k)"), in order: a whole row, or one cell.
ressalt() {
    sed -n 's/^escombrat(1,\([0-9]*\)).*/\1/p' "$QUORVEL_LLOCS" 2>/dev/null | sort -n | tr '\n' ' ' | sed 's/ $//'
}
fila() { echo "$((4 * $1 - 3)) $((4 * $1 - 2)) $((4 * $1 - 1)) $((4 * $1))"; }
# Answers the instruction boxes, as many as the exercise gives, until the
# scan starts on the first row: it starts when the last box closes.
preparat() {
    esperar '[ -n "$(caixa)" ] || [ "$(ressalt)" = "$(fila 1)" ]' || fallar "neither a box nor the scan ($1)"
    while [ -n "$(caixa)" ]; do
        respondre_caixa "$1"
        esperar '[ -n "$(caixa)" ] || [ "$(ressalt)" = "$(fila 1)" ]' || fallar "the scan did not start ($1)"
    done
}
# Key k, until the highlight frames what it should. A key pressed while the
# scan is paused (feedback playing) does nothing, so it is pressed again;
# a highlight anywhere else is a fault.
tecla() {
    abans_ressalt=$(ressalt)
    espera_ressalt=$2
    intents=0
    while :; do
        xdotool key "$1"
        esperar '[ "$(ressalt)" = "$espera_ressalt" ]' 2 && return 0
        [ "$(ressalt)" = "$abans_ressalt" ] ||
            fallar "key $1 framed $(ressalt), not $2 (from $abans_ressalt): $(registre)"
        intents=$((intents + 1))
        [ "$intents" -lt 10 ] || fallar "key $1 never moved the highlight to $2: $(registre)"
    done
}
# Chooses cell k (rows of four): key 1 down the rows, key 2 into the row, key
# 1 along it, key 2 until the choice's row is in the results log.
triar() {
    r=$((($1 - 1) / 4 + 1))
    i=1
    while [ "$i" -lt "$r" ]; do i=$((i + 1)) && tecla 1 "$(fila "$i")"; done
    tecla 2 "$((4 * r - 3))"
    i=$((4 * r - 3))
    while [ "$i" -lt "$1" ]; do i=$((i + 1)) && tecla 1 "$i"; done
    abans=$(files)
    intents=0
    until xdotool key 2 && esperar '[ "$(files)" -gt "$abans" ]' 2; do
        intents=$((intents + 1))
        [ "$intents" -lt 10 ] || fallar "choosing cell $1 logged nothing: $(registre)"
    done
}
# After a choice that does not end the exercise the scan starts again on the
# first row.
de_nou() { esperar '[ "$(ressalt)" = "$(fila 1)" ]' || fallar "the scan did not start again: $(ressalt)"; }
# The last row of the log is this result for cell k, chosen by scanning.
darrera() { registre | tail -n 1 | awk -F, -v c="$1" -v r="$2" '$7 == c && $8 == r && $NF ~ /^scanning/ { ok = 1 } END { exit !ok }'; }

# Each exercise's first question only, so that its cells are known.
una() {
    sed 's/^Preguntes\t[0-9]*/Preguntes\t1/' "$programa/exercicis/$1" >"$programa/exercicis/$(dirname "$1")/una.brd"
    arrencar --simulate 1x16 "exercicis/$(dirname "$1")/una.brd"
    esperar '[ -n "$(escenari)" ]' || fallar "no stage for $1"
}
acabar_exercici() {
    # The final feedback asks whether to play again.
    esperar '[ -n "$(caixa)" ]' || fallar "$1 did not end: $(registre)"
    import -window root "$captures/$(echo "$1" | tr / _).png"
    aturar_programa
}

# Find the cells: 7, then 12 ends the question.
una 04_troba/troba.brd
preparat instruccions
triar 7
darrera 7 right || fallar "cell 7 was not right: $(registre)"
de_nou
triar 12
darrera 12 final || fallar "cell 12 did not end the question: $(registre)"
acabar_exercici 04_troba

# A sequence: 1, 2, 3, then 4 ends it.
una 05_en_ordre/en_ordre.brd
preparat seqüència
for k in 1 2 3; do
    triar "$k"
    darrera "$k" right || fallar "cell $k of the sequence was not right: $(registre)"
    de_nou
done
triar 4
darrera 4 final || fallar "cell 4 did not end the sequence: $(registre)"
acabar_exercici 05_en_ordre

# A race with one pad: cell 1 starts, then each choice is a step to the
# goal, until the final feedback asks whether to play again.
una 18_cursa/cursa.brd
preparat cursa
inici_cursa=$(files)
while [ -z "$(caixa)" ]; do
    [ "$(files)" -lt $((inici_cursa + 12)) ] || fallar "the race never ended: $(registre)"
    triar 1
    esperar '[ -n "$(caixa)" ] || [ "$(ressalt)" = "$(fila 1)" ]' || fallar "the race stalled: $(registre)"
done
darrera 1 race_step || fallar "the race did not end on a step: $(registre)"
acabar_exercici 18_cursa

# Listen and find: the number heard is drawn at random and a wrong cell
# leaves the question as it was, so the cells are tried in turn until one is
# right.
una 08_escolta_numero/escolta_numero.brd
preparat escolta
k=0
while :; do
    k=$((k + 1))
    [ "$k" -le 8 ] || fallar "no cell was the number heard: $(registre)"
    triar "$k"
    ! darrera "$k" right || break
    darrera "$k" wrong || fallar "cell $k was neither right nor wrong: $(registre)"
    de_nou
done
aturar_programa

echo "ok"
