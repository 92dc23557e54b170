#!/bin/sh
# The players' stage on one 1280x800 screen with no pads and no window
# manager: a bundled exercise started from the command line on a simulated
# board of 2 pads of 8 buttons, its instruction boxes answered, cells clicked
# on the stage. The stage must keep its numbered cells and the instruction
# band, show a wrong answer in red, switch to a window and back with F11, and
# Esc must close it and give the console the keyboard. Every step waits on
# what the program shows or writes, so a busy machine only makes it slower.
#
# Usage: escenari.sh BIN_DIR [SCREENSHOT_DIR]
set -eu

bin=${1:?usage: escenari.sh BIN_DIR [SCREENSHOT_DIR]}
bin=$(cd "$bin" && pwd)

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

. "$(dirname "$0")/comu.sh"
preparar
captures=${2:-$tmp}

arrencar --simulate 2x8 exercicis/04_troba/troba.brd
esperar '[ -n "$(escenari)" ]' || fallar "no stage within 30 s"
respondre_caixa "the exercise's instruction"
respondre_caixa "the question's instruction"
[ "$(mida_escenari)" = "1280x800" ] || fallar "the stage is $(mida_escenari), not the whole screen"

# The stage, once two shots in a row are alike (painted and settled).
import -window root "$tmp/abans.png"
esperar 'import -window root "$captures/escenari.png"; cmp -s "$tmp/abans.png" "$captures/escenari.png" ||
    { cp "$captures/escenari.png" "$tmp/abans.png"; false; }' || fallar "the stage never settled"

# Cell 2's tile is red; cell 16's corner carries its number: a dark disc with
# white figures, on a tile of one colour.
set -- $(centre_casella 2)
set -- $(pixel "$captures/escenari.png" "$1" "$(($2 + 30))")
[ "$1" -gt 150 ] && [ "$2" -lt 80 ] || fallar "cell 2 lost its red tile: $*"
set -- $(centre_casella 16)
extrems=$(convert "$captures/escenari.png" -crop "30x30+$(($1 - 55))+$(($2 - 60))" -colorspace gray \
    -format '%[fx:int(255*minima)] %[fx:int(255*maxima)]' info:)
set -- $extrems
[ "$1" -lt 60 ] && [ "$2" -gt 200 ] || fallar "cell 16 shows no number (grey from $extrems)"
# The instruction band at the foot: dark, with light letters.
extrems=$(convert "$captures/escenari.png" -crop 1280x60+0+740 -colorspace gray \
    -format '%[fx:int(255*minima)] %[fx:int(255*maxima)]' info:)
set -- $extrems
[ "$1" -lt 60 ] && [ "$2" -gt 200 ] || fallar "no instruction band (grey from $extrems)"

# Cell 16 is in no answer of the exercise: a wrong press, logged, and a red
# frame for 0.7 s. Small shots of the frame's left edge are taken from the
# click until the row is logged and a second more; a press whose frame was
# missed (a starved screenshot) is tried again.
vermell=
for intent in 1 2 3; do
    set -- $(centre_casella 16)
    xdotool mousemove "$1" "$2" click 1
    mostres=0
    limit=$(($(date +%s) + 30))
    while [ "$mostres" -lt 15 ] && [ "$(date +%s)" -lt "$limit" ]; do
        import -window root -crop 4x4+2+400 "$tmp/mostra.png"
        set -- $(pixel "$tmp/mostra.png" 1 1)
        if [ "$1" -gt 180 ] && [ "$2" -lt 80 ] && [ "$3" -lt 80 ]; then
            vermell=1
            break
        fi
        [ "$(files_registre 16 wrong)" -lt "$intent" ] || mostres=$((mostres + 1))
    done
    [ "$(files_registre 16 wrong)" -ge "$intent" ] || fallar "the wrong press is not in the results log"
    [ -z "$vermell" ] || break
done
[ -n "$vermell" ] || fallar "no red frame on the stage after a wrong press"

# F11: a window of two thirds of the screen, and back.
xdotool key F11
esperar '[ "$(mida_escenari)" != 1280x800 ]' || fallar "F11 left the stage on the whole screen"
xdotool key F11
esperar '[ "$(mida_escenari)" = 1280x800 ]' || fallar "F11 did not give the whole screen back"

# Esc: the exercise stops, the stage goes, the console has the keyboard.
xdotool key Escape
esperar '[ -z "$(escenari)" ]' || fallar "the stage is still shown after Esc"
esperar '[ "$(xdotool getwindowfocus)" = "$consola" ]' ||
    fallar "the keyboard is on window $(xdotool getwindowfocus), not on the console $consola"
import -window root "$captures/consola.png"
kill -0 "$pid" 2>/dev/null || fallar "quorvel ended"
echo "ok"
