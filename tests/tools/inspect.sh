#!/bin/sh
# The command-line contract of quorvel-inspect: subcommands, JSON keys, exit
# statuses. Content authors' scripts rely on these names.
#
# Usage: inspect.sh BIN_DIR SOURCE_DIR
set -eu
bin=${1:?usage: inspect.sh BIN_DIR SOURCE_DIR}
src=${2:?usage: inspect.sh BIN_DIR SOURCE_DIR}
eina="$bin/quorvel-inspect"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fallades=0

# comprovar NAME PYTHON-EXPRESSION COMMAND...: the command exits 0 and the
# expression holds for its JSON output (bound to j).
comprovar() {
    nom=$1; expressio=$2; shift 2
    if ! "$@" >"$tmp/sortida.json" 2>"$tmp/errors.txt"; then
        echo "FAIL $nom: exit status $?"; cat "$tmp/errors.txt"; fallades=$((fallades + 1)); return
    fi
    if ! python3 -c "import json,sys; j=json.load(open(sys.argv[1])); sys.exit(0 if ($expressio) else 1)" "$tmp/sortida.json"; then
        echo "FAIL $nom: $expressio"; head -c 2000 "$tmp/sortida.json"; fallades=$((fallades + 1)); return
    fi
    echo "ok $nom"
}

# estat NAME EXPECTED COMMAND...: the command exits with the expected status.
estat() {
    nom=$1; esperat=$2; shift 2
    set +e; "$@" >/dev/null 2>&1; rebut=$?; set -e
    if [ "$rebut" -ne "$esperat" ]; then
        echo "FAIL $nom: exit status $rebut, expected $esperat"; fallades=$((fallades + 1))
    else
        echo "ok $nom"
    fi
}

comprovar settings \
    'set(j) == {"mapa_fitxer","n_columnes","idioma","num_butons","cursors","invers"} and j["n_columnes"] == 4 and j["cursors"] is False' \
    "$eina" settings "$src/data"
comprovar settings_missing 'j["n_columnes"] == 0 and j["mapa_fitxer"] == ""' "$eina" settings "$tmp"
comprovar language \
    'set(j) == {"traduccio","textos_idioma"} and j["traduccio"][1]["finestra"] == "Form1" and set(j["traduccio"][1]["entrades"][0]) == {"control","index","text","tipus"} and j["textos_idioma"][1] != ""' \
    "$eina" language "$src/data/castellano.trad"
printf 'Titol\r\nColumnes\t4\r\n# comment\r\nx\ta, b\r\n' >"$tmp/r.txt"
comprovar records \
    'j == [{"registre":"Titol","valor":""},{"registre":"Columnes\t4","valor":"4"},{"registre":"x\ta","valor":"a"},{"registre":"b","valor":""}]' \
    "$eina" records "$tmp/r.txt"
comprovar records_missing 'j == []' "$eina" records "$tmp/none.txt"
comprovar resolve \
    'set(j) == {"ruta_resoldre","ruta_escurcar"} and j["ruta_resoldre"].split("|")[0].endswith("casella_02.png") and j["ruta_resoldre"].split("|")[1] == "nope.gif"' \
    "$eina" resolve --base "$src/data/" "casella_02.png|nope.gif"
comprovar map \
    'len(j["mapa_botons"]) == 13 and j["mapa_botons"][3] == {"joy":1,"entrada":7} and len(j["mapa_entrades"]) == 2 and len(j["mapa_entrades"][1]) == 17 and j["cursors"] is False and j["amb_cursors"] == [False, False]' \
    "$eina" map "$src/data/kk.map" --pads 12
comprovar scenario \
    'set(j) == {"esc_titol","esc_tipus","esc_n","graella"} and j["esc_tipus"] == 2 and len(j["graella"]) == j["esc_n"] + 1 and set(j["graella"][1]) == {"nom","x_ini","y_ini","x_fi","y_fi","pas_x","pas_y","amplada","alcada","fitxers"}' \
    "$eina" scenario "$src/data/graella.esc" --jugadors 2
