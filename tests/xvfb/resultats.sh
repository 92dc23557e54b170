#!/bin/sh
# The results window on one 1280x800 screen with no window manager, opened
# from "Fitxers > Resultats" as a teacher would: it must open below the
# console instead of over it, take the keyboard, and close by Esc and by its
# own close button, leaving the program running.
#
# Usage: resultats.sh BIN_DIR
set -eu

bin=${1:?usage: resultats.sh BIN_DIR}
bin=$(cd "$bin" && pwd)

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

. "$(dirname "$0")/comu.sh"
preparar

geometria() {
    xwininfo -id "$1" | awk '/Absolute upper-left Y:/ { y = $4 } /Width:/ { w = $2 }
        /Height:/ { h = $2 } END { print y, w, h }'
}

obrir_resultats() {
    menu mn_opcions mn_resultats
    esperar '[ -n "$(finestra Resultats)" ]' || fallar "Fitxers > Resultats opened no window"
    resultats=$(finestra Resultats)
    esperar '[ "$(xdotool getwindowfocus)" = "$resultats" ]' || fallar "the results window has no keyboard"
}

arrencar
obrir_resultats
set -- $(geometria "$consola")
sota_consola=$(($1 + $3))
set -- $(geometria "$resultats")
[ "$1" -ge "$sota_consola" ] || fallar "the results window covers the console (y $1 < $sota_consola)"

xdotool key Escape
esperar '[ -z "$(finestra Resultats)" ]' || fallar "Esc left the results window open"

obrir_resultats
clicar_lloc tancar
esperar '[ -z "$(finestra Resultats)" ]' || fallar "the close button left the results window open"

kill -0 "$pid" 2>/dev/null || fallar "quorvel ended"
[ -n "$(finestra Quorvel)" ] || fallar "the console went away"
echo "ok"
