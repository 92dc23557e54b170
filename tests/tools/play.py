#!/usr/bin/env python3
"""The authors' dry run, `quorvel-inspect play`, as a black box: for each case
an exercise, a board and a script, and the events that must appear in that
order (each given by some of its keys). Also the run's failures: a bad script
line (exit 2, its number named) and an exercise that cannot be read (exit 1).

Usage: play.py BIN_DIR SOURCE_DIR"""
import json
import os
import subprocess
import sys

bin_dir, src = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
eina = f"{bin_dir}/quorvel-inspect"
proves = f"{src}/tests/data/play"
biblioteca = f"{bin_dir}/exercicis"



def clic(pad, boto, espera):
    """A whole press of a pad's button, then a wait."""
    return f"button {pad} {boto} down\nbutton {pad} {boto} up\nwait {espera}\n"


# name, exercise, options, script, expected events in order (partial dicts)
CASOS = [
    ("find the cell: wrong, right, special ends with the final feedback",
     f"{proves}/troba.brd", ["--simulate", "2x8"],
     "wait 100\npress 2\nrelease 2\npress 1\nrelease 1\nanswer cancel\npress 12\n",
     [{"event": "item", "index": 1, "correctes": "B", "especials": "M"},
      {"event": "start", "type": "6", "items": 1, "cells": 16, "columns": 4},
      {"event": "feedback", "kind": "wrong"},
      {"event": "colour", "window": "console", "rgb": [255, 0, 0]},
      {"event": "play", "path": f"{proves}/veu/no_ok.wav"},
      {"event": "feedback", "kind": "right"},
      {"event": "answer", "resposta": "B"},
      {"event": "colour", "cell": 1, "rgb": [255, 255, 0]},
      {"event": "feedback", "kind": "final"},
      {"event": "message", "reply": "cancel"},
      {"event": "stage", "state": "closed"},
      {"event": "end", "running": False}]),
    ("sequence: the cells in order, a skipped one is wrong",
     f"{proves}/ordre.brd", ["--simulate", "2x8"],
     "press 1\nrelease 1\npress 3\nrelease 3\npress 2\nrelease 2\n",
     [{"event": "feedback", "kind": "right"},
      {"event": "answer", "resposta": "B"},
      {"event": "feedback", "kind": "wrong"},
      {"event": "feedback", "kind": "right"},
      {"event": "answer", "resposta": "BC"},
      {"event": "end", "running": True}]),
    ("arrows by a rule: the arrow points where the next press is accepted",
     f"{proves}/regla.brd", ["--simulate", "2x8"],
     "press 1\nrelease 1\npress 2\nrelease 2\n",
     [{"event": "start", "type": "17"},
      {"event": "feedback", "kind": "right"},
      {"event": "picture", "index": 1, "path": f"{bin_dir}/imatge/right.gif"},
      {"event": "item", "sequencia": "BC"},
      {"event": "feedback", "kind": "right"},
      {"event": "answer", "resposta": "BC"}]),
    ("pads through the polling: a button press reaches the judgement",
     f"{proves}/troba.brd", ["--simulate", "2x8", "--seed", "7"],
     "wait 100\nbutton 1 1 down\nwait 100\nbutton 1 1 up\nwait 100\n",
     [{"event": "start"},
      {"event": "feedback", "kind": "right", "ms": 200},
      {"event": "answer", "resposta": "B"}]),
    ("the second pad's buttons follow the first pad's cells",
     f"{proves}/troba.brd", ["--simulate", "2x8"],
     "press 1\nrelease 1\nwait 100\nbutton 2 4 down\nwait 100\n",
     [{"event": "feedback", "kind": "right"},
      {"event": "feedback", "kind": "final", "ms": 200}]),
    ("MIDI notes: a cell sounds its note",
     f"{biblioteca}/03_escala/escala.brd", ["--simulate", "2x8"],
     "press 1\nrelease 1\n",
     [{"event": "midi", "bytes": [192, 0, 0]},
      {"event": "start", "type": "5"},
      {"event": "midi", "bytes": [144, 60, 127]}]),
    ("listening board: a cell plays its recording",
     f"{biblioteca}/01_animals/animals.brd", ["--simulate", "2x8"],
     "press 1\n",
     [{"event": "start", "type": "4"},
      {"event": "play"}]),
    ("race: each press moves the player's token",
     f"{biblioteca}/18_cursa/cursa.brd", ["--simulate", "2x8"],
     "wait 100\nbutton 1 1 down\nwait 100\nbutton 1 1 up\nwait 100\nbutton 1 2 down\nwait 100\n",
     [{"event": "start", "type": "30"},
      {"event": "feedback", "kind": "right"},
      {"event": "token", "player": 1},
      {"event": "feedback", "kind": "right"},
      {"event": "token", "player": 1}]),
    ("the bundled rule exercise goes down the diagonal to its special cell",
     f"{biblioteca}/12_fletxes_regla/fletxes_regla.brd", ["--simulate", "2x8", "--seed", "1"],
     "press 1\nrelease 1\npress 6\nrelease 6\npress 11\nrelease 11\nanswer cancel\npress 16\n",
     [{"event": "item", "index": 1, "correctes": "B"},
      {"event": "item", "sequencia": "BG"},
      {"event": "item", "sequencia": "BGL"},
      {"event": "feedback", "kind": "final"}]),
    # One characteristic reaction per remaining type, on the bundled library.
    *[(f"type {t}: {quoi}", f"{biblioteca}/{carpeta}", ["--simulate", "2x8", "--seed", "1"],
       "wait 100\npress 1\nrelease 1\npress 9\nrelease 9\nwait 100\n",
       [{"event": "start", "type": t}, *esperat])
      for t, carpeta, quoi, esperat in [
          ("3", "02_conte/conte.brd", "a press plays the story on",
           [{"event": "play"}, {"event": "media", "ms": 5200}]),
          ("8", "06_regla/regla.brd", "a move against the rule is wrong",
           [{"event": "feedback", "kind": "right"}, {"event": "feedback", "kind": "wrong"}]),
          ("9", "07_parelles/parelles.brd", "a player's press is kept",
           [{"event": "answer", "resposta": "B"}]),
          ("11", "08_escolta_numero/escolta_numero.brd", "the target's recording is replayed",
           [{"event": "feedback", "kind": "wrong"}, {"event": "play"}]),
          ("12", "09_escolta_nota/escolta_nota.brd", "the note sounds again after a miss",
           [{"event": "feedback", "kind": "wrong"}, {"event": "midi"}]),
          ("15", "10_fletxes_sorpresa/fletxes_sorpresa.brd", "a random next cell is drawn",
           [{"event": "feedback", "kind": "right"}, {"event": "item", "sequencia": "BC"}]),
          ("16", "11_fletxes_cami/fletxes_cami.brd", "a cell off the path is wrong",
           [{"event": "feedback", "kind": "right"}, {"event": "feedback", "kind": "wrong"}]),
          ("20", "13_pomes/pomes.brd", "each press counts up on the stage",
           [{"event": "label", "index": 1, "text": "1"}, {"event": "label", "text": "2"}]),
          ("22", "15_anterior/anterior.brd", "the count follows the cells",
           [{"event": "answer", "resposta": "1"}, {"event": "answer", "resposta": "0"}]),
          ("24", "17_tresor/tresor.brd", "each press counts down",
           [{"event": "answer", "resposta": "1"}, {"event": "answer", "resposta": "0"}]),
          ("51", "20_amagada/amagada.brd", "a miss gives a spoken hint",
           [{"event": "play", "path": f"{bin_dir}/veu/pista_dreta.wav"}]),
      ]],
    ("the hidden cell: the item is drawn, its hints are heard one after the other",
     f"{biblioteca}/20_amagada/amagada.brd", ["--simulate", "2x8", "--seed", "1",
                                               "--media-ms", "300"],
     "wait 100\npress 1\n",
     [{"event": "item", "especials": "\b"},
      {"event": "start", "type": "51"},
      {"event": "play", "ms": 100, "path": f"{bin_dir}/veu/pista_a_prop.wav"},
      {"event": "play", "ms": 400, "path": f"{bin_dir}/veu/pista_avall.wav"},
      {"event": "play", "ms": 700, "path": f"{bin_dir}/veu/pista_dreta.wav"}]),
    ("race with the mouse alone: each click on a player's cell moves the token",
     f"{biblioteca}/18_cursa/cursa.brd", ["--simulate", "2x8", "--columns", "8"],
     "click 1\nclick 2\nclick 9\n",
     [{"event": "start", "type": "30", "columns": 8},
      {"event": "token", "player": 1},
      {"event": "token", "player": 1},
      {"event": "token", "player": 2}]),
    ("pairs with the mouse: player 1's card held while player 2 clicks, twice",
     f"{biblioteca}/07_parelles/parelles.brd", ["--simulate", "2x8", "--seed", "1"],
     "press 1\nclick 9\nrelease 1\npress 2\nclick 10\nrelease 2\n",
     [{"event": "answer", "resposta": "B"},
      {"event": "picture", "index": 2, "path": f"{biblioteca}/07_parelles/imatge/parella.png"},
      {"event": "answer", "resposta": "BC"},
      {"event": "picture", "index": 2, "path": f"{biblioteca}/07_parelles/imatge/parella.png"}]),
    ("pairs: every player's card starts covered",
     f"{biblioteca}/07_parelles/parelles.brd", ["--simulate", "2x8"], "",
     [{"event": "picture", "index": 2, "path": f"{biblioteca}/07_parelles/imatge/interrogant.png"},
      {"event": "message"}]),
    ("two cells of one tick: an answer for each, at the tick's time",
     f"{proves}/ordre.brd", ["--simulate", "2x8"],
     "wait 50\nbutton 1 1 down\nbutton 1 2 down\nwait 100\n",
     [{"event": "answer", "resposta": "B", "ms": 100},
      {"event": "answer", "resposta": "BC", "ms": 100}]),
    ("no press is taken after stop, nor on cell 0",
     f"{proves}/troba.brd", ["--simulate", "2x8"],
     "press 0\nstop\nclick 1\n",
     [{"event": "skipped", "reason": "cell 0 is not on the board"},
      {"event": "stage", "state": "closed"},
      {"event": "skipped", "reason": "no exercise takes presses"},
      {"event": "end", "running": False}]),
    # Scanning: a whole switch press between two ticks, then the time to the next.
    ("scanning, automatic: two players find the cells, the second ends the question",
     f"{biblioteca}/04_troba/troba.brd",
     ["--simulate", "2x8", "--scan", "1:auto:500", "--scan", "2:auto:500", "--seed", "1"],
     "answer cancel\nwait 3600\n" + clic(1, 1, 2400) + clic(2, 3, 100),
     [{"event": "scan", "player": 1, "cell": 1, "ms": 0},
      {"event": "scan", "player": 2, "cell": 9, "ms": 0},
      {"event": "scan", "player": 1, "cell": 2, "ms": 1000},
      {"event": "scan", "player": 1, "cell": 7, "ms": 3500},
      {"event": "feedback", "kind": "right", "ms": 3600},
      {"event": "answer", "resposta": "H"},
      {"event": "scan", "player": 1, "cell": 1, "ms": 3600},
      {"event": "scan", "player": 2, "cell": 12, "ms": 6000},
      {"event": "feedback", "kind": "final", "ms": 6000},
      {"event": "message", "reply": "cancel"},
      {"event": "end", "running": False}]),
    ("scanning, step: a sequence chosen with two switches",
     f"{biblioteca}/05_en_ordre/en_ordre.brd",
     ["--simulate", "2x8", "--scan", "1:step", "--seed", "1"],
     "answer cancel\n" + "".join(clic(1, b, 200) for b in [2, 1, 2, 1, 1, 2, 1, 1, 1, 2]),
     [{"event": "item", "correctes": "B", "sequencia": "CDE"},
      {"event": "feedback", "kind": "right"},
      {"event": "scan", "player": 1, "cell": 2},
      {"event": "answer", "resposta": "BC"},
      {"event": "answer", "resposta": "BCD"},
      {"event": "scan", "player": 1, "cell": 4},
      {"event": "feedback", "kind": "final"},
      {"event": "end", "running": False}]),
    ("scanning, automatic: a race run to the finish by one switch",
     f"{biblioteca}/18_cursa/cursa.brd",
     ["--simulate", "2x8", "--scan", "1:auto:500", "--seed", "1"],
     "answer cancel\n" + clic(1, 1, 200) * 8,
     [{"event": "scan", "player": 1, "cell": 1},
      {"event": "feedback", "kind": "right"},
      {"event": "token", "player": 1},
      {"event": "feedback", "kind": "final"},
      {"event": "end", "running": False}]),
    ("scanning by rows: listen and find, the row, then the cell",
     f"{biblioteca}/08_escolta_numero/escolta_numero.brd",
     ["--map", f"{bin_dir}/kk.map", "--pads", "16", "--scan", "1:step", "--seed", "1"],
     "".join(clic(1, b, 200) for b in [1, 2, 1, 1, 1, 2]),
     [{"event": "scan", "player": 1, "cell": 1, "row": 1},
      {"event": "item", "correctes": "I"},
      {"event": "scan", "player": 1, "cell": 5, "row": 2},
      {"event": "scan", "player": 1, "cell": 5},
      {"event": "scan", "player": 1, "cell": 8},
      {"event": "feedback", "kind": "right"},
      {"event": "answer", "resposta": "I"},
      {"event": "scan", "player": 1, "cell": 1, "row": 1}]),
    ("a cell beyond the board is reported, not ignored",
     f"{proves}/troba.brd", ["--simulate", "1x4"],
     "press 12\n",
     [{"event": "skipped", "reason": "cell 12 is not on the board"}]),
]

