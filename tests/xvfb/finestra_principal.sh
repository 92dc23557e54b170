#!/bin/sh
# End-to-end check of the console on a real (headless) X server: the program
# starts from its build folder on the bundled content, its window appears with
# the program's caption, and a screenshot of it is not blank.
#
# Usage: finestra_principal.sh BIN_DIR
set -eu

bin=${1:?usage: finestra_principal.sh BIN_DIR}
titol='Quorvel'

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
tmp=$(mktemp -d)
pid=
acabar() {
    if [ -n "$pid" ]; then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap acabar EXIT

# The program's own top-level window of that exact caption (Qt also makes a
# hidden 1x1 window named after the program, without a class).
finestra_de() {
    xwininfo -root -tree 2>/dev/null | grep -F "\"$1\": (\"quorvel\"" | awk '{print $1}' | head -n 1
}

"$bin/quorvel" >"$tmp/sortida.txt" 2>&1 &
pid=$!

finestra=
intents=0
while [ -z "$finestra" ] && [ "$intents" -lt 300 ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "quorvel ended before its window appeared:" >&2
        cat "$tmp/sortida.txt" >&2
        exit 1
    fi
    finestra=$(finestra_de "$titol")
    if [ -z "$finestra" ]; then
        sleep 0.1
        intents=$((intents + 1))
    fi
done
if [ -z "$finestra" ]; then
    echo "no window captioned '$titol' within 30 s; windows seen:" >&2
    xwininfo -root -tree >&2 || true
    exit 1
fi

# Give the window a moment to paint before the screenshot.
sleep 1
import -window "$finestra" "$tmp/finestra.png"
desviacio=$(identify -format '%[fx:standard_deviation]' "$tmp/finestra.png")
amplada=$(identify -format '%w' "$tmp/finestra.png")
alcada=$(identify -format '%h' "$tmp/finestra.png")
echo "window $finestra: ${amplada}x${alcada}, standard deviation $desviacio"

if ! awk -v d="$desviacio" 'BEGIN { exit !(d > 0) }'; then
    echo "the screenshot of the window is blank" >&2
    exit 1
fi
if [ "$amplada" -lt 200 ] || [ "$alcada" -lt 60 ]; then
    echo "the window is too small to hold the console" >&2
    exit 1
fi
if ! kill -0 "$pid" 2>/dev/null; then
    echo "quorvel ended while its window was shown:" >&2
    cat "$tmp/sortida.txt" >&2
    exit 1
fi

# The program must end when the system asks it to.
kill -TERM "$pid"
intents=0
while kill -0 "$pid" 2>/dev/null && [ "$intents" -lt 50 ]; do
    sleep 0.1
    intents=$((intents + 1))
done
if kill -0 "$pid" 2>/dev/null; then
    echo "quorvel did not end within 5 s of SIGTERM" >&2
    exit 1
fi
wait "$pid" 2>/dev/null || true
pid=

# ---- The console in a classroom: a simulated board and a bundled exercise
# given on the command line. The console must grow to show every cell of the
# 2 x 8 board and say something on its status line.
exercici="$bin/exercicis/04_troba/troba.brd"
titol_exercici='Quorvel - troba.brd'
"$bin/quorvel" --simulate 2x8 "$exercici" >"$tmp/sortida_consola.txt" 2>&1 &
pid=$!
consola=
intents=0
while [ -z "$consola" ] && [ "$intents" -lt 300 ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "quorvel --simulate 2x8 ended before its console appeared:" >&2
        cat "$tmp/sortida_consola.txt" >&2
        exit 1
    fi
    consola=$(finestra_de "$titol_exercici")
    if [ -z "$consola" ]; then
        sleep 0.1
        intents=$((intents + 1))
    fi
done
if [ -z "$consola" ]; then
    echo "no console captioned '$titol_exercici' within 30 s; windows seen:" >&2
    xwininfo -root -tree >&2 || true
    exit 1
fi
sleep 1
# The exercise's and the question's instruction boxes are answered with Enter;
# the stage then covers the screen, as on a one-screen classroom.
for _ in 1 2; do
    xdotool key Return 2>/dev/null || true
    sleep 0.7
done
escenari=$(xdotool search --onlyvisible --name '^Quorvel$' 2>/dev/null | head -n 1)
if [ -z "$escenari" ]; then
    echo "the exercise given on the command line opened no stage" >&2
    exit 1
fi
import -window root "$tmp/escenari_linia.png"
desviacio_escenari=$(identify -format '%[fx:standard_deviation]' "$tmp/escenari_linia.png")
echo "stage $escenari: standard deviation $desviacio_escenari"
if ! awk -v d="$desviacio_escenari" 'BEGIN { exit !(d > 0.05) }'; then
    echo "the stage shows nothing the players could see" >&2
    exit 1
fi
# Esc on the stage stops the exercise and gives the console back, with no
# window manager to raise it.
xdotool mousemove --window "$escenari" 20 20 2>/dev/null || true
xdotool key Escape
intents=0
while xdotool search --onlyvisible --name '^Quorvel$' >/dev/null 2>&1 && [ "$intents" -lt 25 ]; do
    sleep 0.2
    intents=$((intents + 1))
done
if xdotool search --onlyvisible --name '^Quorvel$' >/dev/null 2>&1; then
    echo "Esc left the stage on the screen" >&2
    exit 1
fi
sleep 0.5
geometria=$(xwininfo -id "$consola" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
amplada_consola=${geometria%x*}
alcada_consola=${geometria#*x}
echo "console $consola: $geometria"
# Controls (72 px), then four rows of four cells from 80 px, 24 px apart, and
# the status line under them.
if [ "$amplada_consola" -lt 150 ] || [ "$alcada_consola" -lt 200 ]; then
    echo "the console ($geometria) is too small to show the 16 cells of the board" >&2
    exit 1
fi
if [ "$amplada_consola" -gt 1280 ] || [ "$alcada_consola" -gt 800 ]; then
    echo "the console ($geometria) is larger than the screen" >&2
    exit 1
fi
import -window "$consola" "$tmp/consola.png"
# The status line is the bottom strip of the console: text there is not one colour.
convert "$tmp/consola.png" -gravity South -crop "x18+0+2" +repage "$tmp/estat.png"
desviacio_estat=$(identify -format '%[fx:standard_deviation]' "$tmp/estat.png")
echo "status line strip: standard deviation $desviacio_estat"
if ! awk -v d="$desviacio_estat" 'BEGIN { exit !(d > 0) }'; then
    echo "the console's status line is empty" >&2
    exit 1
fi
if [ -n "${QUORVEL_XVFB_CAPTURES:-}" ]; then
    cp "$tmp/consola.png" "$QUORVEL_XVFB_CAPTURES/consola.png"
    cp "$tmp/escenari_linia.png" "$QUORVEL_XVFB_CAPTURES/escenari_linia.png"
fi
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=
# ---- end of the console part

echo "ok"
