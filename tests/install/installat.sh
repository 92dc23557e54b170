#!/bin/sh
# The program as a school installs it: `cmake --install` into a temporary root
# (which is then made read-only), a home folder of its own, and the installed
# `quorvel` started on a real (headless) X server. Its console appears, its
# settings and map land in the user's configuration folder, a language chosen
# in the "Idioma" menu is written there and nowhere in the installed files, and
# the installed `quorvel-inspect` finds the installed content. Then a copy of
# the build folder (the portable layout) is started the same way and must
# write beside its executable and nowhere else.
#
# Usage: installat.sh BUILD_DIR
set -eu

build=${1:?usage: installat.sh BUILD_DIR}

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
    chmod -R u+w "$tmp" 2>/dev/null || true
    rm -rf "$tmp"
}
trap acabar EXIT

fallar() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits for the console of the program started as $pid; prints its window.
esperar_consola() {
    intents=0
    while [ "$intents" -lt 300 ]; do
        kill -0 "$pid" 2>/dev/null || fallar "quorvel ended before its console appeared: $(cat "$tmp/sortida.txt")"
        finestra=$(xdotool search --onlyvisible --name '^Quorvel' 2>/dev/null | head -n 1 || true)
        if [ -n "$finestra" ]; then
            echo "$finestra"
            return 0
        fi
        sleep 0.1
        intents=$((intents + 1))
    done
    fallar "no console within 30 s"
}

# Chooses castellano.trad in the "Idioma" menu with the mouse and the keys an
# operator would use: the menu bar's first menu is opened with a click, the
# arrow keys walk to "Idioma" (the third menu), whose first item is active.
# A slow start can swallow the first keys, so the walk is tried three times
# until FILE holds the choice.
triar_castella() {
    finestra=$1
    fitxer=$2
    eval "$(xdotool getwindowgeometry --shell "$finestra")"
    for intent in 1 2 3; do
        sleep 1
        xdotool key Escape Escape
        xdotool mousemove "$((X + 20))" "$((Y + 10))" click 1
        sleep 0.5
        xdotool key Right
        sleep 0.3
        xdotool key Right
        sleep 0.3
        xdotool key Return
        if esperar_text "$fitxer" "idioma=castellano.trad"; then
            return 0
        fi
        echo "language choice not written (try $intent)" >&2
    done
    fallar "$fitxer does not hold the language chosen: $(cat "$fitxer" 2>/dev/null || echo missing)"
}

# Waits up to 5 s until FILE holds TEXT.
esperar_text() {
    intents=0
    while ! grep -qF "$2" "$1" 2>/dev/null; do
        [ "$intents" -lt 50 ] || return 1
        sleep 0.1
        intents=$((intents + 1))
    done
}

aturar() {
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

resum() {
    (cd "$1" && find . -type f -exec md5sum {} + | sort)
}

# --- installed -------------------------------------------------------------
arrel=$tmp/arrel
DESTDIR=$arrel cmake --install "$build" --prefix /usr >/dev/null
usr=$arrel/usr
for f in bin/quorvel bin/quorvel-inspect \
    share/quorvel/graella.esc share/quorvel/quorvel.ini share/quorvel/kk.map \
    share/quorvel/catala.trad share/quorvel/castellano.trad share/quorvel/english.trad \
    share/quorvel/ajuda/ca.md share/quorvel/ajuda/es.md share/quorvel/ajuda/en.md share/quorvel/ok.wav \
    share/quorvel/mostra_sons.brd share/quorvel/exercicis/04_troba/troba.brd \
    share/applications/cat.quorvel.Quorvel.desktop \
    share/metainfo/cat.quorvel.Quorvel.metainfo.xml \
    share/mime/packages/cat.quorvel.Quorvel.xml \
    share/icons/hicolor/scalable/apps/cat.quorvel.Quorvel.svg \
    share/icons/hicolor/48x48/apps/cat.quorvel.Quorvel.png \
    share/icons/hicolor/256x256/apps/cat.quorvel.Quorvel.png \
    share/man/man1/quorvel.1.gz share/man/man1/quorvel-inspect.1.gz; do
    [ -f "$usr/$f" ] || fallar "not installed: $f"
done
desktop-file-validate "$usr/share/applications/cat.quorvel.Quorvel.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/cat.quorvel.Quorvel.metainfo.xml"
python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' \
    "$usr/share/mime/packages/cat.quorvel.Quorvel.xml"
gzip -dc "$usr/share/man/man1/quorvel.1.gz" | grep -q 'simulate' || fallar "quorvel.1 lacks --simulate"
versio=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ "$("$usr/bin/quorvel" --version)" = "Quorvel $versio" ] ||
    fallar "--version gives '$("$usr/bin/quorvel" --version)', not the package's $versio"

resum "$arrel" >"$tmp/abans.txt"
chmod -R a-w "$arrel"
export HOME="$tmp/casa" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/dades"
mkdir -p "$HOME"
usuari=$XDG_CONFIG_HOME/quorvel

# The authors' tool reads the installed content: the bundled exercise, and the
# default scenario of the installed program folder for a dry run.
"$usr/bin/quorvel-inspect" exercise "$usr/share/quorvel/mostra_sons.brd" >"$tmp/exercici.json"
python3 - "$tmp/exercici.json" <<'PY'
import json, sys
e = json.load(open(sys.argv[1]))
assert e["tipus_exercici"] == "3", e
assert e["n_items"] == 4, e
PY
printf 'wait 200\n' | "$usr/bin/quorvel-inspect" play \
    "$usr/share/quorvel/exercicis/04_troba/troba.brd" --simulate 2x8 >"$tmp/joc.jsonl"
grep -q '"event":"stage"' "$tmp/joc.jsonl" || fallar "the dry run opened no stage: $(head -c 2000 "$tmp/joc.jsonl")"
if grep '"event":"skipped"' "$tmp/joc.jsonl" | grep -q 'graella'; then
    fallar "the dry run did not find the installed scenario: $(grep skipped "$tmp/joc.jsonl")"
fi

"$usr/bin/quorvel" >"$tmp/sortida.txt" 2>&1 &
pid=$!
consola=$(esperar_consola)
cmp "$usuari/quorvel.ini" "$usr/share/quorvel/quorvel.ini" || fallar "settings not copied to $usuari"
cmp "$usuari/kk.map" "$usr/share/quorvel/kk.map" || fallar "map not copied to $usuari"
triar_castella "$consola" "$usuari/quorvel.ini"
aturar
resum "$arrel" >"$tmp/despres.txt"
cmp -s "$tmp/abans.txt" "$tmp/despres.txt" || fallar "the installed files changed: $(diff "$tmp/abans.txt" "$tmp/despres.txt")"
echo "installed: settings and language choice in $usuari"

# --- portable --------------------------------------------------------------
portable=$tmp/portable
cp -R "$build/bin" "$portable"
printf '[inici]\r\nmapa=kk.map\r\nclolumnes=4\r\nidioma=catala.trad\r\n' >"$portable/quorvel.ini"
rm -rf "$XDG_CONFIG_HOME"
"$portable/quorvel" >"$tmp/sortida.txt" 2>&1 &
pid=$!
consola=$(esperar_consola)
triar_castella "$consola" "$portable/quorvel.ini"
aturar
[ ! -e "$XDG_CONFIG_HOME/quorvel" ] || fallar "the portable program wrote to $XDG_CONFIG_HOME/quorvel"
echo "portable: language choice beside the executable"
echo "ok"