fallades = 0


def executar(exercici, opcions, script):
    return subprocess.run([eina, "play", exercici, *opcions], input=script.encode(),
                          capture_output=True, timeout=60)


def conte(esdeveniment, esperat):
    return all(esdeveniment.get(k) == v for k, v in esperat.items())


for nom, exercici, opcions, script, esperats in CASOS:
    r = executar(exercici, opcions, script)
    if r.returncode != 0:
        print(f"FAIL {nom}: exit {r.returncode}\n{r.stderr.decode()}")
        fallades += 1
        continue
    linies = [json.loads(l) for l in r.stdout.decode().splitlines()]
    if any("ms" not in e or "event" not in e for e in linies):
        print(f"FAIL {nom}: an event without ms or event")
        fallades += 1
    if linies[-1].get("event") != "end":
        print(f"FAIL {nom}: the last event is not end")
        fallades += 1
    i = 0
    for e in linies:
        if i < len(esperats) and conte(e, esperats[i]):
            i += 1
    if i < len(esperats):
        print(f"FAIL {nom}: missing {esperats[i]} (in order)")
        for e in linies:
            if e["event"] not in ("geometry", "picture", "visible"):
                print("   ", json.dumps(e, ensure_ascii=False))
        fallades += 1

# Two runs with the same seed print the same.
a = executar(f"{biblioteca}/04_troba/troba.brd", ["--simulate", "2x8", "--seed", "3"], "press 1\n")
b = executar(f"{biblioteca}/04_troba/troba.brd", ["--simulate", "2x8", "--seed", "3"], "press 1\n")
if a.stdout != b.stdout:
    print("FAIL the same seed gave two different runs")
    fallades += 1
