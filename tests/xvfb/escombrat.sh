#!/bin/sh
# Switch scanning with the keyboard pad: player 1 is the keyboard on a
# simulated 1x16 board, set to step scanning in the settings, so key 1 moves
# the highlight and key 2 chooses. Sixteen cells are scanned by rows of four.
# The player answers the bundled "find the cells" exercise with the two keys
# alone. Each key is waited for on the stage's frame and each choice in the
# results log, never by a fixed sleep.
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
# Where the player's highlight is on the stage: a signature of the pixels
# in player 1's colour alone.
marc() {
    import -window root "$tmp/consola.png"
    convert "$tmp/consola.png" -fuzz 4% -fill black +opaque '#005AFF' -format '%#' info:
}
marc_visible() {
    import -window root "$tmp/vist.png"
    [ "$(convert "$tmp/vist.png" -fuzz 4% -fill black +opaque '#005AFF' -fill white -fuzz 4% \
        -opaque '#005AFF' -format '%[fx:maxima.r > 0 ? 1 : 0]' info:)" = 1 ]
}
# Answers the instruction boxes, as many as the exercise gives, until the
# scan starts: it starts when the last box closes and the polling begins.
preparat() {
    esperar '[ -n "$(caixa)" ] || marc_visible' || fallar "neither a box nor the scan ($1)"
    while [ -n "$(caixa)" ]; do
        respondre_caixa "$1"
        esperar '[ -n "$(caixa)" ] || marc_visible' || fallar "the scan did not start ($1)"
    done
}
# Key k, until the highlight has taken it: every key moves the frame (a row
# is framed whole, so entering one shows). A key pressed while the scan is
# paused (feedback playing) does nothing, so it is pressed again.
tecla() {
    abans_marc=$(marc)
    intents=0
    while :; do
        xdotool key "$1"
        esperar '[ "$(marc)" != "$abans_marc" ]' 2 && return 0
        intents=$((intents + 1))
        [ "$intents" -lt 10 ] || fallar "key $1 never moved the highlight: $(registre)"
    done
}
# Chooses cell k (rows of four): key 1 down the rows, key 2 into the row, key
# 1 along it, key 2; then waits for the choice's row in the results log.
triar() {
    abans=$(files)
    i=1
    while [ "$i" -lt $((($1 - 1) / 4 + 1)) ]; do tecla 1; i=$((i + 1)); done
    tecla 2
    i=1
    while [ "$i" -lt $((($1 - 1) % 4 + 1)) ]; do tecla 1; i=$((i + 1)); done
    tecla 2
    esperar '[ "$(files)" -gt "$abans" ]' || fallar "choosing cell $1 logged nothing: $(registre)"
}
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
triar 12
darrera 12 final || fallar "cell 12 did not end the question: $(registre)"
acabar_exercici 04_troba

echo "ok"
