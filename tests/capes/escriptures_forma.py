#!/usr/bin/env python3
"""The board's shape and map tables are the content's state and change only
through content/forma_tauler.h. This check fails when a folder above the
content (app, engine, board, joystick, stage) or the authors' tool assigns, steps, resizes or binds
a writable reference to one of those fields directly, and names each place.
It first proves its own patterns on writes it must catch and reads it must
let through, so an emptied pattern cannot pass silently.

Usage: escriptures_forma.py SOURCE_DIR
"""
import os
import re
import sys

CARPETES = ["app", "engine", "board", "joystick", "stage", "tools"]
COMPTES = r"(?:n_joysticks|n_botons_total|n_botons|n_columnes)"
TAULES = r"(?:mapa_entrades|mapa_botons)"
CAMP = rf"(?:{COMPTES}|{TAULES})"
# Any chain of members before the field: s., s_., sessio_., p->app().estat().
CAMI = r"(?:[\w\]\)]+\s*(?:\.|->)\s*)*"
ASSIGNACIO = r"(?:[-+*/%&|^]|<<|>>)?=(?!=)"
SUBINDEX = r"(?:\[[^\]]*\]|\((?:[^()]|\([^()]*\))*\))"

PATRONS = [
    ("assigned", re.compile(rf"\b{COMPTES}\b\s*{ASSIGNACIO}")),
    ("stepped", re.compile(rf"(?:\+\+|--)\s*{CAMI}{COMPTES}\b|\b{COMPTES}\b\s*(?:\+\+|--)")),
    (
        "assigned",
        re.compile(rf"\b{TAULES}\b\s*(?:{SUBINDEX}\s*(?:\.\s*(?:joy|entrada)\s*)?)?{ASSIGNACIO}"),
    ),
    ("resized", re.compile(rf"\b{TAULES}\b\s*\.\s*(?:redimensionar\w*|alliberar)\b")),
    (
        "bound to a writable reference",
        re.compile(rf"(?<!const)(?<!const )\b[\w:<>]+\s*&\s*\w+\s*=\s*{CAMI}{CAMP}\b"),
    ),
    ("taken by address", re.compile(rf"[(,=]\s*&\s*{CAMI}{CAMP}\b")),
]

HAN_DE_FALLAR = [
    "s.n_botons = 3;",
    "sessio_.n_columnes = columnes;",
    "s.n_botons_total += 2;",
    "--s.n_botons;",
    "s.n_joysticks++;",
    "s.mapa_entrades(j, i) = c;",
    "s.mapa_entrades(anterior.joy, anterior.entrada) = -2;",
    "s.mapa_botons[k] = {0, 0};",
    "s.mapa_botons[k].joy = 1;",
    "s.mapa_botons\n    = b;",
    "s.mapa_botons.redimensionar(0, n);",
    "s.mapa_botons.redimensionar_conservant(n);",
    "auto& e = s.mapa_entrades;",
    "boto_mapa& b = s.mapa_botons[k];",
    "llegir(&s.n_columnes);",
]
HAN_DE_PASSAR = [
    "if (s.n_botons == n) {",
    "for (int k = 1; k <= s.n_botons; ++k) {",
    "return k >= 1 && k <= s.n_botons && s.mapa_botons.dins(k);",
    "if (s.n_columnes != 0 && a >= s.n_joysticks) {",
    "const int c = s.mapa_entrades(j, i);",
    "if (s.mapa_botons[k].joy == -2) {",
    "const auto& e = s.mapa_entrades;",
    "const boto_mapa& b = s.mapa_botons[k];",
    "x = a && s.n_botons > 1;",
    "forma_posar_botons(s, s.n_botons_total, s.n_botons - 1);",
]


def net(text):
    """The source without comments and string or character literals, keeping
    its line breaks so that offsets still give line numbers."""

    def buit(m):
        return re.sub(r"[^\n]", " ", m.group(0))

    return re.sub(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', buit, text,
                  flags=re.S)


def escriptures(text):
    font = net(text)
    trobades = []
    for que, patro in PATRONS:
        for m in patro.finditer(font):
            trobades.append((font.count("\n", 0, m.start()) + 1, que, m.group(0).strip()))
    return sorted(set(trobades))


def main():
    errors = []
    for linia in HAN_DE_FALLAR:
        if not escriptures(linia):
            errors.append(f"the check misses a write: {linia!r}")
    for linia in HAN_DE_PASSAR:
        if escriptures(linia):
            errors.append(f"the check takes a read for a write: {linia!r}")

    arrel = sys.argv[1]
    for carpeta in CARPETES:
        for dir_actual, _, fitxers in os.walk(os.path.join(arrel, carpeta)):
            for nom in sorted(fitxers):
                if not nom.endswith((".cpp", ".h")):
                    continue
                cami = os.path.join(dir_actual, nom)
                with open(cami, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for linia, que, tros in escriptures(text):
                    errors.append(
                        f"{os.path.relpath(cami, arrel)}:{linia}: board shape or map {que} "
                        f"directly ({tros}); change it through content/forma_tauler.h"
                    )
    for e in errors:
        print(e)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