# Over a few seeds, the question drawn is not always the same one.
items = set()
for llavor in range(1, 9):
    r = executar(f"{biblioteca}/04_troba/troba.brd", ["--simulate", "2x8", "--seed", str(llavor)], "")
    items |= {l for l in r.stdout.decode().splitlines() if '"item"' in l}
if len(items) < 2:
    print("FAIL the seed does not change the draw")
    fallades += 1

# A bad script line names its number and exits 2; nothing is played.
r = executar(f"{proves}/troba.brd", [], "wait 10\n# a comment\n\npres 3\n")
if r.returncode != 2 or b"line 4" not in r.stderr or r.stdout:
    print(f"FAIL bad script line: exit {r.returncode}, {r.stderr!r}")
    fallades += 1

# A scanning option that does not read is refused before anything is played.
r = executar(f"{proves}/troba.brd", ["--scan", "1:fast"], "")
if r.returncode != 2 or b"--scan" not in r.stderr or r.stdout:
    print(f"FAIL bad --scan: exit {r.returncode}, {r.stderr!r}")
    fallades += 1

# An exercise that cannot be read is an error object and exit 1.
r = executar(f"{proves}/no_such.brd", [], "")
if r.returncode != 1 or "error" not in json.loads(r.stdout.decode().splitlines()[0]):
    print(f"FAIL unreadable exercise: exit {r.returncode}")
    fallades += 1

print(f"{len(CASOS) + 5 - fallades} passed, {fallades} failed")
sys.exit(1 if fallades else 0)
