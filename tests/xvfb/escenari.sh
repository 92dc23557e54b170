#!/bin/sh
# The players' stage on one 1280x800 screen with no pads and no window manager,
# driven as a teacher would: "Tauler > Simular" with 2 pads of 8 buttons, a
# bundled exercise opened from "Fitxers > Exercicis", its instruction boxes
# answered, cells clicked on the stage. The stage must keep its numbered cells,
# show a wrong answer in red, switch to a window and back with F11, and Esc
# must close it and give the console the keyboard.
#
# Usage: escenari.sh BIN_DIR [SCREENSHOT_DIR]
set -eu

bin=${1:?usage: escenari.sh BIN_DIR [SCREENSHOT_DIR]}
bin=$(cd "$bin" && pwd)

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
tmp=$(mktemp -d)
captures=${2:-$tmp}
pid=
acabar() {
    if [ -n "$pid" ]; then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap acabar EXIT

fallar() {
    echo "$*" >&2
    echo "windows seen:" >&2
    xwininfo -root -tree >&2 || true
    exit 1
}

# The program folder is a copy: nothing the run writes reaches the build.
cp -R "$bin/." "$tmp/programa"
exercici="$tmp/programa/exercicis/04_troba/troba.brd"
[ -f "$exercici" ] || fallar "no bundled exercise at $exercici"

(cd "$tmp/programa" && exec ./quorvel) >"$tmp/sortida.txt" 2>&1 &
pid=$!

# Waits for a visible window whose name matches; prints its id.
esperar_finestra() {
    intents=0
    while [ "$intents" -lt 150 ]; do
        kill -0 "$pid" 2>/dev/null || fallar "quorvel ended: $(cat "$tmp/sortida.txt")"
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
        intents=$((intents + 1))
    done
    return 1
}

mida() {
    xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}

# The colour of one pixel of a screenshot, as "r g b".
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

consola=$(esperar_finestra '^Quorvel') || fallar "no console window within 30 s"
sleep 1

# Tauler > Simular (the menu's last item): 2 pads of 8 buttons.
xdotool mousemove --window "$consola" 81 8 click 1
sleep 0.5
xdotool key Up Return
sleep 0.7
xdotool type 2
xdotool key Return
sleep 0.7
xdotool type 8
xdotool key Return
sleep 0.7

# Fitxers > Exercicis, then the exercise's path in the file dialog.
xdotool mousemove --window "$consola" 30 8 click 1
sleep 0.5
xdotool key Down Return
sleep 1.5
xdotool type "$exercici"
xdotool key Return

escenari=$(esperar_finestra '^Quorvel$') || fallar "no stage within 30 s"
# The instruction boxes of the exercise and of its question.
sleep 1
xdotool key Return
sleep 0.7
xdotool key Return
sleep 1.5

[ "$(mida "$escenari")" = "1280x800" ] || fallar "the stage is $(mida "$escenari"), not the whole screen"
import -window root "$captures/escenari.png"
# The polling has run for a while: every cell still shows its picture (cell
# 2's tile is red, cell 7's green), with its number at its top left corner.
# The instruction band takes the foot, and the stage is drawn above it.
desviacio=$(identify -format '%[fx:standard_deviation]' "$captures/escenari.png")
awk -v d="$desviacio" 'BEGIN { exit !(d > 0.05) }' || fallar "the stage is nearly blank"
set -- $(pixel "$captures/escenari.png" 640 790)
[ "$1" -lt 60 ] && [ "$2" -lt 60 ] && [ "$3" -lt 60 ] || fallar "no instruction band: $*"

# Scaled to 734 pixels high and centred: cell k's centre.
centre_casella() {
    columna=$((($1 - 1) % 4))
    fila=$((($1 - 1) / 4))
    # On a 1280x800 stage the cells are 165x180 pixels, 1.1 apart, from x 275.
    awk -v c="$columna" -v f="$fila" 'BEGIN {
        s = 734 / 800; dx = (1280 - 1280 * s) / 2
        x = 275 + c * 183.3 + 82; y = 1 + f * 200 + 90
        printf "%d %d\n", dx + x * s, y * s
    }'
}

set -- $(centre_casella 2)
set -- $(pixel "$captures/escenari.png" "$1" "$(($2 + 30))")
[ "$1" -gt 150 ] && [ "$2" -lt 80 ] || fallar "cell 2 lost its red tile: $*"

# Cell 16 is in no answer of the exercise: a wrong press. The feedback stays
# 0.7 s; a slow machine gets three tries to catch it.
vermell=
for intent in 1 2 3; do
    set -- $(centre_casella 16)
    xdotool mousemove "$1" "$2" click 1
    sleep 0.15
    import -window root "$captures/mal.png"
    set -- $(pixel "$captures/mal.png" 4 400)
    if [ "$1" -gt 180 ] && [ "$2" -lt 80 ] && [ "$3" -lt 80 ]; then
        vermell=1
        break
    fi
    sleep 1
done
[ -n "$vermell" ] || fallar "no red frame on the stage after a wrong press"

# F11: a window of two thirds of the screen, and back.
xdotool key F11
sleep 1
case $(mida "$escenari") in
1280x800) fallar "F11 left the stage on the whole screen" ;;
esac
xdotool key F11
sleep 1
[ "$(mida "$escenari")" = "1280x800" ] || fallar "F11 did not give the whole screen back"

# Esc: the exercise stops, the stage goes, the console has the keyboard.
xdotool key Escape
intents=0
while xdotool search --onlyvisible --name '^Quorvel$' >/dev/null 2>&1 && [ "$intents" -lt 25 ]; do
    sleep 0.2
    intents=$((intents + 1))
done
if xdotool search --onlyvisible --name '^Quorvel$' >/dev/null 2>&1; then
    fallar "the stage is still shown after Esc"
fi
sleep 0.5
import -window root "$captures/consola.png"
focus=$(xdotool getwindowfocus)
[ "$focus" = "$consola" ] || fallar "the keyboard is on window $focus, not on the console $consola"
kill -0 "$pid" 2>/dev/null || fallar "quorvel ended: $(cat "$tmp/sortida.txt")"

kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "ok"
