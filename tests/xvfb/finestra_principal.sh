#!/bin/sh
# End-to-end check of the console on a real (headless) X server: the program
# starts on the bundled content, its window appears with the program's
# caption, a screenshot of it is not blank, and it ends on SIGTERM. Then, with
# a simulated board and a bundled exercise on the command line, the stage
# covers the screen, Esc gives the console back, and the console has grown to
# show every cell of the 2 x 8 board and says something on its status line.
#
# Usage: finestra_principal.sh BIN_DIR
set -eu

bin=${1:?usage: finestra_principal.sh BIN_DIR}
bin=$(cd "$bin" && pwd)

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

. "$(dirname "$0")/comu.sh"
preparar

# A screenshot of a window once two shots in a row are alike (painted and
# settled).
pintada() {
    import -window "$1" "$2"
    captura_de=$1
    captura_a=$2
    esperar 'import -window "$captura_de" "$tmp/segona.png"; cmp -s "$captura_a" "$tmp/segona.png" ||
        { mv "$tmp/segona.png" "$captura_a"; false; }' || fallar "window $1 never settled"
}
desviacio() { identify -format '%[fx:standard_deviation]' "$1"; }
mida() { identify -format '%w %h' "$1"; }

arrencar
pintada "$consola" "$tmp/finestra.png"
d=$(desviacio "$tmp/finestra.png")
set -- $(mida "$tmp/finestra.png")
echo "window $consola: $1x$2, standard deviation $d"
awk -v d="$d" 'BEGIN { exit !(d > 0) }' || fallar "the screenshot of the window is blank"
[ "$1" -ge 200 ] && [ "$2" -ge 60 ] || fallar "the window is too small to hold the console"

# The program must end when the system asks it to.
kill -TERM "$pid"
limit=$(($(date +%s) + 5))
while kill -0 "$pid" 2>/dev/null; do
    [ "$(date +%s)" -le "$limit" ] || fallar "quorvel did not end within 5 s of SIGTERM"
    sleep 0.1
done
wait "$pid" 2>/dev/null || true
pid=

# ---- The console in a classroom.
arrencar --simulate 2x8 exercicis/04_troba/troba.brd
[ -n "$(finestra 'Quorvel - troba.brd')" ] || fallar "the console does not name the exercise"
esperar '[ -n "$(escenari)" ]' || fallar "the exercise given on the command line opened no stage"
respondre_caixa "the exercise's instruction"
respondre_caixa "the question's instruction"
[ "$(mida_escenari)" = 1280x800 ] || fallar "the stage is $(mida_escenari), not the whole screen"
id_escenari=$(escenari | cut -d' ' -f1)
pintada "$id_escenari" "$tmp/escenari_linia.png"
d=$(desviacio "$tmp/escenari_linia.png")
echo "stage $id_escenari: standard deviation $d"
awk -v d="$d" 'BEGIN { exit !(d > 0.05) }' || fallar "the stage shows nothing the players could see"

# Esc on the stage stops the exercise and gives the console back, with no
# window manager to raise it.
xdotool key Escape
esperar '[ -z "$(escenari)" ]' || fallar "Esc left the stage on the screen"
esperar '[ "$(xdotool getwindowfocus)" = "$consola" ]' || fallar "the console did not get the keyboard back"
pintada "$consola" "$tmp/consola.png"
set -- $(mida "$tmp/consola.png")
echo "console $consola: $1x$2"
# Controls, then four rows of four cells, and the status line under them.
[ "$1" -ge 150 ] && [ "$2" -ge 200 ] || fallar "the console ($1x$2) is too small to show the 16 cells"
[ "$1" -le 1280 ] && [ "$2" -le 800 ] || fallar "the console ($1x$2) is larger than the screen"
# The status line is the bottom strip of the console: text there is not one colour.
convert "$tmp/consola.png" -gravity South -crop "x18+0+2" +repage "$tmp/estat.png"
d=$(desviacio "$tmp/estat.png")
echo "status line strip: standard deviation $d"
awk -v d="$d" 'BEGIN { exit !(d > 0) }' || fallar "the console's status line is empty"
if [ -n "${QUORVEL_XVFB_CAPTURES:-}" ]; then
    cp "$tmp/consola.png" "$tmp/escenari_linia.png" "$QUORVEL_XVFB_CAPTURES/"
fi
aturar_programa
echo "ok"
