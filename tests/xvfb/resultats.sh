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

fallar() {
    echo "$*" >&2
    echo "windows seen:" >&2
    xwininfo -root -tree >&2 || true
    exit 1
}

# The program folder is a copy: nothing the run writes reaches the build.
cp -R "$bin/." "$tmp/programa"
(cd "$tmp/programa" && exec ./quorvel) >"$tmp/sortida.txt" 2>&1 &
pid=$!

# Waits up to 30 s for a visible window whose name matches; prints its id.
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

# Waits up to 10 s for no visible window of that name.
esperar_tancada() {
    intents=0
    while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
        [ "$intents" -lt 50 ] || return 1
        sleep 0.2
        intents=$((intents + 1))
    done
}

geometria() {
    xwininfo -id "$1" | awk '/Absolute upper-left Y:/ { y = $4 } /Width:/ { w = $2 }
        /Height:/ { h = $2 } END { print y, w, h }'
}

# Fitxers > Resultats (the menu's second item).
obrir_resultats() {
    xdotool mousemove --window "$consola" 30 8 click 1
    sleep 0.5
    xdotool key Down Down Return
    esperar_finestra '^Resultats$'
}

consola=$(esperar_finestra '^Quorvel$') || fallar "no console window within 30 s"
sleep 1

finestra=$(obrir_resultats) || fallar "Fitxers > Resultats opened no window"
set -- $(geometria "$consola")
sota_consola=$(($1 + $3))
set -- $(geometria "$finestra")
[ "$1" -ge "$sota_consola" ] || fallar "the results window covers the console (y $1 < $sota_consola)"

xdotool key Escape
esperar_tancada '^Resultats$' || fallar "Esc left the results window open"

finestra=$(obrir_resultats) || fallar "Fitxers > Resultats did not open again"
set -- $(geometria "$finestra")
# "Tancar" is the last button of the top row, at the window's right edge.
xdotool mousemove --window "$finestra" $(($2 - 40)) 21 click 1
esperar_tancada '^Resultats$' || fallar "the close button left the results window open"

kill -0 "$pid" 2>/dev/null || fallar "quorvel ended: $(cat "$tmp/sortida.txt")"
xdotool search --onlyvisible --name '^Quorvel$' >/dev/null || fallar "the console went away"
echo "ok"
