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
    xwininfo -root -tree >&2 || true
    exit 1
}

cp -R "$bin/." "$tmp/programa"
(cd "$tmp/programa" && exec ./quorvel --simulate 2x8 exercicis/18_cursa/cursa.brd) \
    >"$tmp/sortida.txt" 2>&1 &
pid=$!

# The stage and the boxes above it are the windows named just "Quorvel".
finestres() {
    xdotool search --onlyvisible --name '^Quorvel$' 2>/dev/null | wc -l
}

# Waits up to 10 s until the count of those windows is $1.
esperar() {
    intents=0
    while [ "$(finestres)" -ne "$1" ]; do
        kill -0 "$pid" 2>/dev/null || fallar "quorvel ended: $(cat "$tmp/sortida.txt")"
        [ "$intents" -lt 100 ] || return 1
        sleep 0.1
        intents=$((intents + 1))
    done
}

# The exercise's instruction and its question's: boxes above the stage,
# answered with Return (a box takes the keyboard once it is mapped) until
# none has come for a second.
esperar 2 || fallar "no instruction box"
calma=0
intents=0
while [ "$calma" -lt 10 ]; do
    [ "$intents" -lt 100 ] || fallar "the instruction boxes do not go"
    if [ "$(finestres)" -ge 2 ]; then
        xdotool key Return
        calma=0
    else
        calma=$((calma + 1))
    fi
    sleep 0.1
    intents=$((intents + 1))
done
xdotool key F11
intents=0
while xwininfo -id "$(xdotool search --onlyvisible --name '^Quorvel$' | head -n 1)" |
    grep -q 'Width: 1280'; do
    [ "$intents" -lt 50 ] || fallar "F11 gave the stage no window"
    sleep 0.1
    intents=$((intents + 1))
done

# The console sits at the top left; its cells are 34 pixels apart from (24, 133).
clicar() {
    xdotool mousemove $((24 + ($1 - 1) % 4 * 35)) $((133 + ($1 - 1) / 4 * 24)) click 1
}

clicar 1
# Six more steps reach the finish line: none of the first five may end the race.
passos=1
while [ "$(finestres)" -lt 2 ]; do
    [ "$passos" -lt 12 ] || fallar "no final box after $passos clicks"
    clicar 2
    passos=$((passos + 1))
    intents=0
    while [ "$(finestres)" -lt 2 ] && [ "$intents" -lt 15 ]; do
        sleep 0.1
        intents=$((intents + 1))
    done
done
[ "$passos" -eq 7 ] || fallar "the race ended after $passos clicks, not 7"

kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "ok"