comprovar exercise \
    'j["tipus_exercici"] == "6" and j["n_elements"] == 2 and len(j["elements"]) == 4 and j["elements"][1]["correctes"] == "B" and set(j["elements"][0]) == {"consigna","correctes","sequencia","text_1","text_2","especials","media_1","media_2","media_3","media_4","media_5"}' \
    "$eina" exercise "$src/data/mostra_caselles.brd"
comprovar exercise_list 'j["tipus_exercici"] == "3" and j["n_items"] == 4 and j["elements"] is None' \
    "$eina" exercise "$src/data/mostra_sons.brd"
comprovar expression 'j == {"valor": 20}' "$eina" expression "2 + 3 * 4"
comprovar expand 'set(j) == {"text"}' "$eina" expand "B(LU)" --botons 12 --columnes 4
comprovar joysticks 'isinstance(j, list)' env SDL_VIDEODRIVER=dummy "$eina" joysticks
comprovar joysticks_teclat 'j[-1]["botons_dispositiu"] == 32 and j[-1]["dispositiu"] == len(j)' \
    env SDL_VIDEODRIVER=dummy "$eina" joysticks --keyboard

printf 'a\tb\r\nc\td\r\nTipus\t6\r\nItems\tmany\r\n' >"$tmp/trencat.brd"
estat lint_finds_a_broken_file 1 "$eina" exercise "$tmp/trencat.brd" --lint
estat lint_passes_a_clean_file 0 "$eina" exercise "$src/data/mostra_caselles.brd" --lint
comprovar exercise_cells \
    '[a["linia"] for a in j["fora_del_tauler"]] == [14, 23] and j["fora_del_tauler"][0]["missatge"] == "item 1 especials names cell 12, beyond a board of 8 cells"' \
    "$eina" exercise "$src/data/mostra_caselles.brd" --cells 8
comprovar exercise_cells_fit 'j["fora_del_tauler"] == [] and j["n_elements"] == 2' \
    "$eina" exercise "$src/data/mostra_caselles.brd" --cells 12

# The faults teachers make in a copy of a bundled exercise, each named at its
# line; a misspelt label is free text and says nothing.
cp -r "$src/data/exercicis/04_troba" "$tmp/troba"
lint_troba() {
    nom=$1; esperat=$2; sed "$3" "$tmp/troba/troba.brd" >"$tmp/troba/$nom.brd"
    set +e; "$eina" exercise "$tmp/troba/$nom.brd" --lint --cells 16 >"$tmp/lint.txt"; rebut=$?; set -e
    trobat=
    if [ -z "$esperat" ]; then
        [ -s "$tmp/lint.txt" ] || trobat=1
    else
        ! grep -q "^$esperat" "$tmp/lint.txt" || trobat=1
    fi
    if [ "$rebut" -ne $(( ${#esperat} > 0 )) ] || [ -z "$trobat" ]; then
        echo "FAIL lint_$nom: exit $rebut, expected '$esperat'"; cat "$tmp/lint.txt"; fallades=$((fallades + 1))
    else
        echo "ok lint_$nom"
    fi
}
lint_troba type_66 'line 8: the type 66 names no exercise type' 's/^Tipus\t6/Tipus\t66/'
lint_troba spaces 'line 9: ' 's/\t/   /'
lint_troba spaces_type 'line 8: ' 's/\t/   /'
lint_troba no_sequence "line 24: the record 'Especials" '24d'
lint_troba three_of_two 'line 9: the count says 3 items, but the file holds 2' '31,$d'
lint_troba misspelt '' 's/^Consigna\t/Consinga\t/'
lint_troba cells_beyond 'line 15: item 1 especials names cell 20' 's/^Especials\tM/Especials\tU/'

estat evaluator_failure 1 "$eina" expression "1 / 0"
estat usage_without_subcommand 2 "$eina"
estat usage_unknown_subcommand 2 "$eina" bogus
estat usage_missing_file 2 "$eina" records

if [ "$fallades" -ne 0 ]; then
    echo "$fallades check(s) failed"
    exit 1
fi
