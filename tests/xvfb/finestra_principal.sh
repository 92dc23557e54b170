#!/bin/sh
# End-to-end check of the console on a real (headless) X server: the program
# starts from its build folder on the bundled content, its window appears with
# the program's caption, and a screenshot of it is not blank.
#
# Usage: finestra_principal.sh BIN_DIR
set -eu

bin=${1:?usage: finestra_principal.sh BIN_DIR}
titol='Quorvel - versió=1Alfa'

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
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
    finestra=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$titol\"" | awk '{print $1}' | head -n 1)
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
echo "ok"
