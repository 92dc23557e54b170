#!/bin/sh
# A teacher's walk through the exercise editor on a bare X server, with clicks
# and typing only: "Fitxers > Nou exercici", a "find the cells" exercise of
# four questions on a grid scenario made from 16 pictures, a right-answer
# sound spoken by espeak-ng, saved; tried with "Provar" and back to the
# editor; reopened with "Fitxers > Editar exercici" and changed; then played
# to the final feedback by quorvel-inspect play. Prints the time from "Nou
# exercici" to a saved, playable exercise.
#
# Usage: editor.sh BIN_DIR
set -eu

bin=${1:?usage: editor.sh BIN_DIR}
bin=$(cd "$bin" && pwd)
if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

. "$(dirname "$0")/comu.sh"
preparar
eina="$programa/quorvel-inspect"
exercici="$tmp/animals/animals.brd"
mkdir -p "$tmp/animals" "$tmp/fotos"
for k in $(seq 1 16); do
    convert -size 64x64 "xc:rgb($((k * 15)),$((255 - k * 15)),128)" "$tmp/fotos/f$(printf %02d "$k").png"
done

# The editor's window, named after its file; "desat" waits for no unsaved mark.
editor() { xdotool search --onlyvisible --name "^animals.brd - editor d'exercicis\\*?\$" 2>/dev/null | head -n 1; }
desat() { xdotool search --onlyvisible --name "^animals.brd - editor d'exercicis\$" 2>/dev/null | head -n 1; }
# The editor's widgets, tool bar buttons and board cells are clicked by name:
# "editor_titol", "editor_desar", "editor_casella(5)" (see the places list).
clic() { clicar_lloc "editor_$1"; }
# Waits for a window that takes the keyboard from the one given (a dialog), types into it.
dialeg() {
    de=$1
    shift
    esperar '[ "$(xdotool getwindowfocus)" != "$de" ] && [ "$(xdotool getwindowfocus)" != "$consola" ]' ||
        fallar "no dialog ($*)"
    id_dialeg=$(xdotool getwindowfocus)
    for text in "$@"; do
        xdotool type --delay 5 "$text"
        xdotool key Return
    done
    esperar '! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$id_dialeg"' ||
        fallar "the dialog stayed ($*)"
}

arrencar
inici=$(date +%s)
menu mn_opcions mn_nou_exercici
dialeg "$consola" "$exercici"
esperar '[ -n "$(editor)" ]' || fallar "no editor for the new exercise"
finestra_editor=$(editor)
[ -f "$exercici" ] || fallar "the new exercise was not created"

clic titol && xdotool type "Animals"
clic consigna_general && xdotool type "Trobeu els animals i acabeu amb el 16"
for k in 1 2 3 4; do
    clic afegir
    clic pregunta && xdotool type "On es l'animal $k?" && xdotool key Return
    clic camp_correctes && clic "casella($k)"
    clic camp_especials && clic "casella(16)"
done
clic escenari_imatges
dialeg "$finestra_editor" "$tmp/fotos/" \
    "$(for k in $(seq 1 16); do printf '"f%02d.png" ' "$k"; done)"
esperar '[ -f "$tmp/animals/graella_16.esc" ]' || fallar "no grid scenario"
clic "media(1)_dir"
dialeg "$finestra_editor" "Molt be"
clic desar
esperar '[ -n "$(desat)" ]' || fallar "the exercise was not saved"
[ -z "$("$eina" exercise "$exercici" --lint --cells 16)" ] || fallar "the saved exercise has findings"
echo "editor: $(($(date +%s) - inici)) s from Nou exercici to a saved, playable exercise"

"$eina" exercise "$exercici" >"$tmp/exercici.json"
python3 - "$tmp/exercici.json" "$tmp/animals" <<'PY' || fallar "the saved exercise is not what was made"
import json, os, sys
e = json.load(open(sys.argv[1]))
items = e["elements"][1:5]
assert e["n_elements"] == 4, e
for k, item in enumerate(items, 1):
    assert item["correctes"] == chr(65 + k) and item["especials"] == "Q", item
    assert item["media_5"].endswith("graella_16.esc"), item
assert items[3]["media_1"].endswith("molt_be.wav"), items[3]
assert os.path.getsize(os.path.join(sys.argv[2], "veu", "molt_be.wav")) > 1000
assert len(os.listdir(os.path.join(sys.argv[2], "imatge"))) >= 16
PY

# "Provar": the stage with the exercise, its instructions, then Esc gives the editor back.
clic provar
esperar '[ -n "$(escenari)" ]' || fallar "Provar showed no stage"
# The general instruction and the question's, each in a box.
caixa_petita() { finestres | awk '$6 == "Quorvel" && NF == 6 && $2 < 600 { print $1; exit }'; }
for instruccio in general pregunta; do
    esperar '[ -n "$(caixa_petita)" ] && [ "$(xdotool getwindowfocus)" = "$(caixa_petita)" ]' ||
        fallar "no $instruccio instruction box"
    id_caixa=$(caixa_petita)
    xdotool key Return
    esperar '[ "$(caixa_petita)" != "$id_caixa" ]' || fallar "the $instruccio box stayed"
done
enfocar "$(escenari | cut -d' ' -f1)"
xdotool key Escape
esperar '[ -z "$(escenari)" ]' || fallar "Esc left the stage up"
esperar '[ -n "$(desat)" ]' || fallar "the editor did not come back"

# Closed, reopened from the menu, a question changed and saved.
clic tancar
esperar '[ -z "$(editor)" ]' || fallar "the editor did not close"
# Its places leave the list with it, so the reopened window's are the ones clicked.
esperar '! lloc editor_pregunta >/dev/null' || fallar "the closed editor is still listed"
menu mn_opcions mn_editar_exercici
dialeg "$consola" "$exercici"
esperar '[ -n "$(editor)" ]' || fallar "Editar exercici opened no editor"
finestra_editor=$(editor)
# The first item is the one shown on opening.
clic pregunta && xdotool key ctrl+a && xdotool type "On es el gat?" && xdotool key Return
clic desar
esperar '[ -n "$(desat)" ]' || fallar "the change was not saved"
"$eina" exercise "$exercici" | grep -q '"consigna": "On es el gat?"' || fallar "the change is not in the file"
aturar_programa

# Played to the final feedback.
primer=$(printf 'wait 10\n' | "$eina" play "$exercici" --simulate 1x16 --seed 3 |
    sed -n 's/.*"event":"item".*"correctes":"\(.\)".*/\1/p')
[ -n "$primer" ] || fallar "no question drawn"
k=$(($(printf %d "'$primer") - 65))
printf 'wait 10\npress %d\nrelease %d\nwait 10\npress 16\nrelease 16\nwait 20\n' "$k" "$k" "$k" |
    "$eina" play "$exercici" --simulate 1x16 --seed 3 | grep -q '"kind":"final"' ||
    fallar "the exercise did not reach its final feedback"
echo "editor: the teacher's walk ends in the final feedback"
