# Shared by the end-to-end scripts that drive the real program on a bare X
# server: a private copy of the program folder and of the user's folders, the
# program started and stopped, and waits on conditions with a deadline (never
# a fixed sleep), so a loaded machine only makes them slower.
#
# The sourcing script sets $bin (the program folder) and calls preparar.

unset QT_QPA_PLATFORM
tmp=$(mktemp -d)
pid=

aturar_programa() {
    if [ -n "$pid" ]; then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=
    fi
}
acabar() {
    aturar_programa
    rm -rf "$tmp"
}
trap acabar EXIT

fallar() {
    echo "FAIL: $*" >&2
    import -window root "${captures:-$tmp}/fallada.png" 2>/dev/null || true
    echo "windows seen:" >&2
    xwininfo -root -tree >&2 || true
    [ ! -f "$tmp/sortida.txt" ] || { echo "program output:" >&2 && cat "$tmp/sortida.txt" >&2; }
    exit 1
}

# The program folder is a copy and the user's folders are temporary: nothing
# the run writes reaches the build or the account running the tests.
preparar() {
    cp -R "$bin/." "$tmp/programa"
    programa="$tmp/programa"
    mkdir -p "$tmp/home" "$tmp/config" "$tmp/dades" "$tmp/runtime"
    chmod 700 "$tmp/runtime"
    export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/dades"
    export XDG_RUNTIME_DIR="$tmp/runtime"
    export QUORVEL_LLOCS="$tmp/llocs.txt"
}

# Waits for a condition (a shell command) to hold, up to $2 seconds (30 by
# default), failing early when the program has ended.
esperar() {
    limit=$(($(date +%s) + ${2:-30}))
    while ! eval "$1"; do
        [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || fallar "quorvel ended"
        [ "$(date +%s)" -lt "$limit" ] || return 1
        sleep 0.1
    done
}

# The program's visible windows (menus and tooltips left out), as "id width
# height x y caption", largest first.
finestres() {
    for id in $(xdotool search --onlyvisible --class '^quorvel$' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '
            /^xwininfo: Window id:/ { n = $0; sub(/^[^"]*"/, "", n); sub(/"[^"]*$/, "", n) }
            /Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
            /Width:/ { w = $2 } /Height:/ { h = $2 } /Override Redirect State: yes/ { o = 1 }
            END { if (w > 1 && h > 1 && !o) print id, w, h, x, y, n }'
    done | sort -k2,2nr
}
# The stage: captioned "Quorvel", at least 600 pixels wide.
escenari() { finestres | awk '$6 == "Quorvel" && NF == 6 && $2 >= 600 { print; exit }'; }
# A box or prompt: any other window but the console, the file dialog and the
# results window.
caixa() {
    finestres | awk -v c="${consola:-}" '$1 != c && !($6 == "Quorvel" && NF == 6 && $2 >= 600) &&
        $6 != "Obrir" && $6 != "Resultats" { print; exit }'
}
mida_escenari() { escenari | awk '{ print $2 "x" $3 }'; }
# The program's open menu, if any.
menu_obert() {
    for id in $(xdotool search --onlyvisible --class '^quorvel$' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '/Override Redirect State: yes/ { print id }'
    done
}

# The visible window whose caption matches exactly, if any.
finestra() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }

# Answers the box on show with Enter and waits for it to go.
respondre_caixa() {
    esperar '[ -n "$(caixa)" ]' || fallar "no box to answer ($1)"
    id_caixa=$(caixa | cut -d' ' -f1)
    esperar '[ "$(xdotool getwindowfocus)" = "$id_caixa" ]' || fallar "the box has no keyboard ($1)"
    xdotool key Return
    esperar '! finestres | grep -q "^$id_caixa "' || fallar "Enter did not close the box ($1)"
}

# Gives the keyboard to a window by its id (with no window manager the
# keyboard otherwise follows the pointer) and waits until it has it.
enfocar() {
    enfocada=$1
    esperar '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$enfocada" ] ||
        { xdotool windowfocus "$enfocada" 2>/dev/null; false; }' || fallar "window $1 never took the keyboard"
}

# Opens the console's menu bar from the keyboard, as a teacher without a mouse
# would: Alt, then Down opens "Fitxers" with its first item active.
obrir_menu() {
    esperar '[ -z "$(menu_obert)" ]' || fallar "a menu stays open"
    enfocar "$consola"
    xdotool key alt
    xdotool key Down
    esperar '[ -n "$(menu_obert)" ]' || fallar "the menu bar opened nothing"
}
# "tauler N" chooses the Nth item of "Tauler" from the keyboard (9 is
# Configurar boto): the walk a teacher without a mouse makes, which must work
# while the keyboard pad is read. Other menu choices go by name (menu).
tauler() {
    obrir_menu
    # Right opens the next menu with its first item active.
    xdotool key Right
    [ "$1" -lt 2 ] || xdotool key --repeat "$(($1 - 1))" Down
    xdotool key Return
}

# Starts the program in its folder with these arguments and waits for its
# console: captioned "Quorvel - FILE" when an exercise is given, else
# "Quorvel" (then the only window on show).
arrencar() {
    (cd "$programa" && exec ./quorvel "$@") >"$tmp/sortida.txt" 2>&1 &
    pid=$!
    case "$*" in
    *.brd) titol_consola='Quorvel - .*' ;;
    *) titol_consola='Quorvel' ;;
    esac
    esperar '[ -n "$(finestra "$titol_consola")" ]' || fallar "no console within 30 s"
    consola=$(finestra "$titol_consola")
}

# The colour of one pixel of a screenshot, as "r g b".
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# The day's results log: beside a program folder that can be written to (the
# copy), else in the user's data folder.
registre() { cat "$programa"/resultats/*.csv "$XDG_DATA_HOME"/quorvel/resultats/*.csv 2>/dev/null || true; }
# How many rows of the log end with this result for this cell.
files_registre() { registre | awk -F, -v c="$1" -v r="$2" '$7 == c && $8 == r' | wc -l; }

# The centre of cell k of a 4-column board on a 1280x800 stage whose drawing
# is scaled to 734 pixels high (the instruction band below) and centred.
# The program writes where its named widgets and the stage's cell pictures
# are, "name x y width height" in screen pixels: a console element is
# "Name(index)" (the board's cells "Check2(k)", the Interval box "temps"), a
# cell picture on the stage "escenari(k)".
lloc() { awk -v n="$1" '$1 == n { print; t = 1; exit } END { exit !t }' "$QUORVEL_LLOCS" 2>/dev/null; }
# The centre of a named place, once the program shows it.
centre() {
    nom_lloc=$1
    esperar 'lloc "$nom_lloc" >/dev/null' 10 || fallar "nothing named $1 on show"
    lloc "$1" | awk '{ printf "%d %d\n", $2 + $4 / 2, $3 + $5 / 2 }'
}
# A named place clicked at its centre.
clicar_lloc() {
    set -- $(centre "$1")
    xdotool mousemove "$1" "$2" click 1
}
# Chooses a menu entry by its element's name with the mouse: the bar's title
# (mn_opcions is "Fitxers", mn_eines "Tauler"), then the item. The item is
# first seen gone, so a list written while an earlier menu was open is not
# taken for this one.
menu() {
    esperar '[ -z "$(menu_obert)" ]' || fallar "a menu stays open"
    item_menu=$2
    esperar '! lloc "$item_menu" >/dev/null' 5 || fallar "$2 is listed with no menu open"
    clicar_lloc "$1"
    clicar_lloc "$2"
}
# The centre of cell k's picture on the stage.
centre_casella() { centre "escenari($1)"; }
